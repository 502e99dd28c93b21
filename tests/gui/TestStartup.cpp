#include "GuiTestSupport.h"

#include "WidgetLookup.h"
#include "gui/EntryBinding.h"
#include "gui/FormNames.h"
#include "gui/LoadDialog.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"

#include "core/files/FileIo.h"
#include "core/files/NativePath.h"
#include "core/guidance/FieldHelp.h"
#include "core/guidance/WebLinks.h"
#include "core/settings/StartDirectory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <memory>

using namespace tarvo::gui;
using test::sj;
using test::StartFolder;

namespace {

const QByteArray kCatalogue = sj("#ユーティリティ\r\nファイル管理\r\n圧縮\r\n#ゲーム\r\nパズル\r\n");
const QByteArray kSettings = sj("#山川 一郎\r\n");
// The byte 0x5C of a Japanese text is shown as the yen sign it means.
const QByteArray kGuide = sj("書き方ガイド\r\n料金は\\500から\r\n");
const QString kCloseQuestion = QStringLiteral("保存できないまま終了しますか？");

// The form's names as the design spells them, beside the constant that the
// code and every other test use: spelled out here, and only here, so that a
// typo in FormNames.h shows.
struct DeclaredName {
    const char* design;
    const char* declared;
};

using tarvo::HelpTopic;
using tarvo::LinkId;

const DeclaredName kMainWindowNames[] = {
    { "PageControl1", form::pages },
    // "共通（フリー/シェア）"
    { "Edit19", form::authorId },
    { "RadioGroup6", form::submissionKind },
    { "Label39", form::originalLibraryNumberCaption },
    { "Edit20", form::originalLibraryNumber },
    { "Edit21", form::softwareName },
    { "Panel1", form::loadPanel },
    { "Edit22", form::headline },
    { "Panel11", form::helpPanel(HelpTopic::Headline) },
    { "Memo3", form::description },
    { "Panel10", form::sizePanel },
    { "Label5", form::descriptionNote },
    { "Edit23", form::archiveFileName },
    { "Panel12", form::helpPanel(HelpTopic::ArchiveFileName) },
    { "Edit24", form::publicationFileName },
    { "Panel13", form::helpPanel(HelpTopic::PublicationFileName) },
    { "Edit25", form::version },
    { "ComboBox1", form::machine },
    { "Panel14", form::helpPanel(HelpTopic::Machine) },
    { "CheckBox6", form::operatingSystems[0] },
    { "CheckBox7", form::operatingSystems[1] },
    { "CheckBox8", form::operatingSystems[2] },
    { "CheckBox1", form::operatingSystems[3] },
    { "CheckBox9", form::operatingSystems[4] },
    { "CheckBox2", form::operatingSystems[5] },
    { "Edit27", form::otherOs },
    { "Edit28", form::requiredSoftware },
    { "ComboBox4", form::handling },
    { "ComboBox2", form::category },
    { "ComboBox3", form::subcategory },
    { "RadioGroup8", form::fileLocation },
    { "Label52", form::fileLocationOtherCaption },
    { "Edit29", form::fileLocationOther },
    { "RadioGroup9", form::printPermission },
    { "Label2", form::printRefusalCaption },
    { "Edit1", form::printRefusalReason },
    { "RadioGroup10", form::webPermission },
    { "Label3", form::webRefusalCaption },
    { "Edit2", form::webRefusalReason },
    { "Memo4", form::notes },
    { "Panel15", form::helpPanel(HelpTopic::Notes) },
    { "Button2", form::previewButton },
    { "Label6", form::previewNote },
    // "シェアウェアの場合"
    { "Edit30", form::sharewareFee },
    { "Panel3", form::helpPanel(HelpTopic::SharewareFee) },
    { "Memo8", form::sharewareConditions },
    { "Panel4", form::helpPanel(HelpTopic::SharewareConditions) },
    { "Edit32", form::bankRemittance },
    { "Panel5", form::helpPanel(HelpTopic::BankRemittance) },
    { "Edit33", form::postalRemittance },
    { "Panel8", form::helpPanel(HelpTopic::PostalRemittance) },
    { "Edit34", form::registeredProductNumber },
    { "Panel7", form::helpPanel(HelpTopic::RegisteredProductNumber) },
    { "Edit35", form::niftyRemittance },
    { "Panel6", form::helpPanel(HelpTopic::NiftyRemittance) },
    { "Edit36", form::otherRemittance },
    { "Panel9", form::helpPanel(HelpTopic::OtherRemittance) },
    { "Button3", form::calculateButton },
    { "Memo6", form::userStatement },
    { "Memo7", form::authorStatement },
    { "FeeNote1", form::feeNotes[0] },
    { "FeeNote2", form::feeNotes[1] },
    { "HelpNote1", form::helpNotes[0] },
    { "HelpNote2", form::helpNotes[1] },
    { "HelpNote3", form::helpNotes[2] },
    // "書き方のヘルプ / インターネット"
    { "Panel2", form::aboutPanel },
    { "Label73", form::link(LinkId::HomePageInAbout) },
    { "Image1", form::link(LinkId::HomePageBanner) },
    { "Label77", form::link(LinkId::OfficialSite) },
    { "Label90", form::link(LinkId::ReplaceSubmission) },
    { "Label91", form::link(LinkId::AuthorRegistration) },
    { "Label92", form::link(LinkId::AuthorPassword) },
    { "Label93", form::link(LinkId::SharewareRegistration) },
    { "Label94", form::link(LinkId::SharewareAuthorInfo) },
    { "Memo9", form::helpText },
    // "プレビュー"
    { "Label7", form::previewInstruction },
    { "Memo1", form::preview },
    { "Button1", form::saveButton },
    { "RadioGroup1", form::wrapChoice },
    { "Label9", form::folderNote },
    { "DriveComboBox1", form::drives },
    { "Image2", form::desktopButton },
    { "DirectoryListBox1", form::folders },
    { "Label8", form::folderLabel },
};

const DeclaredName kLoadDialogNames[] = {
    { "Button1", form::loadButton },
    { "Button2", form::cancelButton },
    { "ListBox1", form::backupList },
};

struct Started {
    QStringList categories;
    QString category;
    QString author;
    QString folderLabel;
    QString guide;
    QStringList boxes;
};

Started startIn(const StartFolder& folder, std::unique_ptr<MainWindow>& window)
{
    Q_UNUSED(folder);
    test::answerEveryBox();
    MessageBox::clearShown();
    window = std::make_unique<MainWindow>();
    window->ensurePagesBuilt();
    Started seen;
    seen.categories = test::itemsOf(requireChild<QComboBox>(window.get(), form::category));
    seen.category = requireChild<QComboBox>(window.get(), form::category)->currentText();
    seen.author = requireChild<QLineEdit>(window.get(), form::authorId)->text();
    seen.folderLabel = requireChild<QLabel>(window.get(), form::folderLabel)->text();
    seen.guide = requireChild<QPlainTextEdit>(window.get(), form::helpText)->toPlainText();
    seen.boxes = test::shownTexts();
    return seen;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        MessageBox::clearNextAnswers();
        tarvo::setWriteFaultHookForTesting({});
    }

    void windowAsItOpens()
    {
        StartFolder folder;
        std::unique_ptr<MainWindow> window;
        startIn(folder, window);
        QCOMPARE(window->objectName(), QStringLiteral("TForm1"));
        QCOMPARE(form::mainWindow.qt(), QStringLiteral("TForm1"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarvo Registration System"));
        QCOMPARE(window->size(), QSize(781, 442));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        auto* pages = requireChild<QTabWidget>(window.get(), "PageControl1");
        QCOMPARE(pages->count(), 4);
        QCOMPARE(pages->tabText(0), QStringLiteral("共通（フリー/シェア）"));
        QCOMPARE(pages->tabText(1), QStringLiteral("シェアウェアの場合"));
        QCOMPARE(pages->tabText(2), QStringLiteral("書き方のヘルプ / インターネット"));
        QCOMPARE(pages->tabText(3), QStringLiteral("プレビュー"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(pages->currentIndex(), 0);

        // Every control of the form under its form name; the hidden working
        // fields are data, not widgets.
        for (const DeclaredName& name : kMainWindowNames) {
            QCOMPARE(QString::fromLatin1(name.declared), QString::fromLatin1(name.design));
            QVERIFY2(window->findChildren<QWidget*>(name.design).size() == 1, name.design);
        }
        for (const char* name : { "Memo2", "Memo5", "Label4", "FileListBox1" })
            QVERIFY2(!window->findChild<QObject*>(name), name);
        // The load dialog is a window of its own.
        QCOMPARE(window->loadDialog().objectName(), QStringLiteral("TForm2"));
        QCOMPARE(form::loadDialog.qt(), QStringLiteral("TForm2"));
        for (const DeclaredName& name : kLoadDialogNames) {
            QCOMPARE(QString::fromLatin1(name.declared), QString::fromLatin1(name.design));
            QVERIFY2(window->loadDialog().findChildren<QWidget*>(name.design).size() == 1, name.design);
        }

        // The lists and the names by topic or link hold none beyond the table.
        const auto inTable = [](const char* declared) {
            return std::any_of(std::begin(kMainWindowNames), std::end(kMainWindowNames),
                [declared](const DeclaredName& name) { return qstrcmp(name.declared, declared) == 0; });
        };
        for (const tarvo::FieldHelp& help : tarvo::fieldHelpTexts())
            QVERIFY2(inTable(form::helpPanel(help.topic)), form::helpPanel(help.topic));
        for (const tarvo::WebLink& link : tarvo::webLinks())
            QVERIFY2(inTable(form::link(link.id)), form::link(link.id));
        for (const char* name : form::operatingSystems)
            QVERIFY2(inTable(name), name);
        for (const char* name : form::feeNotes)
            QVERIFY2(inTable(name), name);
        for (const char* name : form::helpNotes)
            QVERIFY2(inTable(name), name);
    }

    void startsWithEveryDataFile()
    {
        StartFolder folder;
        folder.write("category.dat", kCatalogue);
        folder.write("setting.dat", kSettings);
        folder.write("tarvo.dat", kGuide);
        std::unique_ptr<MainWindow> window;
        const Started seen = startIn(folder, window);

        QCOMPARE(seen.boxes, QStringList());
        QCOMPARE(seen.categories, (QStringList { "ユーティリティ", "ゲーム" }));
        QCOMPARE(seen.category, QString());
        QCOMPARE(requireChild<QComboBox>(window.get(), form::subcategory)->count(), 0);
        QCOMPARE(seen.author, QStringLiteral("山川 一郎"));
        QCOMPARE(seen.folderLabel, test::shown(folder.path()));
        QCOMPARE(seen.guide, QStringLiteral("書き方ガイド\n料金は¥500から\n"));
        QVERIFY(requireChild<QPlainTextEdit>(window.get(), form::helpText)->isReadOnly());
        QCOMPARE(
            QString::fromStdString(tarvo::displayText(window->startDirectory())), test::shown(folder.path() + "/"));
    }

    void startupFailures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("catalogueLoaded");
        QTest::addColumn<QString>("author");
        QTest::addColumn<bool>("folderShown");
        QTest::addColumn<QString>("guide");

        const QString guide = QStringLiteral("書き方ガイド\n料金は¥500から\n");
        const QString author = QStringLiteral("山川 一郎");
        const QStringList openCategory { QStringLiteral("ファイル category.dat は開けません.") };
        // A missing catalogue ends the sequence: no author, folder or guide.
        QTest::newRow("no category.dat") << "no-category" << openCategory << false << QString() << false << QString();
        QTest::newRow("category.dat is a folder")
            << "category-folder" << openCategory << false << QString() << false << QString();
        QTest::newRow("category.dat unreadable")
            << "category-unreadable" << openCategory << false << QString() << false << QString();
        QTest::newRow("no setting.dat") << "no-setting" << QStringList() << true << QString() << true << guide;
        QTest::newRow("setting.dat is a folder")
            << "setting-folder" << QStringList() << true << QString() << true << guide;
        QTest::newRow("setting.dat unreadable")
            << "setting-unreadable" << QStringList { QStringLiteral("ファイル setting.dat は開けません.") } << true
            << QString() << false << QString();
        QTest::newRow("no tarvo.dat") << "no-guide" << QStringList() << true << author << true << QString();
        QTest::newRow("tarvo.dat is a folder")
            << "guide-folder" << QStringList() << true << author << true << QString();
        QTest::newRow("tarvo.dat unreadable")
            << "guide-unreadable" << QStringList { QStringLiteral("ファイル tarvo.dat は開けません.") } << true
            << author << true << QString();
    }

    void startupFailures()
    {
        QFETCH(QString, setup);
        StartFolder folder;
        const auto place = [&](const char* name, const QByteArray& bytes, const QString& prefix) {
            if (setup == prefix + "-folder")
                folder.makeFolder(name);
            else if (setup == prefix + "-unreadable") {
                if (!folder.makeUnreadable(name))
                    QSKIP("no unreadable file can be made here");
            } else if (setup != "no-" + prefix)
                folder.write(name, bytes);
        };
        place("category.dat", kCatalogue, "category");
        place("setting.dat", kSettings, "setting");
        place("tarvo.dat", kGuide, "guide");

        std::unique_ptr<MainWindow> window;
        const Started seen = startIn(folder, window);
        QTEST(seen.boxes, "boxes");
        QFETCH(bool, catalogueLoaded);
        QCOMPARE(seen.categories.size(), catalogueLoaded ? 2 : 0);
        QTEST(seen.author, "author");
        QFETCH(bool, folderShown);
        QCOMPARE(seen.folderLabel, folderShown ? test::shown(folder.path()) : QString());
        QTEST(seen.guide, "guide");
        // Recorded first, whatever fails after it.
        QCOMPARE(
            QString::fromStdString(tarvo::displayText(window->startDirectory())), test::shown(folder.path() + "/"));
    }

    void settingsLineKeepsBlanksAndDropsItsFirstCharacter_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("author");
        QTest::newRow("blanks kept") << sj("#  山川  \r\n") << QStringLiteral("  山川  ");
        QTest::newRow("no leading #") << sj("PA000123\r\n") << QStringLiteral("A000123");
        QTest::newRow("# alone") << QByteArray("#\r\n") << QString();
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("later lines ignored") << sj("#一\r\n#二\r\n") << QStringLiteral("一");
    }

    void settingsLineKeepsBlanksAndDropsItsFirstCharacter()
    {
        StartFolder folder;
        folder.write("category.dat", kCatalogue);
        QFETCH(QByteArray, file);
        folder.write("setting.dat", file);
        std::unique_ptr<MainWindow> window;
        QTEST(startIn(folder, window).author, "author");
    }

    void closeWritesTheAuthorLine_data()
    {
        QTest::addColumn<QString>("author");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty author: three bytes") << QString() << QByteArray("#\r\n");
        QTest::newRow("blanks kept") << QStringLiteral(" 山川 一郎 ") << sj("# 山川 一郎 \r\n");
        QTest::newRow("library number") << QStringLiteral("PA012345") << QByteArray("#PA012345\r\n");
    }

    void closeWritesTheAuthorLine()
    {
        StartFolder folder;
        folder.write("category.dat", kCatalogue);
        folder.write("setting.dat", sj("#以前の作者\r\n"));
        std::unique_ptr<MainWindow> window;
        startIn(folder, window);
        window->show();
        auto* field = requireChild<QLineEdit>(window.get(), form::authorId);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QFETCH(QString, author);
        test::typeInto(field, author);
        QVERIFY(window->close());
        QTEST(folder.read("setting.dat"), "file");
        QCOMPARE(test::shownTexts(), QStringList());
    }

    // Started by the installed launcher, the text is first saved in the folder
    // it names (the documents); the start folder's files stay where they are.
    // A named folder that has gone leaves the start folder.
    void launcherNamesTheSaveFolder()
    {
        for (const QString& named : { QStringLiteral("documents"), QStringLiteral("gone") }) {
            StartFolder folder;
            folder.write("category.dat", kCatalogue);
            folder.write("setting.dat", kSettings);
            folder.makeFolder("documents");
            const test::EnvironmentOverride launcher(tarvo::kSaveFolderVariable, folder.filePath(named));
            std::unique_ptr<MainWindow> window;
            const Started seen = startIn(folder, window);
            QCOMPARE(seen.author, QStringLiteral("山川 一郎"));
            QCOMPARE(seen.folderLabel, test::shown(folder.exists(named) ? folder.filePath(named) : folder.path()));
            QVERIFY(window->close());
            QCOMPARE(folder.read("setting.dat"), kSettings);
            QVERIFY(!folder.exists("documents/setting.dat"));
        }
    }

    // The settings file goes where the next start reads it, wherever the
    // current directory has moved; a read-only folder there does not matter.
    void closeWritesIntoTheStartFolder()
    {
        StartFolder folder;
        folder.write("category.dat", kCatalogue);
        folder.makeFolder("out");
        std::unique_ptr<MainWindow> window;
        startIn(folder, window);
        window->show();
        QVERIFY(QDir::setCurrent(folder.filePath("out")));
        QVERIFY(QFile::setPermissions(folder.filePath("out"), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(window->close());
        QCOMPARE(test::shownTexts(), QStringList());
        QVERIFY(!folder.exists("out/setting.dat"));
        QCOMPARE(folder.read("setting.dat"), QByteArray("#\r\n"));
    }

    void closeIsRefusedUntilTheFileCanBeWritten()
    {
        StartFolder folder;
        folder.write("category.dat", kCatalogue);
        folder.write("setting.dat", sj("#前\r\n"));
        std::unique_ptr<MainWindow> window;
        startIn(folder, window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // A restored text shows from its start; the author types at its end.
        auto* author = requireChild<QLineEdit>(window.get(), form::authorId);
        QCOMPARE(author->cursorPosition(), 0);
        author->end(false);
        test::typeInto(author, QStringLiteral("後"));

        // The draft's message comes between them unless its second of quiet has passed.
        folder.setReadOnly(true);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(test::shownTexts().front(), QStringLiteral("ファイル setting.dat を作成できません."));
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
        QCOMPARE(test::shownTexts().back(), kCloseQuestion);
        QCOMPARE(folder.read("setting.dat"), sj("#前\r\n"));
        const qsizetype boxesOfAClose = MessageBox::shown().size();
        QVERIFY(!window->close());
        QCOMPARE(MessageBox::shown().size(), 2 * boxesOfAClose);

        folder.setReadOnly(false);
        QVERIFY(window->close());
        QCOMPARE(folder.read("setting.dat"), sj("#前後\r\n"));
        QCOMPARE(MessageBox::shown().size(), 2 * boxesOfAClose);
    }

    void closeIsRefusedOnAFullDisk()
    {
        StartFolder folder;
        folder.write("category.dat", kCatalogue);
        std::unique_ptr<MainWindow> window;
        startIn(folder, window);
        window->show();
        tarvo::setWriteFaultHookForTesting(
            [](tarvo::WriteStep step) { return step == tarvo::WriteStep::Write ? ENOSPC : 0; });
        QVERIFY(!window->close());
        QCOMPARE(test::shownTexts(),
            QStringList({ QStringLiteral("ファイル setting.dat を作成できません."), kCloseQuestion }));
        QVERIFY(!folder.exists("setting.dat"));
        tarvo::setWriteFaultHookForTesting({});
        QVERIFY(window->close());
        QCOMPARE(folder.read("setting.dat"), QByteArray("#\r\n"));
    }
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
