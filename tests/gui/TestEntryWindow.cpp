#include "GuiTestSupport.h"

#include "WidgetLookup.h"
#include "gui/EntryBinding.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"
#include "gui/widgets/RadioGroup.h"

#include "core/entry/RegistrationEntry.h"
#include "core/text/Cp932.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace tarvo::gui;
using test::sj;

namespace {

// Top-level names with a look-alike ("AB"), a trailing blank ("C "), an empty
// group and entries above the first top-level line.
const QByteArray kCatalogue = sj("stray\r\n#A\r\nx\r\ny\r\n#AB\r\nq\r\n#C \r\nr\r\n#E\r\n#A\r\nnever\r\n");

std::string cp(const char* utf8)
{
    return tarvo::cp932FromUtf8(utf8);
}

} // namespace

class TestEntryWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::StartFolder> m_folder;
    std::unique_ptr<MainWindow> m_window;

    template <typename T> T* control(const char* name) const { return requireChild<T>(m_window.get(), name); }

    QString handlingKind() const { return QString::fromStdString(m_window->entry().handlingKind().text()); }

    void clickItem(const char* group, int index) { test::clickItem(control<RadioGroup>(group), index); }

    QLabel* captionWithText(const QString& text) const
    {
        for (QLabel* label : m_window->findChildren<QLabel*>()) {
            if (label->text() == text)
                return label;
        }
        return nullptr;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<test::StartFolder>();
        m_folder->write("category.dat", kCatalogue);
        test::answerEveryBox();
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->ensurePagesBuilt();
        MessageBox::clearShown();
    }

    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
        MessageBox::clearNextAnswers();
    }

    void initialState()
    {
        for (const char* name : { form::originalLibraryNumberCaption, form::originalLibraryNumber,
                 form::fileLocationOtherCaption, form::fileLocationOther, form::printRefusalCaption,
                 form::printRefusalReason, form::webRefusalCaption, form::webRefusalReason })
            QVERIFY2(!control<QWidget>(name)->isVisible(), name);
        for (const char* name :
            { form::submissionKind, form::fileLocation, form::printPermission, form::webPermission, form::wrapChoice })
            QCOMPARE(control<RadioGroup>(name)->index(), 0);
        for (const char* name : { form::machine, form::category, form::subcategory, form::handling })
            QCOMPARE(control<QComboBox>(name)->currentText(), QString());
        QCOMPARE(test::itemsOf(control<QComboBox>(form::category)), (QStringList { "A", "AB", "C ", "E", "A" }));
        QCOMPARE(handlingKind(), QString());

        const QStringList machines = test::itemsOf(control<QComboBox>(form::machine));
        QCOMPARE(machines.size(), 8);
        for (const QString& machine : machines)
            QCOMPARE(machine.endsWith(' '), machine != QStringLiteral("汎用"));
        QCOMPARE(test::itemsOf(control<QComboBox>(form::handling)).size(), 10);
        QCOMPARE(control<RadioGroup>(form::submissionKind)->button(3)->text(), QStringLiteral("4：情報の変更のみ"));
        QCOMPARE(control<QCheckBox>(form::operatingSystems[4])->text(), QStringLiteral("Windows2000"));
        QVERIFY(!control<QCheckBox>(form::operatingSystems[4])->isChecked());
        QCOMPARE(control<QPushButton>(form::previewButton)->text(), QStringLiteral("プレビューを作成"));
    }

    void hints_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("handling has none") << "★ソフトウェアの取り扱い" << QString();
        QTest::newRow("author has none") << "★作者名、或いはライブラリ作者番号（PA～）" << QString();
        QTest::newRow("headline") << "●1行見出し(ソフトの簡単な説明1行だけ)"
                                  << "ソフトの説明を一行で書いて下さい。";
        QTest::newRow("publication name") << "●インターネット・書籍公開用ファイル名"
                                          << "雑誌などから掲載依頼が来た時に載せてもら時のファイル名を記入します。";
        QTest::newRow("listing directory")
            << "●希望掲載ディレクトリ"
            << "上のボックスを選ぶと自動的に下のボックスにその中のジャンルが選べるようになります。";
    }

    void hints()
    {
        QFETCH(QString, caption);
        QLabel* label = captionWithText(caption);
        QVERIFY2(label, qPrintable(caption));
        QTEST(label->toolTip(), "hint");
    }

    void visibilityRules_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("shown");
        using Shown = std::initializer_list<bool>;
        const auto rows = [](const char* group, const char* edit, const char* caption, Shown shownPerItem) {
            int item = 0;
            for (bool shown : shownPerItem) {
                QTest::addRow("%s item %d", group, item) << group << item << edit << caption << shown;
                ++item;
            }
        };
        rows(form::submissionKind, form::originalLibraryNumber, form::originalLibraryNumberCaption,
            { false, true, true, true });
        rows(
            form::fileLocation, form::fileLocationOther, form::fileLocationOtherCaption, { false, false, false, true });
        rows(form::printPermission, form::printRefusalReason, form::printRefusalCaption, { false, true });
        rows(form::webPermission, form::webRefusalReason, form::webRefusalCaption, { false, true });
    }

    // Each item is chosen after the "other" item of the group, so that both
    // directions of the rule are exercised; the caption follows its field.
    void visibilityRules()
    {
        QFETCH(QString, group);
        QFETCH(int, item);
        QFETCH(QString, edit);
        const QByteArray groupName = group.toLatin1();
        const RadioGroup* radios = control<RadioGroup>(groupName.constData());
        clickItem(groupName.constData(), item == 0 ? radios->count() - 1 : 0);
        clickItem(groupName.constData(), item);
        QCOMPARE(radios->index(), item);
        QFETCH(bool, shown);
        auto* field = m_window->findChild<QLineEdit*>(edit);
        QCOMPARE(field->isVisible(), shown);
        QFETCH(QString, caption);
        QCOMPARE(control<QLabel>(caption.toLatin1().constData())->isVisible(), shown);
    }

    void permissionGroupsActIndependently()
    {
        clickItem(form::printPermission, 1);
        QVERIFY(control<QLineEdit>(form::printRefusalReason)->isVisible());
        QVERIFY(!control<QLineEdit>(form::webRefusalReason)->isVisible());
        clickItem(form::webPermission, 1);
        clickItem(form::printPermission, 0);
        QVERIFY(!control<QLineEdit>(form::printRefusalReason)->isVisible());
        QVERIFY(control<QLineEdit>(form::webRefusalReason)->isVisible());
    }

    void hidingNeverClears()
    {
        clickItem(form::submissionKind, 2);
        test::typeInto(control<QLineEdit>(form::originalLibraryNumber), QStringLiteral("PS012345"));
        clickItem(form::submissionKind, 0);
        QVERIFY(!control<QLineEdit>(form::originalLibraryNumber)->isVisible());
        QCOMPARE(m_window->entry().read().originalLibraryNumber.str(), std::string("PS012345"));
        clickItem(form::submissionKind, 1);
        QCOMPARE(control<QLineEdit>(form::originalLibraryNumber)->text(), QStringLiteral("PS012345"));
    }

    // The cascade runs at every key: the lower list empties and refills when the
    // text equals a top-level name exactly.
    void cascadeTypedLetterByLetter()
    {
        auto* category = control<QComboBox>(form::category);
        auto* subcategory = control<QComboBox>(form::subcategory);
        test::typeInto(subcategory, QStringLiteral("old"));

        QTest::keyClick(category, 'A');
        QCOMPARE(test::itemsOf(subcategory), (QStringList { "x", "y" }));
        QCOMPARE(subcategory->currentText(), QString());
        QTest::keyClick(category, 'B');
        QCOMPARE(test::itemsOf(subcategory), QStringList { "q" });
        QTest::keyClick(category, 'C');
        QCOMPARE(test::itemsOf(subcategory), QStringList());
        QTest::keyClick(category, Qt::Key_Backspace);
        QCOMPARE(test::itemsOf(subcategory), QStringList { "q" });

        category->lineEdit()->selectAll();
        QTest::keyClick(category, Qt::Key_Delete);
        test::typeInto(category, QStringLiteral("C"));
        QCOMPARE(test::itemsOf(subcategory), QStringList());
        test::typeInto(category, QStringLiteral(" "));
        QCOMPARE(test::itemsOf(subcategory), QStringList { "r" });
        QCOMPARE(category->currentText(), QStringLiteral("C "));

        category->lineEdit()->selectAll();
        test::typeInto(category, QStringLiteral("a"));
        QCOMPARE(test::itemsOf(subcategory), QStringList());
        QCOMPARE(category->currentText(), QStringLiteral("a"));
    }

    void cascadeChosen_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("A") << 0 << QStringList { "x", "y" };
        QTest::newRow("AB") << 1 << QStringList { "q" };
        QTest::newRow("C with its blank") << 2 << QStringList { "r" };
        QTest::newRow("empty group") << 3 << QStringList();
        QTest::newRow("repeated name gives the first group") << 4 << QStringList { "x", "y" };
    }

    void cascadeChosen()
    {
        auto* subcategory = control<QComboBox>(form::subcategory);
        test::chooseItem(control<QComboBox>(form::category), 2);
        test::chooseItem(subcategory, 0);
        QCOMPARE(subcategory->currentText(), QStringLiteral("r"));
        QFETCH(int, item);
        test::chooseItem(control<QComboBox>(form::category), item);
        QTEST(test::itemsOf(subcategory), "entries");
        QCOMPARE(subcategory->currentText(), QString());
    }

    // A program step (the restore) sets both texts and leaves the lower list.
    void writingTheEntryRunsNoCascade()
    {
        test::chooseItem(control<QComboBox>(form::category), 0);
        tarvo::RegistrationEntry entry = m_window->entry().read();
        entry.category = "AB";
        entry.subcategory = "zz";
        m_window->entry().write(entry);
        QCOMPARE(control<QComboBox>(form::category)->currentText(), QStringLiteral("AB"));
        QCOMPARE(control<QComboBox>(form::subcategory)->currentText(), QStringLiteral("zz"));
        QCOMPARE(test::itemsOf(control<QComboBox>(form::subcategory)), (QStringList { "x", "y" }));
    }

    void handlingKindTypedLetterByLetter()
    {
        auto* handling = control<QComboBox>(form::handling);
        const QString item = QStringLiteral("シェアウェア");
        for (qsizetype length = 1; length <= item.size(); ++length) {
            test::typeInto(handling, item.mid(length - 1, 1));
            QCOMPARE(handlingKind(), length == item.size() ? QStringLiteral("3") : QString());
        }
        test::typeInto(handling, QStringLiteral(" "));
        QCOMPARE(handling->currentText(), QStringLiteral("シェアウェア "));
        QCOMPARE(handlingKind(), QStringLiteral("3"));
    }

    // Pages 2 to 4 come after the first paint, or with a tab change before it;
    // the first page's handlers work before then: Handling typed counts, every
    // edit of it (the kind keeps the last match), and Category fills its list.
    void handlingTypedBeforeThePagesAreBuilt_data()
    {
        QTest::addColumn<bool>("byTabChange");
        QTest::newRow("first paint") << false;
        QTest::newRow("tab change") << true;
    }

    void handlingTypedBeforeThePagesAreBuilt()
    {
        QFETCH(bool, byTabChange);
        m_window = std::make_unique<MainWindow>();
        const auto built = [this] { return m_window->findChild<QWidget*>(form::sharewareFee.qt()) != nullptr; };
        QVERIFY(!built());
        test::typeInto(control<QComboBox>(form::handling), QStringLiteral("シェアウェア "));
        QTest::keyClick(control<QComboBox>(form::category), 'A');
        QCOMPARE(test::itemsOf(control<QComboBox>(form::subcategory)), (QStringList { "x", "y" }));
        QVERIFY(!built());
        auto* pages = control<QTabWidget>(form::pages);
        if (byTabChange) {
            pages->setCurrentIndex(3);
            QVERIFY(built());
            QCOMPARE(pages->currentIndex(), 3);
            QVERIFY(pages->currentWidget()->isAncestorOf(control<QWidget>(form::preview)));
        } else {
            m_window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
            m_window->repaint();
            QCoreApplication::processEvents();
            QVERIFY(built());
            QCOMPARE(pages->currentIndex(), 0);
        }
        QCOMPARE(handlingKind(), QStringLiteral("3"));
    }

    void handlingKindChosen_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("kind");
        QTest::newRow("freeware") << 0 << "1";
        QTest::newRow("shareware") << 2 << "3";
        QTest::newRow("GPL") << 6 << "7";
        QTest::newRow("other") << 9 << "10";
    }

    void handlingKindChosen()
    {
        auto* handling = control<QComboBox>(form::handling);
        test::typeInto(handling, QStringLiteral("自作"));
        test::chooseItem(handling, 3);
        QCOMPARE(handlingKind(), QStringLiteral("4"));
        QFETCH(int, item);
        test::chooseItem(handling, item);
        QCOMPARE(handling->currentText(), handling->itemText(item));
        QTEST(handlingKind(), "kind");
        // Edited away from every item, the kind stays.
        test::typeInto(handling, QStringLiteral("X"));
        QTEST(handlingKind(), "kind");
    }

    // Setting the Handling text from a program step does not recompute the kind;
    // the restore recomputes it itself and hands it over with the entry.
    void writingTheEntryRunsNoHandlingChange()
    {
        tarvo::RegistrationEntry entry = m_window->entry().read();
        entry.handling = cp("シェアウェア");
        m_window->entry().write(entry);
        QCOMPARE(control<QComboBox>(form::handling)->currentText(), QStringLiteral("シェアウェア"));
        QCOMPARE(handlingKind(), QString());
        entry.handlingKind.recompute(cp("シェアウェア"));
        m_window->entry().write(entry);
        QCOMPARE(handlingKind(), QStringLiteral("3"));
    }

    // Every field written comes back as written, hidden follow-up texts and the
    // visibilities included.
    void entryRoundTrip()
    {
        tarvo::RegistrationEntry entry;
        entry.authorId = cp("山川 一郎 ");
        entry.submissionKind = 2;
        entry.originalLibraryNumber = "PS000001";
        entry.softwareName = cp("テスト");
        entry.headline = " ";
        entry.description = cp("一行目\r\n\r\n三行目\r\n");
        entry.archiveFileName = "t.lzh";
        entry.publicationFileName = "t.zip";
        entry.version = "1.0";
        entry.machine = cp("汎用");
        entry.supportedOs = { true, false, true, false, false, true };
        entry.otherOs = "NT3.51";
        entry.requiredSoftware = "VB";
        entry.handling = cp("その他");
        entry.handlingKind.recompute(cp("その他"));
        entry.category = "A";
        entry.subcategory = "x";
        entry.fileLocation = 1;
        entry.fileLocationOther = cp("隠れた所在");
        entry.printPermission = 1;
        entry.printRefusalReason = cp("β版");
        entry.webPermission = 0;
        entry.webRefusalReason = cp("隠れた理由");
        entry.notes = cp("特になし\r\n");
        entry.sharewareFee = "1000";
        entry.sharewareConditions = cp("条件\r\n");
        entry.bankRemittance = "bank";
        entry.postalRemittance = "post";
        entry.registeredProductNumber = "SR000001";
        entry.niftyRemittance = "nifty";
        entry.otherRemittance = "other";
        entry.visibility = { true, false, true, false };
        m_window->entry().write(entry);

        const tarvo::RegistrationEntry back = m_window->entry().read();
        QVERIFY(back.authorId == entry.authorId);
        QCOMPARE(back.submissionKind, 2);
        QVERIFY(back.originalLibraryNumber == entry.originalLibraryNumber);
        QVERIFY(back.softwareName == entry.softwareName);
        QVERIFY(back.headline == entry.headline);
        QCOMPARE(back.description.text(), entry.description.text());
        QVERIFY(back.archiveFileName == entry.archiveFileName);
        QVERIFY(back.publicationFileName == entry.publicationFileName);
        QVERIFY(back.version == entry.version);
        QVERIFY(back.machine == entry.machine);
        QCOMPARE(back.supportedOs, entry.supportedOs);
        QVERIFY(back.otherOs == entry.otherOs);
        QVERIFY(back.requiredSoftware == entry.requiredSoftware);
        QVERIFY(back.handling == entry.handling);
        QCOMPARE(back.handlingKind.text(), std::string("10"));
        QVERIFY(back.category == entry.category);
        QVERIFY(back.subcategory == entry.subcategory);
        QCOMPARE(back.fileLocation, 1);
        QVERIFY(back.fileLocationOther == entry.fileLocationOther);
        QCOMPARE(back.printPermission, 1);
        QVERIFY(back.printRefusalReason == entry.printRefusalReason);
        QCOMPARE(back.webPermission, 0);
        QVERIFY(back.webRefusalReason == entry.webRefusalReason);
        QCOMPARE(back.notes.text(), entry.notes.text());
        QVERIFY(back.sharewareFee == entry.sharewareFee);
        QCOMPARE(back.sharewareConditions.text(), entry.sharewareConditions.text());
        QVERIFY(back.bankRemittance == entry.bankRemittance);
        QVERIFY(back.postalRemittance == entry.postalRemittance);
        QVERIFY(back.registeredProductNumber == entry.registeredProductNumber);
        QVERIFY(back.niftyRemittance == entry.niftyRemittance);
        QVERIFY(back.otherRemittance == entry.otherRemittance);
        QVERIFY(back.visibility == entry.visibility);
        QVERIFY(control<QLabel>(form::originalLibraryNumberCaption)->isVisible());
        QVERIFY(!control<QLabel>(form::fileLocationOtherCaption)->isVisible());
        QCOMPARE(test::shownTexts(), QStringList());
    }

    void refusesWhatShiftJisCannotHold_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("incoming");
        QTest::addColumn<QString>("refused");
        const QString emoji = QStringLiteral("😀");
        const QString hangul = QStringLiteral("한");
        QTest::newRow("emoji typed into a one-line edit") << form::softwareName.qt() << "key" << emoji << emoji;
        QTest::newRow("emoji pasted into a one-line edit")
            << form::authorId.qt() << "paste" << ("ab" + emoji + "c") << emoji;
        QTest::newRow("hangul typed into a list field") << form::category.qt() << "key" << hangul << hangul;
        QTest::newRow("first of several pasted into a list field")
            << form::handling.qt() << "paste" << ("x" + hangul + emoji) << hangul;
        QTest::newRow("emoji typed into a memo") << form::description.qt() << "key" << emoji << emoji;
        QTest::newRow("hangul pasted into a memo") << form::notes.qt() << "paste" << ("一\n" + hangul) << hangul;
        QTest::newRow("emoji pasted into the preview") << form::preview.qt() << "paste" << emoji << emoji;
        QTest::newRow("emoji typed into a shareware field") << form::otherRemittance.qt() << "key" << emoji << emoji;
    }

    // The control keeps the text it had, and one plain box names the character.
    void refusesWhatShiftJisCannotHold()
    {
        QFETCH(QString, control);
        QFETCH(QString, how);
        QFETCH(QString, incoming);
        QWidget* target = m_window->findChild<QWidget*>(control);
        QVERIFY(target);
        if (auto* combo = qobject_cast<QComboBox*>(target))
            target = combo->lineEdit();
        const auto textOf = [target] {
            if (auto* memo = qobject_cast<QPlainTextEdit*>(target))
                return memo->toPlainText();
            return qobject_cast<QLineEdit*>(target)->text();
        };
        test::typeInto(target, QStringLiteral("前"));
        if (how == QLatin1String("key"))
            test::sendCharacter(target, incoming);
        else
            test::pasteInto(target, incoming);
        QCOMPARE(textOf(), QStringLiteral("前"));
        QFETCH(QString, refused);
        QTRY_COMPARE(test::shownTexts(),
            QStringList { QStringLiteral("「%1」はShift-JISで表せないため使えません。").arg(refused) });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Message);
        test::typeInto(target, QStringLiteral("後"));
        QCOMPARE(textOf(), QStringLiteral("前後"));
    }

    // The fee field follows its own digit filter, not this rule.
    void feeFieldIsLeftToItsFilter()
    {
        test::sendCharacter(control<QLineEdit>(form::sharewareFee), QStringLiteral("😀"));
        QCoreApplication::processEvents();
        for (const QString& text : test::shownTexts())
            QVERIFY(!text.contains(QStringLiteral("Shift-JISで表せない")));
    }

    void acceptsWhatShiftJisHolds()
    {
        const QString text = QStringLiteral("～〜ｱ①Ⅸ髙");
        test::pasteInto(control<QLineEdit>(form::softwareName), text);
        QCOMPARE(control<QLineEdit>(form::softwareName)->text(), text);
        QCOMPARE(test::shownTexts(), QStringList());
    }

    void longPastesArriveWhole_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        const QString words = QStringLiteral("日本語のテキストとASCII text 123、。").repeated(1600);
        QTest::newRow("edit") << form::softwareName.qt() << words;
        QTest::newRow("list field") << form::category.qt() << words;
        QTest::newRow("fee field") << form::sharewareFee.qt() << QStringLiteral("1234567890").repeated(4000);
    }

    // One-line fields have no length limit, as the memos have none.
    void longPastesArriveWhole()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QWidget* target = m_window->findChild<QWidget*>(control);
        auto* edit = qobject_cast<QLineEdit*>(target);
        if (auto* combo = qobject_cast<QComboBox*>(target))
            edit = combo->lineEdit();
        test::pasteInto(edit, text);
        QCOMPARE(edit->text(), text);
        QCOMPARE(test::shownTexts(), QStringList());
    }

    // A box names the character of the edit it refuses, once; what else the line
    // edit turns away (here a cut at a length limit) shows none.
    void refusalNamesOnlyItsOwnCharacter()
    {
        auto* edit = control<QLineEdit>(form::headline);
        const QString emoji = QStringLiteral("😀");
        const QString words = QStringLiteral("長い文章。").repeated(8000);
        test::sendCharacter(edit, emoji);
        test::pasteInto(edit, words);
        edit->clear();
        edit->setMaxLength(3);
        test::pasteInto(edit, QStringLiteral("あいうえお"));
        QCOMPARE(edit->text(), QStringLiteral("あいう"));
        QCOMPARE(test::shownTexts(),
            QStringList { QStringLiteral("「%1」はShift-JISで表せないため使えません。").arg(emoji) });
    }

    void oneLineFieldsDropPastedLineBreaks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("edit") << form::headline.qt();
        QTest::newRow("follow-up edit") << form::printRefusalReason.qt();
        QTest::newRow("list field") << form::machine.qt();
    }

    void oneLineFieldsDropPastedLineBreaks()
    {
        QFETCH(QString, control);
        QWidget* target = m_window->findChild<QWidget*>(control);
        auto* edit = qobject_cast<QLineEdit*>(target);
        if (auto* combo = qobject_cast<QComboBox*>(target))
            edit = combo->lineEdit();
        test::typeInto(edit, QStringLiteral("前"));
        test::pasteInto(edit, QStringLiteral("一行\r\n二行\n三行\r"));
        test::typeInto(edit, QStringLiteral("後"));
        QCOMPARE(edit->text(), QStringLiteral("前一行二行三行後"));
        QCOMPARE(test::shownTexts(), QStringList());
    }

    void memosKeepPastedLineBreaks()
    {
        test::pasteInto(control<QPlainTextEdit>(form::description), QStringLiteral("一行\r\n二行\n"));
        QCOMPARE(m_window->entry().read().description.text(), cp("一行\r\n二行\r\n"));
    }
};

QTEST_MAIN(TestEntryWindow)
#include "TestEntryWindow.moc"
