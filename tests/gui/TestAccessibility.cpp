// The window as assistive technology sees it: every field named by its caption,
// the clickable panels as buttons and the links as links, each named by what it
// does, and the main window announced as a window.

#include "GuiTestSupport.h"

#include "gui/FormNames.h"
#include "gui/LoadDialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <set>

using namespace tarvo;
using namespace tarvo::gui;

namespace {

QAccessibleInterface* accessibleOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowUnderTest> m_ui;

    QAccessibleInterface* accessible(const char* name) const { return accessibleOf(m_ui->control<QWidget>(name)); }

private slots:
    void init() { m_ui = std::make_unique<test::WindowUnderTest>(); }
    void cleanup() { m_ui.reset(); }

    void fieldsAreNamedByTheirCaptions_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        const std::pair<const char*, const char*> fields[] = {
            { form::authorId, "★作者名、或いはライブラリ作者番号（PA～）" },
            { form::originalLibraryNumber, "●新規以外の場合は元のライブラリ番号（PS～）" },
            { form::softwareName, "★ソフト名称" },
            { form::headline, "●1行見出し(ソフトの簡単な説明1行だけ)" },
            { form::description, "●内容説明(1KB[全角で500文字]程度)" },
            { form::archiveFileName, "★アーカイブファイルの名前" },
            { form::publicationFileName, "●インターネット・書籍公開用ファイル名" },
            { form::version, "●バージョン" },
            { form::machine, "●動作可能機種" },
            { form::otherOs, "※その他（WindowsNT3.51以上なども）" },
            { form::requiredSoftware, "●OS、配布ファイル以外に必要なソフト" },
            { form::handling, "★ソフトウェアの取り扱い" },
            { form::category, "●希望掲載ディレクトリ" },
            { form::subcategory, "●希望掲載ディレクトリ（第2階層）" },
            { form::fileLocationOther, "※その他（ファイルURLがあるならフルパスで）" },
            { form::printRefusalReason, "理由：" },
            { form::webRefusalReason, "理由：" },
            { form::notes, "●その他、弊社への連絡事項" },
            { form::sharewareFee, "★シェアウェア料金" },
            { form::sharewareConditions, "★シェアウェア利用条件/制限" },
            { form::bankRemittance, "●銀行送金方法（空欄でも可）" },
            { form::postalRemittance, "●郵便振替送金方法（空欄でも可）" },
            { form::registeredProductNumber, "★レジ作品番号（SR～）" },
            { form::niftyRemittance, "●Nifty送金方法（シェアウェア番号：空欄可）" },
            { form::otherRemittance, "●その他の送金方法(現金書留など、空欄可)" },
            { form::userStatement, "利用者に請求される金額" },
            { form::authorStatement, "作者の方に支払われる金額" },
            { form::helpText, "●より詳しい書き方を確かめたい方はこちらをお読み下さい。●" },
            { form::preview, "プレビュー" },
            { form::folders, "保存するディレクトリ" },
            { form::submissionKind, "★新規ですか？それ以外ですか？" },
            { form::fileLocation, "★ファイルの所在" },
            { form::printPermission, "●弊社出版物への掲載許諾" },
            { form::webPermission, "●弊社インターネットサイトでの公開許諾" },
            { form::wrapChoice, "この編集画面を右端で折り返す？" },
            { form::drives, "保存するドライブ" },
        };
        for (const auto& [field, name] : fields)
            QTest::newRow(field) << QString::fromLatin1(field) << QString::fromUtf8(name);
    }

    void fieldsAreNamedByTheirCaptions()
    {
        QFETCH(QString, field);
        QAccessibleInterface* control = accessible(field.toLatin1().constData());
        QVERIFY(control);
        // What a list holds is its value, not its name.
        if (auto* combo = qobject_cast<QComboBox*>(control->object()); combo && combo->isEditable())
            combo->setEditText(QStringLiteral("汎用"));
        QTEST(control->text(QAccessible::Name), "name");
    }

    // A list that cannot be typed into is named for what it is, read by its
    // value (the chosen drive), and labelled by the instruction above it.
    void driveListIsLabelledByTheInstruction()
    {
        const auto labels = accessible(form::drives)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->text(QAccessible::Name),
            QStringLiteral("▼保存するディレクトリを選んで下さい。何もしないとカレントディレクトリに作成されます。"));
    }

    void groupsListsAndTextsAreNamedForTheReader()
    {
        QCOMPARE(accessibleOf(&m_ui->window())->role(), QAccessible::Window);
        QAccessibleInterface* group = accessible(form::operatingSystems[5])->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), QStringLiteral("●動作可能OS"));
        QWidget* backups = requireChild<QWidget>(&m_ui->window().loadDialog(), form::backupList);
        QCOMPARE(accessibleOf(backups)->text(QAccessible::Name), QStringLiteral("バックアップ一覧"));
        // The yen sign on screen, whatever the font; a reader says it too.
        const QList<QLabel*> labels = m_ui->window().findChildren<QLabel*>();
        const auto range = std::find_if(labels.cbegin(), labels.cend(),
            [](const QLabel* label) { return label->text() == QStringLiteral("（¥500～¥15000）"); });
        QVERIFY(range != labels.cend());
        QCOMPARE(accessibleOf(*range)->text(QAccessible::Name), QStringLiteral("（￥500～￥15000）"));
    }

    // A list keeps Qt's parts: the edit and the action that opens the list.
    void listsKeepTheirParts()
    {
        auto* combo = m_ui->control<QComboBox>(form::machine);
        QCOMPARE(accessibleOf(combo)->child(1)->object(), combo->lineEdit());
        accessibleOf(combo)->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY_WITH_TIMEOUT(combo->view()->isVisible(), 5000);
    }

    // The two reasons share their caption; what each belongs to tells them apart.
    void theTwoReasonsAreToldApart()
    {
        QCOMPARE(accessible(form::printRefusalReason)->text(QAccessible::Description),
            QStringLiteral("●弊社出版物への掲載許諾"));
        QCOMPARE(accessible(form::webRefusalReason)->text(QAccessible::Description),
            QStringLiteral("●弊社インターネットサイトでの公開許諾"));
    }

    void panelsAreButtonsNamedForWhatTheyDo()
    {
        std::set<QString> names;
        QStringList panels { form::loadPanel.qt(), form::sizePanel.qt() };
        for (int topic = 0; topic < kHelpTopicCount; ++topic)
            panels << form::helpPanel(HelpTopic(topic)).qt();
        for (const QString& panel : panels) {
            QAccessibleInterface* button = accessible(panel.toLatin1().constData());
            QCOMPARE(button->role(), QAccessible::Button);
            QVERIFY(button->actionInterface());
            QCOMPARE(
                button->actionInterface()->actionNames(), QStringList { QAccessibleActionInterface::pressAction() });
            const QString name = button->text(QAccessible::Name);
            QVERIFY2(name != QStringLiteral("?") && !name.isEmpty(), qPrintable(panel));
            QVERIFY2(names.insert(name).second, qPrintable(name));
        }
        QCOMPARE(accessible(form::helpPanel(HelpTopic::Headline))->text(QAccessible::Name),
            QStringLiteral("「1行見出し」の説明"));
        QCOMPARE(accessible(form::loadPanel)->text(QAccessible::Name), QStringLiteral("バックアップを読み込む"));
        QCOMPARE(accessible(form::sizePanel)->text(QAccessible::Name), QStringLiteral("内容説明のバイト数を数える"));
    }

    // Pressing through assistive technology does what a click does.
    void pressActionShowsTheHelp()
    {
        accessible(form::helpPanel(HelpTopic::OtherRemittance))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("これも同様です。") });
    }

    void linksAndPicturesAreNamed()
    {
        for (const WebLink& link : webLinks()) {
            QWidget* widget = m_ui->control<QWidget>(form::link(link.id));
            QAccessibleInterface* control = accessibleOf(widget);
            QVERIFY2(control->role() == QAccessible::Link, form::link(link.id));
            if (link.id == LinkId::HomePageInAbout)
                QCOMPARE(control->text(QAccessible::Name), qobject_cast<QLabel*>(widget)->text());
            // A site link is named and labelled by its lead-in, which says what
            // it is for; its address is its description.
            const auto labels = control->relations(QAccessible::Label);
            if (link.endpoint != LinkEndpoint::HomePage) {
                const QString leadIn = QString::fromUtf8(link.leadIn.data(), qsizetype(link.leadIn.size()));
                QVERIFY(labels.size() == 1 && labels.front().first->text(QAccessible::Name) == leadIn);
                QCOMPARE(control->text(QAccessible::Name), leadIn);
                QCOMPARE(control->text(QAccessible::Description), QString::fromStdString(link.url()));
            }
        }
        QCOMPARE(accessible(form::link(LinkId::HomePageBanner))->text(QAccessible::Name),
            QStringLiteral("Velmo Studio のホームページ"));
        QCOMPARE(accessible(form::desktopButton)->role(), QAccessible::Button);
        QCOMPARE(accessible(form::desktopButton)->text(QAccessible::Name), QStringLiteral("デスクトップ"));
    }

    void mainWindowIsAWindow() { QCOMPARE(accessibleOf(&m_ui->window())->role(), QAccessible::Window); }
};

QTEST_MAIN(TestAccessibility)
#include "TestAccessibility.moc"
