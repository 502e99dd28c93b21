#include "GuiTestSupport.h"

#include "gui/CurrentFolder.h"
#include "gui/QtText.h"
#include "gui/widgets/FolderList.h"

#include "core/files/NativePath.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace test = tarvo::gui::test;
using tarvo::gui::FolderList;
using tarvo::gui::test::failureOf;
using tarvo::gui::test::native;

class TestFolderList : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tree;
    QString startDirectory;

    QString at(const QString& relative) const { return QDir::cleanPath(tree.path() + QLatin1Char('/') + relative); }

    // The root of the tree's path: "/", or its drive ("C:/").
    QString treeRoot() const
    {
        const QString canonical = QDir(tree.path()).canonicalPath();
        return canonical.left(canonical.indexOf(QLatin1Char('/')) + 1);
    }

    static QStringList texts(const FolderList& list)
    {
        QStringList result;
        for (int row = 0; row < list.count(); ++row)
            result << list.item(row)->text();
        return result;
    }

    // The folder icons' back leaf is the one colour every icon shares.
    static int leftmostFolderPixel(const QImage& image, const QRect& rect)
    {
        for (int x = rect.left(); x <= rect.right(); ++x)
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                if (image.pixelColor(x, y) == QColor(0xc8, 0x9b, 0x2a))
                    return x;
        return -1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(tree.isValid());
        startDirectory = QDir::currentPath();
        const QDir root(tree.path());
        for (const char* folder : { "top/mid/cur/beta", "top/mid/cur/Alpha", "top/mid/cur/gamma", "top/mid/cur/.hidden",
                 "top/mid/cur/alpha2", "top/mid/other" })
            QVERIFY(root.mkpath(QString::fromLatin1(folder)));
        QFile file(at(QStringLiteral("top/mid/cur/zfile")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void init() { QVERIFY(QDir::setCurrent(at(QStringLiteral("top/mid/cur")))); }
    void cleanupTestCase() { QDir::setCurrent(startDirectory); }

    void listsChainThenSortedSubFolders()
    {
        FolderList list;
        QStringList expected { test::shown(treeRoot()) };
        expected
            << QDir(tree.path()).canonicalPath().mid(treeRoot().size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        expected << QStringLiteral("top") << QStringLiteral("mid") << QStringLiteral("cur");
        const int chainLength = int(expected.size());
        // Letter case ignored, hidden folders and files left out.
        expected << QStringLiteral("Alpha") << QStringLiteral("alpha2") << QStringLiteral("beta")
                 << QStringLiteral("gamma");
        QCOMPARE(texts(list), expected);

        for (int row = 0; row < list.count(); ++row) {
            QCOMPARE(list.indentLevel(row), std::min(row, chainLength));
            const auto icon = FolderList::FolderIcon(list.item(row)->data(FolderList::kIconRole).toInt());
            const auto wanted = row < chainLength - 1 ? FolderList::FolderIcon::Open
                : row == chainLength - 1              ? FolderList::FolderIcon::Current
                                                      : FolderList::FolderIcon::Closed;
            QCOMPARE(icon, wanted);
            QVERIFY(!list.item(row)->icon().isNull());
        }
        // The current folder is the selected entry.
        QCOMPARE(list.currentRow(), chainLength - 1);
        QVERIFY(list.currentItem()->isSelected());
    }

    void deeperEntriesAreDrawnFurtherRight()
    {
        FolderList list;
        list.resize(300, 24 * list.count());
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.clearSelection(); // a selected icon is drawn tinted
        const QImage image = list.viewport()->grab().toImage();
        QList<int> iconLefts;
        for (int row = 0; row < list.count(); ++row)
            iconLefts << leftmostFolderPixel(image, list.visualItemRect(list.item(row)));
        const int chainLength = int(iconLefts.size()) - 4;
        for (int row = 1; row < list.count(); ++row)
            QCOMPARE(iconLefts[row] - iconLefts[0], 10 * std::min(row, chainLength));
    }

    void doubleClickOpensASubFolder()
    {
        FolderList list;
        list.resize(300, 400);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy changed(&list, &FolderList::directoryChanged);
        const int row = int(texts(list).indexOf(QStringLiteral("beta")));
        const QPoint centre = list.visualItemRect(list.item(row)).center();
        // A real double click: press and release, then the double-click press.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(QDir::currentPath(), QDir(at(QStringLiteral("top/mid/cur"))).canonicalPath());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(QDir::currentPath(), QDir(at(QStringLiteral("top/mid/cur/beta"))).canonicalPath());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(list.currentItem()->text(), QStringLiteral("beta"));
        QCOMPARE(list.item(list.count() - 1)->text(), QStringLiteral("beta"));
    }

    void enterOnTheSelectedEntryOpensAnUpperFolder()
    {
        FolderList list;
        QSignalSpy changed(&list, &FolderList::directoryChanged);
        const int row = int(texts(list).indexOf(QStringLiteral("top")));
        list.setCurrentRow(row);
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(QDir::currentPath(), QDir(at(QStringLiteral("top"))).canonicalPath());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(texts(list).last(), QStringLiteral("mid"));
        QCOMPARE(tarvo::gui::currentFolderText(), test::shown(QDir(at(QStringLiteral("top"))).canonicalPath()));

        // The root shows as "/" (or its drive, "C:\\") and lists its folders.
        list.setCurrentRow(0);
        QTest::keyClick(&list, Qt::Key_Enter);
        QCOMPARE(QDir::currentPath(), treeRoot());
        QCOMPARE(tarvo::gui::currentFolderText(), test::shown(treeRoot()));
        QCOMPARE(list.item(0)->text(), test::shown(treeRoot()));
        QCOMPARE(list.indentLevel(1), 1);
    }

    // A folder is entered by its own bytes: one named in Shift-JIS bytes shows
    // each byte that is not UTF-8 as U+FFFD, and opens all the same.
    void foldersOfAnyEncodingAreShownAndOpened()
    {
        TARVO_QSKIP_UNLESS_LINUX_FILE_SYSTEM();
        const std::filesystem::path current = native(at(QStringLiteral("top/mid/cur")));
        const std::string shiftJis = tarvo::gui::test::sj("表").toStdString();
        QVERIFY(std::filesystem::create_directory(current / shiftJis));
        QVERIFY(std::filesystem::create_directory(current / "café"));
        FolderList list;
        const QStringList shown = texts(list);
        QVERIFY(shown.contains(QStringLiteral("café")));
        const QString replaced = QStringLiteral("\uFFFD\\");
        QVERIFY2(shown.contains(replaced), qPrintable(shown.join(QLatin1Char('|'))));

        list.setCurrentRow(int(shown.indexOf(replaced)));
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(std::filesystem::current_path(), current / shiftJis);
        QCOMPARE(
            tarvo::gui::currentFolderText(), QDir(at(QStringLiteral("top/mid/cur"))).canonicalPath() + "/" + replaced);
        QVERIFY(QDir::setCurrent(at(QStringLiteral("top/mid/cur"))));
        std::filesystem::remove(current / shiftJis);
        std::filesystem::remove(current / "café");
    }

    // Where paths are wide, names outside the ANSI code page too: shown by their characters.
    void foldersOfAnyCharactersAreShown()
    {
        const QStringList names { QStringLiteral("日本語 フォルダ"), QStringLiteral("한글") };
        for (const QString& name : names)
            QVERIFY(QDir().mkpath(at(QStringLiteral("top/mid/other/") + name)));
        QVERIFY(QDir::setCurrent(at(QStringLiteral("top/mid/other"))));
        FolderList list;
        for (const QString& name : names)
            QVERIFY2(texts(list).contains(name), qPrintable(texts(list).join(QLatin1Char('|'))));
    }

    void vanishedFolderIsFileNotFoundAndNothingMoves()
    {
        QVERIFY(QDir().mkpath(at(QStringLiteral("top/mid/cur/gone"))));
        FolderList list;
        const QStringList before = texts(list);
        const int row = int(before.indexOf(QStringLiteral("gone")));
        QVERIFY(QDir().rmdir(at(QStringLiteral("top/mid/cur/gone"))));

        QList<QString> reported;
        connect(&list, &FolderList::failed, this,
            [&](const tarvo::RuntimeError& error) { reported << QString::fromStdString(error.message()); });
        QSignalSpy changed(&list, &FolderList::directoryChanged);
        list.setCurrentRow(row);
        QTest::keyClick(&list, Qt::Key_Return);

        QCOMPARE(reported, QList<QString> { QStringLiteral("ファイルが見つかりません") });
        QCOMPARE(QDir::currentPath(), QDir(at(QStringLiteral("top/mid/cur"))).canonicalPath());
        QCOMPARE(texts(list), before);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(failureOf([&] { list.openFolder(native(at(QStringLiteral("top/mid/cur/zfile")))); }),
            QStringLiteral("不正なファイル名です"));
    }

    void reopeningTheCurrentFolderChangesNothing()
    {
        FolderList list;
        QSignalSpy changed(&list, &FolderList::directoryChanged);
        list.openFolder(native(QDir::currentPath()));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(QDir::currentPath(), QDir(at(QStringLiteral("top/mid/cur"))).canonicalPath());
    }

    // Where paths are wide, a desktop named in characters outside the ANSI code page too.
    void desktopFolderIsEnteredOrMissing()
    {
        const test::DesktopUnder home(at(QStringLiteral("top/mid/other/ソ表😀")));
        const std::filesystem::path desktopPath = tarvo::gui::desktopFolderPath();
        const QString desktop = QString::fromStdString(tarvo::displayText(desktopPath));
        QCOMPARE(desktop, test::shown(at(QStringLiteral("top/mid/other/ソ表😀/Desktop"))));

        FolderList list;
        QCOMPARE(failureOf([&] { list.openFolder(desktopPath); }), QStringLiteral("ファイルが見つかりません"));
        QCOMPARE(QDir::currentPath(), QDir(at(QStringLiteral("top/mid/cur"))).canonicalPath());

        QVERIFY(QDir().mkpath(desktop));
        list.openFolder(desktopPath);
        QCOMPARE(tarvo::gui::currentFolderText(), test::shown(QDir(desktop).canonicalPath()));
        QCOMPARE(list.currentItem()->text(), QStringLiteral("Desktop"));
    }
};

QTEST_MAIN(TestFolderList)
#include "TestFolderList.moc"
