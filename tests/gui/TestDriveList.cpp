#include "GuiTestSupport.h"
#include "gui/QtText.h"
#include "gui/desktop/Fonts.h"
#include "gui/widgets/DriveList.h"
#include "gui/widgets/FolderList.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using tarvo::gui::DriveList;
using tarvo::gui::test::shown;

class TestDriveList : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tree;
    QString startDirectory;

    QString at(const QString& relative) const
    {
        return QDir(tree.path()).canonicalPath() + QLatin1Char('/') + relative;
    }

    QList<DriveList::Volume> volumes() const
    {
        // Given out of order: the list sorts by path.
        return { { at(QStringLiteral("b")), QStringLiteral("Data"), DriveList::Kind::Removable },
            { at(QStringLiteral("a")), QString(), DriveList::Kind::Fixed },
            { at(QStringLiteral("c")), QStringLiteral("CD"), DriveList::Kind::CdRom },
            { at(QStringLiteral("a/nested")), QString(), DriveList::Kind::Network } };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(tree.isValid());
        startDirectory = QDir::currentPath();
        for (const char* folder : { "a/start", "a/nested/deep", "b/sub" })
            QVERIFY(QDir(tree.path()).mkpath(QString::fromLatin1(folder)));
    }
    void init() { QVERIFY(QDir::setCurrent(at(QStringLiteral("a/start")))); }
    void cleanupTestCase() { QDir::setCurrent(startDirectory); }

    void showsVolumesInPathOrderWithTheCurrentOneSelected()
    {
        DriveList list(volumes());
        QCOMPARE(list.font().pixelSize(), 13);
        QCOMPARE(list.font().families().front(), tarvo::gui::test::drawnFamily(tarvo::gui::kArial));
        const QStringList expected { shown(at(QStringLiteral("a"))), shown(at(QStringLiteral("a/nested"))),
            shown(at(QStringLiteral("b"))) + QStringLiteral(" [Data]"),
            shown(at(QStringLiteral("c"))) + QStringLiteral(" [CD]") };
        QCOMPARE(list.count(), 4);
        for (int index = 0; index < list.count(); ++index) {
            QCOMPARE(list.itemText(index), expected[index]);
            QVERIFY(!list.itemIcon(index).isNull());
        }
        QCOMPARE(list.currentIndex(), 0);

        // The deepest volume holding the current directory is its volume.
        QVERIFY(QDir::setCurrent(at(QStringLiteral("a/nested/deep"))));
        DriveList nested(volumes());
        QCOMPARE(nested.currentIndex(), 1);
    }

    void eachVolumeKeepsItsLastFolder()
    {
        DriveList list(volumes());
        QSignalSpy changed(&list, &DriveList::directoryChanged);

        list.chooseVolume(2);
        QCOMPARE(QDir::currentPath(), at(QStringLiteral("b")));
        QVERIFY(QDir::setCurrent(at(QStringLiteral("b/sub"))));
        list.followCurrentDirectory();

        list.chooseVolume(0);
        QCOMPARE(QDir::currentPath(), at(QStringLiteral("a/start")));
        list.chooseVolume(2);
        QCOMPARE(QDir::currentPath(), at(QStringLiteral("b/sub")));
        QCOMPARE(changed.count(), 3);

        // The selected volume again: nothing happens, even after moving within it.
        QVERIFY(QDir::setCurrent(at(QStringLiteral("b"))));
        list.chooseVolume(2);
        QCOMPARE(QDir::currentPath(), at(QStringLiteral("b")));
        QCOMPARE(changed.count(), 3);
    }

    void choosingByKeyboardMovesTheDirectory()
    {
        DriveList list(volumes());
        QSignalSpy changed(&list, &DriveList::directoryChanged);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.currentIndex(), 1);
        QCOMPARE(QDir::currentPath(), at(QStringLiteral("a/nested")));
        QCOMPARE(changed.count(), 1);
    }

    void volumeThatCannotBeEnteredKeepsTheDirectory()
    {
        DriveList list(volumes());
        QList<QString> reported;
        connect(&list, &DriveList::failed, this,
            [&](const tarvo::RuntimeError& error) { reported << QString::fromStdString(error.message()); });
        QSignalSpy changed(&list, &DriveList::directoryChanged);

        // No folder "c": like a drive with no medium in it.
        list.setCurrentIndex(3);
        emit list.activated(3);
        QCOMPARE(reported, QList<QString> { QStringLiteral("ファイルが見つかりません") });
        QCOMPARE(QDir::currentPath(), at(QStringLiteral("a/start")));
        QCOMPARE(list.currentIndex(), 3);
        QCOMPARE(changed.count(), 0);

        // Choosing it again is choosing the selected entry.
        emit list.activated(3);
        QCOMPARE(reported.size(), 1);
    }

    void vanishedLastFolderFallsBackToTheRoot()
    {
        QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("b/gone")));
        DriveList list(volumes());
        list.chooseVolume(2);
        QVERIFY(QDir::setCurrent(at(QStringLiteral("b/gone"))));
        list.followCurrentDirectory();
        list.chooseVolume(0);
        QVERIFY(QDir(tree.path()).rmdir(QStringLiteral("b/gone")));
        list.chooseVolume(2);
        QCOMPARE(QDir::currentPath(), at(QStringLiteral("b")));
    }

    void kindsFollowTheFileSystem()
    {
        TARVO_QSKIP_UNLESS_LINUX_FILE_SYSTEM();
        struct Case {
            QByteArray type;
            QByteArray device;
            QString root;
            DriveList::Kind kind;
        };
        const Case cases[] = {
            { "ext4", "/dev/sda1", QStringLiteral("/"), DriveList::Kind::Fixed },
            { "nfs4", "server:/export", QStringLiteral("/srv/share"), DriveList::Kind::Network },
            { "cifs", "//host/share", QStringLiteral("/media/share"), DriveList::Kind::Network },
            { "iso9660", "/dev/sr0", QStringLiteral("/media/cd"), DriveList::Kind::CdRom },
            { "udf", "/dev/sr1", QStringLiteral("/mnt/dvd"), DriveList::Kind::CdRom },
            { "tmpfs", "tmpfs", QStringLiteral("/tmp"), DriveList::Kind::Ram },
            { "vfat", "/dev/sdb1", QStringLiteral("/media/user/STICK"), DriveList::Kind::Removable },
            { "exfat", "/dev/sdc1", QStringLiteral("/run/media/user/CARD"), DriveList::Kind::Removable },
            { "ext4", "/dev/sda2", QStringLiteral("/mediadata"), DriveList::Kind::Fixed },
        };
        for (const Case& c : cases)
            QCOMPARE(DriveList::kindOf(c.type, c.device, c.root), c.kind);
    }

    void machineVolumesHoldTheCurrentDirectory()
    {
        const QList<DriveList::Volume> mounted = DriveList::mountedVolumes();
        QVERIFY(!mounted.isEmpty());
        for (int index = 1; index < mounted.size(); ++index)
            QVERIFY(mounted[index - 1].rootPath < mounted[index].rootPath);
        DriveList list;
        QVERIFY(list.currentIndex() >= 0);
        const QString root = mounted[list.currentIndex()].rootPath;
        QVERIFY(root == QStringLiteral("/") || QDir::currentPath().startsWith(root, Qt::CaseInsensitive));
    }

    // Each drive (wine's Z: is the host's root) is the one shown for a folder on
    // it, and the folder list starts at that drive.
    void eachMachineVolumeIsShownForAFolderOnIt()
    {
        const QList<DriveList::Volume> mounted = DriveList::mountedVolumes();
        for (const DriveList::Volume& volume : mounted) {
            if (!QDir(volume.rootPath).exists())
                continue;
            QVERIFY2(QDir::setCurrent(volume.rootPath), qPrintable(volume.rootPath));
            DriveList list;
            QCOMPARE(list.currentText(), DriveList::entryText(volume));
            QVERIFY(list.currentText().startsWith(shown(volume.rootPath)));
            const tarvo::gui::FolderList folders;
            const QString current = QDir::currentPath();
            QCOMPARE(folders.item(0)->text(), shown(current.left(current.indexOf(QLatin1Char('/')) + 1)));
        }
        if (!tarvo::gui::test::kLinuxFileSystem)
            QVERIFY(std::any_of(mounted.cbegin(), mounted.cend(), [](const DriveList::Volume& volume) {
                return volume.kind == DriveList::Kind::Fixed && volume.rootPath.endsWith(QStringLiteral(":/"));
            }));
    }
};

QTEST_MAIN(TestDriveList)
#include "TestDriveList.moc"
