// The window without a mouse: where the focus starts, the Tab order of each
// page, Tab out of every memo, the clickable panels, links and pictures pressed
// with Space and Enter, and the keys that turn the pages.

#include "GuiTestSupport.h"

#include "gui/FormNames.h"
#include "gui/UrlOpener.h"
#include "gui/widgets/ClickableLabel.h"

#include "core/guidance/WebLinks.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace tarvo;
using namespace tarvo::gui;

namespace {

// The form name of the focused control, or of the nearest named control around
// it (the edit inside a list, the tab bar inside the page control).
QString focusedName()
{
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            return widget->objectName();
    }
    return QStringLiteral("(nothing)");
}

QString radio(const char* group)
{
    return QString::fromLatin1(group) + QStringLiteral("Item0");
}

QStringList names(std::initializer_list<const char*> formNames)
{
    QStringList list;
    for (const char* name : formNames)
        list.append(QString::fromLatin1(name));
    return list;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowUnderTest> m_ui;
    QStringList m_opened;

    QTabWidget* pages() const { return m_ui->control<QTabWidget>(form::pages); }

    void pressOn(const char* name, int key) const
    {
        QWidget* widget = m_ui->control<QWidget>(name);
        widget->setFocus(Qt::TabFocusReason);
        QTest::keyClick(widget, Qt::Key(key));
    }

private slots:
    void init()
    {
        m_ui = std::make_unique<test::WindowUnderTest>();
        m_ui->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_ui->window()));
        m_opened.clear();
        UrlOpener::setHandlerForTesting([this](const QString& address) { m_opened << address; });
    }

    void cleanup()
    {
        UrlOpener::setHandlerForTesting({});
        m_ui.reset();
    }

    void startsInTheAuthorField() { QCOMPARE(focusedName(), form::authorId.qt()); }

    void tabWalksEachPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        using namespace form;
        // The hidden follow-up fields take no focus; a radio group is one stop.
        QTest::newRow("common") << 0
                                << names({ authorId }) + QStringList { radio(submissionKind) }
                + names({ softwareName, loadPanel, headline, helpPanel(HelpTopic::Headline), description, sizePanel,
                    archiveFileName, helpPanel(HelpTopic::ArchiveFileName), publicationFileName,
                    helpPanel(HelpTopic::PublicationFileName), version, machine, helpPanel(HelpTopic::Machine) })
                + names({ operatingSystems[0], operatingSystems[1], operatingSystems[2], operatingSystems[3],
                    operatingSystems[4], operatingSystems[5], otherOs, requiredSoftware, handling, category,
                    subcategory })
                + QStringList { radio(fileLocation), radio(printPermission), radio(webPermission) }
                + names({ notes, helpPanel(HelpTopic::Notes), previewButton, form::pages });
        QTest::newRow("shareware") << 1
                                   << names({ sharewareFee, helpPanel(HelpTopic::SharewareFee), sharewareConditions,
                                          helpPanel(HelpTopic::SharewareConditions), bankRemittance,
                                          helpPanel(HelpTopic::BankRemittance), postalRemittance,
                                          helpPanel(HelpTopic::PostalRemittance), registeredProductNumber,
                                          helpPanel(HelpTopic::RegisteredProductNumber), niftyRemittance,
                                          helpPanel(HelpTopic::NiftyRemittance), otherRemittance,
                                          helpPanel(HelpTopic::OtherRemittance), calculateButton, userStatement,
                                          authorStatement, form::pages });
        QTest::newRow("help") << 2
                              << names({ link(LinkId::HomePageInAbout), link(LinkId::OfficialSite),
                                     link(LinkId::ReplaceSubmission), link(LinkId::AuthorRegistration),
                                     link(LinkId::AuthorPassword), link(LinkId::SharewareRegistration),
                                     link(LinkId::SharewareAuthorInfo), link(LinkId::HomePageBanner), helpText,
                                     form::pages });
        QTest::newRow("preview") << 3
                                 << names({ preview, saveButton }) + QStringList { radio(wrapChoice) }
                + names({ drives, desktopButton, folders, form::pages });
    }

    // From the page's first control, Tab visits every control in order, then the
    // tab bar; Shift+Tab walks the same way back.
    void tabWalksEachPage()
    {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        m_ui->showPage(page);
        m_ui->control<QWidget>(order.front().toLatin1().constData())->setFocus(Qt::TabFocusReason);
        QStringList forward { focusedName() };
        for (qsizetype step = 1; step < order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << focusedName();
        }
        QCOMPARE(forward, order);
        QStringList backward { focusedName() };
        for (qsizetype step = 1; step < order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            backward.prepend(focusedName());
        }
        QCOMPARE(backward, order);
    }

    void tabLeavesEveryMemo_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("memo");
        const std::pair<int, const char*> memos[] = { { 0, form::description }, { 0, form::notes },
            { 1, form::sharewareConditions }, { 1, form::userStatement }, { 1, form::authorStatement },
            { 2, form::helpText }, { 3, form::preview } };
        for (const auto& [page, memo] : memos)
            QTest::newRow(memo) << page << QString::fromLatin1(memo);
    }

    // Tab and Shift+Tab move on; the memo never gets a tab character.
    void tabLeavesEveryMemo()
    {
        QFETCH(int, page);
        QFETCH(QString, memo);
        m_ui->showPage(page);
        auto* edit = m_ui->control<QPlainTextEdit>(memo.toLatin1().constData());
        const QString before = edit->toPlainText();
        for (const auto& [key, modifiers] :
            { std::pair(Qt::Key_Tab, Qt::NoModifier), std::pair(Qt::Key_Backtab, Qt::ShiftModifier) }) {
            edit->setFocus(Qt::TabFocusReason);
            QTest::keyClick(edit, key, modifiers);
            QVERIFY(!edit->hasFocus());
        }
        QCOMPARE(edit->toPlainText(), before);
        QVERIFY(!edit->toPlainText().contains(QLatin1Char('\t')));
    }

    void spaceAndEnterPressThePanels_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("opened");
        const QString site = QString::fromStdString(webLink(LinkId::ReplaceSubmission).url());
        for (const int key : { int(Qt::Key_Space), int(Qt::Key_Return), int(Qt::Key_Enter) }) {
            const QByteArray how = key == Qt::Key_Space ? "Space" : key == Qt::Key_Return ? "Return" : "Enter";
            QTest::addRow("help panel, %s", how.constData())
                << 0 << form::helpPanel(HelpTopic::Headline).qt()
                << QStringList { QStringLiteral("そのソフトの印象を強く与えるように一行で説明して下さい。") }
                << QStringList {};
            QTest::addRow("size panel, %s", how.constData())
                << 0 << form::sizePanel.qt() << QStringList { QStringLiteral("0バイト使用") } << QStringList {};
            QTest::addRow("load panel, %s", how.constData())
                << 0 << form::loadPanel.qt() << QStringList { QStringLiteral("バックアップデータがありません！") }
                << QStringList {};
            QTest::addRow("site link, %s", how.constData())
                << 2 << form::link(LinkId::ReplaceSubmission).qt() << QStringList {} << QStringList { site };
            // Answered "いいえ(&N)": asked, not opened.
            QTest::addRow("home page link, %s", how.constData())
                << 2 << form::link(LinkId::HomePageInAbout).qt()
                << QStringList { QStringLiteral("当HP「Velmo Studio」へ行きますか？") } << QStringList {};
            QTest::addRow("banner, %s", how.constData())
                << 2 << form::link(LinkId::HomePageBanner).qt()
                << QStringList { QStringLiteral("当ホームページ「Velmo Studio」へ行きますか？") } << QStringList {};
        }
    }

    // The same boxes and the same question as a click, and the focus stays.
    void spaceAndEnterPressThePanels()
    {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, opened);
        const QByteArray name = control.toLatin1();
        m_ui->showPage(page);
        const QString how = QString::fromLatin1(QTest::currentDataTag());
        const int key = how.endsWith(QLatin1String("Space")) ? Qt::Key_Space
            : how.endsWith(QLatin1String("Return"))          ? Qt::Key_Return
                                                             : Qt::Key_Enter;
        pressOn(name.constData(), key);
        QCOMPARE(test::shownTexts(), boxes);
        QCOMPARE(m_opened, opened);
        QCOMPARE(focusedName(), control);
    }

    // Tab reaches the desktop picture, and Space goes where a click goes.
    void spacePressesTheDesktopPicture()
    {
        const test::DesktopUnder home(m_ui->folder().filePath(QStringLiteral("home")));
        m_ui->folder().makeFolder(QStringLiteral("home/Desktop"));
        m_ui->showPage(3);
        pressOn(form::desktopButton, Qt::Key_Space);
        QVERIFY(test::shownTexts().isEmpty());
        QCOMPARE(m_ui->control<QLabel>(form::folderLabel)->text(), test::shown(QDir(home.desktop()).canonicalPath()));
    }

    // A panel with the focus shows it.
    void focusIsDrawn()
    {
        auto* panel = m_ui->control<ClickableLabel>(form::loadPanel);
        m_ui->control<QWidget>(form::authorId)->setFocus();
        const QImage without = panel->grab().toImage();
        panel->setFocus(Qt::TabFocusReason);
        QVERIFY(panel->hasFocus());
        QVERIFY(panel->grab().toImage() != without);
    }

    void pageKeysWorkFromAnyField_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* field : { form::authorId, form::description, form::handling, form::operatingSystems[0],
                 form::loadPanel, form::previewButton })
            QTest::newRow(field) << QString::fromLatin1(field);
        QTest::newRow("radio group") << radio(form::submissionKind);
    }

    void pageKeysWorkFromAnyField()
    {
        QFETCH(QString, field);
        QWidget* widget = m_ui->control<QWidget>(field.toLatin1().constData());
        widget->setFocus(Qt::TabFocusReason);
        QTest::keyClick(widget, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(pages()->currentIndex(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(pages()->currentIndex(), 0);
        // From the first page back to the last, as Ctrl+Shift+Tab goes.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(pages()->currentIndex(), 3);
    }

    void ctrlTabStillTurnsThePage()
    {
        for (const char* field : { form::authorId, form::description }) {
            m_ui->showPage(0);
            QWidget* widget = m_ui->control<QWidget>(field);
            widget->setFocus(Qt::TabFocusReason);
            QTest::keyClick(widget, Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(pages()->currentIndex(), 1);
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
