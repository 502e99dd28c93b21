#include "GuiTestSupport.h"

#include "EntryBinding.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "WidgetLookup.h"

#include "files/FileIo.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <cerrno>
#include <memory>

using namespace tarvo::gui;
using test::sj;
using test::StartFolder;

namespace {

const QByteArray kCatalogue = sj("#ユーティリティ\r\nファイル管理\r\n圧縮\r\n#ゲーム\r\nパズル\r\n");
const QByteArray kSettings = sj("#山川 一郎\r\n");
const QByteArray kGuide = sj("書き方ガイド\r\n二行目\r\n");

QStringList itemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

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
    Started seen;
    seen.categories = itemsOf(requireChild<QComboBox>(window.get(), "ComboBox2"));
    seen.category = requireChild<QComboBox>(window.get(), "ComboBox2")->currentText();
    seen.author = requireChild<QLineEdit>(window.get(), "Edit19")->text();
    seen.folderLabel = requireChild<QLabel>(window.get(), "Label8")->text();
    seen.guide = requireChild<QPlainTextEdit>(window.get(), "Memo9")->toPlainText();
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
        QStringList names { "Edit1", "Edit2", "Edit27", "Edit28", "Edit29", "Edit30", "Memo1", "Memo3", "Memo4",
            "Memo6", "Memo7", "Memo8", "Memo9", "Label2", "Label3", "Label5", "Label6", "Label7", "Label8", "Label9",
            "Label39", "Label52", "Label73", "Label77", "Image1", "Image2", "Button1", "Button2", "Button3",
            "RadioGroup1", "RadioGroup6", "RadioGroup8", "RadioGroup9", "RadioGroup10", "DriveComboBox1",
            "DirectoryListBox1" };
        for (int n : { 19, 20, 21, 22, 23, 24, 25, 32, 33, 34, 35, 36 })
            names << QStringLiteral("Edit%1").arg(n);
        for (int n : { 1, 2, 6, 7, 8, 9 })
            names << QStringLiteral("CheckBox%1").arg(n);
        for (int n = 1; n <= 4; ++n)
            names << QStringLiteral("ComboBox%1").arg(n);
        for (int n = 1; n <= 15; ++n)
            names << QStringLiteral("Panel%1").arg(n);
        for (int n = 90; n <= 94; ++n)
            names << QStringLiteral("Label%1").arg(n);
        for (const QString& name : names)
            QVERIFY2(window->findChildren<QWidget*>(name).size() == 1, qPrintable(name));
        for (const char* name : { "Memo2", "Memo5", "Label4", "FileListBox1" })
            QVERIFY2(!window->findChild<QObject*>(name), name);
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
        QCOMPARE(requireChild<QComboBox>(window.get(), "ComboBox3")->count(), 0);
        QCOMPARE(seen.author, QStringLiteral("山川 一郎"));
        QCOMPARE(seen.folderLabel, folder.path());
        QCOMPARE(seen.guide, QStringLiteral("書き方ガイド\n二行目\n"));
        QVERIFY(requireChild<QPlainTextEdit>(window.get(), "Memo9")->isReadOnly());
        QCOMPARE(QString::fromStdString(window->startDirectory()), folder.path() + "/");
    }

    void startupFailures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("catalogueLoaded");
        QTest::addColumn<QString>("author");
        QTest::addColumn<bool>("folderShown");
        QTest::addColumn<QString>("guide");

        const QString guide = QStringLiteral("書き方ガイド\n二行目\n");
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
        QCOMPARE(seen.folderLabel, folderShown ? folder.path() : QString());
        QTEST(seen.guide, "guide");
        // Recorded first, whatever fails after it.
        QCOMPARE(QString::fromStdString(window->startDirectory()), folder.path() + "/");
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
        auto* field = requireChild<QLineEdit>(window.get(), "Edit19");
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QFETCH(QString, author);
        test::typeInto(field, author);
        QVERIFY(window->close());
        QTEST(folder.read("setting.dat"), "file");
        QCOMPARE(test::shownTexts(), QStringList());
    }

    // The settings file follows the current directory of the moment, not the
    // start folder.
    void closeWritesIntoTheCurrentDirectory()
    {
        StartFolder folder;
        folder.write("category.dat", kCatalogue);
        folder.makeFolder("out");
        std::unique_ptr<MainWindow> window;
        startIn(folder, window);
        window->show();
        QVERIFY(QDir::setCurrent(folder.filePath("out")));
        QVERIFY(window->close());
        QVERIFY(!folder.exists("setting.dat"));
        QCOMPARE(folder.read("out/setting.dat"), QByteArray("#\r\n"));
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
        auto* author = requireChild<QLineEdit>(window.get(), "Edit19");
        QCOMPARE(author->cursorPosition(), 0);
        author->end(false);
        test::typeInto(author, QStringLiteral("後"));

        folder.setReadOnly(true);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("ファイル setting.dat を作成できません.") });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
        QCOMPARE(folder.read("setting.dat"), sj("#前\r\n"));
        QVERIFY(!window->close());
        QCOMPARE(MessageBox::shown().size(), 2);

        folder.setReadOnly(false);
        QVERIFY(window->close());
        QCOMPARE(folder.read("setting.dat"), sj("#前後\r\n"));
        QCOMPARE(MessageBox::shown().size(), 2);
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
        QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("ファイル setting.dat を作成できません.") });
        QVERIFY(!folder.exists("setting.dat"));
        tarvo::setWriteFaultHookForTesting({});
        QVERIFY(window->close());
        QCOMPARE(folder.read("setting.dat"), QByteArray("#\r\n"));
    }
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
