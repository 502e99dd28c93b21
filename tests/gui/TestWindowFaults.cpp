// Faults around the window's files that must lose nothing: a backup removed,
// turned into a named pipe or a backup folder turned read-only while the load
// dialog lists it, a named pipe for "category.dat", a folder or a link named
// "setting.dat" at close, backups named in any encoding, and start folders whose
// names hold Japanese characters, blanks and characters CP932 lacks. After each,
// the entry in the window, every earlier file and the folder's contents are as
// they were, apart from what the author asked for.

#include "GuiTestSupport.h"

#include "gui/EntryBinding.h"
#include "gui/LoadDialog.h"
#include "gui/MainWindow.h"
#include "gui/QtText.h"

#include "core/document/PreviewCommand.h"
#include "core/entry/EntryLists.h"
#include "core/text/Cp932.h"

#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tarvo;
using namespace tarvo::gui;
using test::sj;

namespace {

// Every file and folder under `root`, hidden ones included, with its bytes.
// The create message of a close that cannot write the settings, and the question after it.
const QStringList kSettingsRefused { QStringLiteral("ファイル setting.dat を作成できません."),
    QStringLiteral("保存できないまま終了しますか？") };

QMap<QString, QByteArray> snapshotOf(const QString& root)
{
    QMap<QString, QByteArray> snapshot;
    QDirIterator it(
        root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        snapshot.insert(QDir(root).relativeFilePath(path),
            it.fileInfo().isDir() ? QByteArrayLiteral("(folder)")
                                  : (file.open(QIODevice::ReadOnly) ? file.readAll() : "?"));
    }
    return snapshot;
}

// The draft of the form is written whenever the form is about to be replaced.
QMap<QString, QByteArray> snapshotOfAllButTheDraft(const QString& root)
{
    QMap<QString, QByteArray> snapshot = snapshotOf(root);
    snapshot.remove(QStringLiteral("draft.dat"));
    return snapshot;
}

// The backup bytes the preview command writes for a freeware entry.
QByteArray backupFor(const char* author, const char* description)
{
    RegistrationEntry entry;
    entry.authorId = cp932FromUtf8(author);
    entry.softwareName = "x";
    entry.archiveFileName = "x.lzh";
    entry.description = cp932FromUtf8(description);
    entry.changeHandling(entryLists().handlings.at(0));
    return QByteArray::fromStdString(runPreviewCommand(entry).backupText);
}

} // namespace

class TestWindowFaults : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_previousDirectory;
    QString m_start;
    std::unique_ptr<MainWindow> m_window;

    template <typename T> T* control(const char* name) const { return requireChild<T>(m_window.get(), name); }
    LoadDialog& dialog() const { return m_window->loadDialog(); }
    QListView* dialogList() const { return requireChild<QListView>(&dialog(), form::backupList); }
    QModelIndexList entriesNamed(const QString& name) const
    {
        const QAbstractItemModel* model = dialogList()->model();
        return model->match(model->index(0, 0), Qt::DisplayRole, name, -1, Qt::MatchExactly);
    }
    QString path(const QString& name) const { return m_start + QLatin1Char('/') + name; }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

    // Starts the window in `folderName` under the test's root folder, which holds
    // a catalogue (unless the test put something there already) and the backup
    // folder.
    void startIn(const QString& folderName)
    {
        m_start = m_root.filePath(folderName);
        QVERIFY(QDir().mkpath(m_start + QStringLiteral("/data")));
        if (!QFileInfo(path(QStringLiteral("category.dat"))).exists())
            write(QStringLiteral("category.dat"), sj("#ユーティリティ\r\nファイル管理\r\n"));
        QVERIFY(QDir::setCurrent(m_start));
        test::answerEveryBox();
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->ensurePagesBuilt();
        MessageBox::clearShown();
    }

    // The author's work in progress, which a failed load must not touch.
    void typeWorkInProgress() const
    {
        test::typeInto(control<QLineEdit>(form::authorId), QStringLiteral("作業中の作者"));
        test::typeInto(control<QLineEdit>(form::softwareName), QStringLiteral("作業中"));
        test::typeInto(control<QLineEdit>(form::archiveFileName), QStringLiteral("work.lzh"));
        test::chooseItem(requireChild<QComboBox>(m_window.get(), form::handling), 0);
        control<QPlainTextEdit>(form::description)->setPlainText(QStringLiteral("書きかけの説明\n二行目"));
    }

    void openListAndChoose(const QString& entry) const
    {
        MessageBox::clearShown();
        QTest::mouseClick(control<QWidget>(form::loadPanel), Qt::LeftButton);
        QVERIFY(dialog().isVisible());
        const QModelIndexList found = entriesNamed(entry);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(
            dialogList()->viewport(), Qt::LeftButton, {}, dialogList()->visualRect(found.front()).center());
    }

    void pressLoad() const
    {
        MessageBox::clearShown();
        QTest::mouseClick(requireChild<QPushButton>(&dialog(), form::loadButton), Qt::LeftButton);
    }

    void pressPreview() const
    {
        MessageBox::clearShown();
        QTest::mouseClick(control<QPushButton>(form::previewButton), Qt::LeftButton);
    }

private slots:
    void init() { m_previousDirectory = QDir::currentPath(); }

    void cleanup()
    {
        m_window.reset();
        QFile::setPermissions(path(QStringLiteral("data")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(m_start).removeRecursively();
        QDir::setCurrent(m_previousDirectory);
        MessageBox::clearNextAnswers();
        MessageBox::clearShown();
    }

    void backupGoneWhileListed_data()
    {
        QTest::addColumn<QString>("removal");
        QTest::newRow("file removed") << "file";
        QTest::newRow("backup folder renamed") << "folder";
    }

    // The open error names the file; the dialog stays open; the entry keeps
    // everything but the chosen name; no file anywhere changes but the draft,
    // which keeps the name typed before.
    void backupGoneWhileListed()
    {
        QFETCH(QString, removal);
        startIn(QStringLiteral("start"));
        write(QStringLiteral("data/a.bak"), backupFor("作者A", "説明A\r\n"));
        write(QStringLiteral("data/b.bak"), backupFor("作者B", "説明B\r\n"));
        typeWorkInProgress();
        const QString before = test::describe(m_window->entry().read());

        openListAndChoose(QStringLiteral("b"));
        if (removal == "file")
            QVERIFY(QFile::remove(path(QStringLiteral("data/b.bak"))));
        else
            QVERIFY(QDir(m_start).rename(QStringLiteral("data"), QStringLiteral("data-moved")));
        const auto files = snapshotOfAllButTheDraft(m_start);
        pressLoad();

        QCOMPARE(test::shownTexts(),
            QStringList {
                QStringLiteral("ファイル %1 は開けません.").arg(test::shown(path(QStringLiteral("data/b.bak")))) });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
        QVERIFY(dialog().isVisible());
        RegistrationEntry after = m_window->entry().read();
        QCOMPARE(fromCp932(after.softwareName.str()), QStringLiteral("b"));
        after.softwareName = cp932FromUtf8("作業中");
        QCOMPARE(test::describe(after), before);
        QCOMPARE(snapshotOfAllButTheDraft(m_start), files);
        QVERIFY(read(QStringLiteral("draft.dat")).contains(sj("\r\n#作業中\r\n")));

        if (removal == "folder")
            return;
        // The other backup of the same list still loads.
        QTest::mouseClick(
            dialogList()->viewport(), Qt::LeftButton, {}, dialogList()->visualRect(entriesNamed("a").front()).center());
        pressLoad();
        QVERIFY(test::shownTexts().isEmpty());
        QVERIFY(!dialog().isVisible());
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QStringLiteral("作者A"));
    }

    // Reading still works; the next preview cannot replace the backup, says so,
    // and leaves the earlier file byte for byte with no temporary file beside it.
    // Once the folder is writable again the same preview goes through.
    void backupFolderTurnsReadOnlyBetweenListingAndLoading()
    {
        TARVO_QSKIP_UNLESS_LINUX_FILE_SYSTEM();
        startIn(QStringLiteral("start"));
        const QByteArray earlier = backupFor("作者A", "説明A\r\n");
        write(QStringLiteral("data/a.bak"), earlier);
        openListAndChoose(QStringLiteral("a"));
        QVERIFY(QFile::setPermissions(path(QStringLiteral("data")), QFile::ReadOwner | QFile::ExeOwner));
        pressLoad();
        QVERIFY(test::shownTexts().isEmpty());
        QVERIFY(!dialog().isVisible());
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QStringLiteral("作者A"));

        control<QLineEdit>(form::authorId)->end(false);
        test::typeInto(control<QLineEdit>(form::authorId), QStringLiteral("追記"));
        const auto files = snapshotOf(m_start);
        pressPreview();
        QCOMPARE(test::shownTexts(),
            QStringList { QStringLiteral("ファイル %1/data/a.bak を作成できません.").arg(m_start) });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
        QCOMPARE(snapshotOf(m_start), files);
        QVERIFY(control<QPlainTextEdit>(form::preview)->toPlainText().contains(QStringLiteral("作者A追記")));

        QVERIFY(QFile::setPermissions(
            path(QStringLiteral("data")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        pressPreview();
        QCOMPARE(test::shownTexts(),
            QStringList { QStringLiteral("バックアップを取ると同時にプレビューの作成に成功しました！") });
        QVERIFY(read(QStringLiteral("data/a.bak")).startsWith(sj("#作者A追記\r\n")));
        QCOMPARE(QDir(path(QStringLiteral("data"))).entryList(QDir::Files | QDir::Hidden), QStringList { "a.bak" });
    }

    // As QSaveFile does: the file at the end of the link is replaced and the
    // link stays; a link into a missing folder refuses the close as before.
    void settingDatLinkAtClose()
    {
        TARVO_QSKIP_UNLESS_LINUX_FILE_SYSTEM();
        startIn(QStringLiteral("start"));
        QVERIFY(QDir().mkpath(path(QStringLiteral("elsewhere"))));
        write(QStringLiteral("elsewhere/setting.dat"), sj("#以前の作者\r\n"));
        QVERIFY(QFile::link(QStringLiteral("elsewhere/setting.dat"), path(QStringLiteral("setting.dat"))));
        test::typeInto(control<QLineEdit>(form::authorId), QStringLiteral("山川 一郎"));
        QVERIFY(m_window->close());
        QCOMPARE(read(QStringLiteral("elsewhere/setting.dat")), sj("#山川 一郎\r\n"));
        QCOMPARE(QFileInfo(path(QStringLiteral("setting.dat"))).symLinkTarget(),
            path(QStringLiteral("elsewhere/setting.dat")));
        QCOMPARE(QDir(path(QStringLiteral("elsewhere"))).entryList(QDir::Files | QDir::Hidden),
            QStringList { "setting.dat" });

        m_window->show();
        QVERIFY(QFile::remove(path(QStringLiteral("setting.dat"))));
        QVERIFY(QFile::link(QStringLiteral("gone/setting.dat"), path(QStringLiteral("setting.dat"))));
        MessageBox::clearShown();
        QVERIFY(!m_window->close());
        QCOMPARE(test::shownTexts(), kSettingsRefused);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("gone"))));
    }

    // A named pipe is refused at once with the open message, as a folder of that
    // name is: in place of "category.dat" at start, and in place of a backup
    // between listing and loading.
    void namedPipesAreRefusedAtOnce()
    {
        TARVO_QSKIP_UNLESS_LINUX_FILE_SYSTEM();
        m_start = m_root.filePath(QStringLiteral("start"));
        QVERIFY(QDir().mkpath(m_start));
        const test::NamedPipe catalogue(path(QStringLiteral("category.dat")));
        startIn(QStringLiteral("start"));
        QVERIFY(!catalogue.wasWaitedOn());
        QVERIFY(m_window->isVisible());
        QCOMPARE(MessageBox::shown().size(), 0);
        QCOMPARE(requireChild<QComboBox>(m_window.get(), form::category)->count(), 0);

        write(QStringLiteral("data/a.bak"), backupFor("作者A", "説明A\r\n"));
        openListAndChoose(QStringLiteral("a"));
        QVERIFY(QFile::remove(path(QStringLiteral("data/a.bak"))));
        const test::NamedPipe backup(path(QStringLiteral("data/a.bak")));
        pressLoad();
        QVERIFY(!backup.wasWaitedOn());
        QCOMPARE(
            test::shownTexts(), QStringList { QStringLiteral("ファイル %1/data/a.bak は開けません.").arg(m_start) });
        QVERIFY(dialog().isVisible());
    }

    // Each entry of the list keeps its own file: names that CP932 would fold
    // into one stay apart, a name in Shift-JIS bytes from an old disk restores
    // by its name, and a name CP932 cannot hold restores nothing and says why.
    void backupsNamedInAnyEncoding()
    {
        TARVO_QSKIP_UNLESS_LINUX_FILE_SYSTEM();
        startIn(QStringLiteral("start"));
        write(QStringLiteral("data/café.bak"), backupFor("作者é", "説明\r\n"));
        write(QStringLiteral("data/caf?.bak"), backupFor("作者?", "説明\r\n"));
        const QByteArray oldName = QFile::encodeName(path(QStringLiteral("data/"))) + sj("旧ソフト.bak");
        const QByteArray oldBackup = backupFor("旧作者", "説明\r\n");
        {
            QFile file;
            QVERIFY(file.open(::fopen(oldName.constData(), "wb"), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
            QCOMPARE(file.write(oldBackup), oldBackup.size());
        }
        typeWorkInProgress();
        QTest::mouseClick(control<QWidget>(form::loadPanel), Qt::LeftButton);
        QStringList shown;
        for (int row = 0; row < dialogList()->model()->rowCount(); ++row)
            shown.append(dialogList()->model()->index(row, 0).data().toString());
        QCOMPARE(shown, (QStringList { "caf?", "café", "旧ソフト" }));

        openListAndChoose(QStringLiteral("café"));
        const QString before = test::describe(m_window->entry().read());
        pressLoad();
        QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("「é」はShift-JISで表せないため使えません。") });
        QVERIFY(dialog().isVisible());
        QCOMPARE(test::describe(m_window->entry().read()), before);

        openListAndChoose(QStringLiteral("caf?"));
        pressLoad();
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QStringLiteral("作者?"));
        QCOMPARE(control<QLineEdit>(form::softwareName)->text(), QStringLiteral("caf?"));

        openListAndChoose(QStringLiteral("旧ソフト"));
        pressLoad();
        QVERIFY(test::shownTexts().isEmpty());
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QStringLiteral("旧作者"));
        QCOMPARE(control<QLineEdit>(form::softwareName)->text(), QStringLiteral("旧ソフト"));
        // The next backup takes the name in the file system's encoding; the old
        // file stays as it was.
        pressPreview();
        QVERIFY(read(QStringLiteral("data/旧ソフト.bak")).startsWith(sj("#旧作者\r\n")));
        QFile old(QFile::decodeName(oldName));
        QVERIFY(old.open(::fopen(oldName.constData(), "rb"), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
        QCOMPARE(old.readAll(), oldBackup);
    }

    // Closing shows the create message, and No to closing anyway keeps the
    // window open; the folder keeps its contents (the draft aside); once it is
    // gone the close writes the file.
    void settingDatFolderAtClose()
    {
        startIn(QStringLiteral("start"));
        QVERIFY(QDir().mkpath(path(QStringLiteral("setting.dat/inner"))));
        write(QStringLiteral("setting.dat/inner/kept.txt"), "kept");
        test::typeInto(control<QLineEdit>(form::authorId), QStringLiteral("山川 一郎"));
        const auto files = snapshotOfAllButTheDraft(m_start);

        MessageBox::clearShown();
        QVERIFY(!m_window->close());
        QCOMPARE(test::shownTexts(), kSettingsRefused);
        QVERIFY(m_window->isVisible());
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QStringLiteral("山川 一郎"));
        QCOMPARE(snapshotOfAllButTheDraft(m_start), files);

        QVERIFY(QDir(path(QStringLiteral("setting.dat"))).removeRecursively());
        QVERIFY(m_window->close());
        QCOMPARE(read(QStringLiteral("setting.dat")), sj("#山川 一郎\r\n"));
    }

    void startFolderOfAnyName_data()
    {
        QTest::addColumn<QString>("folderName");
        // Windows drops a trailing blank from a name, and refuses it in a software name.
        QTest::newRow("Japanese with blanks") << (test::kLinuxFileSystem ? QStringLiteral(" タルヴォ 登録 表ソ ")
                                                                         : QStringLiteral(" タルヴォ 登録 表ソ"));
        QTest::newRow("characters CP932 lacks") << QStringLiteral("café José ü 😀");
    }

    // The whole journey in a start folder of such a name: the folder label, a
    // preview with its backup, the list, the restore, the close.
    void startFolderOfAnyName()
    {
        QFETCH(QString, folderName);
        startIn(folderName);
        QCOMPARE(control<QLabel>(form::folderLabel)->text(), test::shown(QDir::currentPath()));
        const QString software
            = test::kLinuxFileSystem ? QStringLiteral(" 同期 ツール 表 ") : QStringLiteral(" 同期 ツール 表");
        const QString backupFile = QStringLiteral("data/%1.bak").arg(software);
        test::typeInto(control<QLineEdit>(form::authorId), QStringLiteral(" 山川 一郎 "));
        test::typeInto(control<QLineEdit>(form::softwareName), software);
        test::typeInto(control<QLineEdit>(form::archiveFileName), QStringLiteral("sync 10.lzh"));
        test::chooseItem(requireChild<QComboBox>(m_window.get(), form::handling), 0);
        pressPreview();
        QCOMPARE(test::shownTexts(),
            QStringList { QStringLiteral("バックアップを取ると同時にプレビューの作成に成功しました！") });
        const QByteArray backup = read(backupFile);
        QVERIFY(backup.startsWith(sj("# 山川 一郎 \r\n")));
        const QString document = control<QPlainTextEdit>(form::preview)->toPlainText();

        control<QLineEdit>(form::authorId)->clear();
        control<QLineEdit>(form::archiveFileName)->clear();
        openListAndChoose(software);
        pressLoad();
        QVERIFY(test::shownTexts().isEmpty());
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QStringLiteral(" 山川 一郎 "));
        // The restored entry previews to the same text and the same backup.
        pressPreview();
        QCOMPARE(control<QPlainTextEdit>(form::preview)->toPlainText(), document);
        QCOMPARE(read(backupFile), backup);
        QCOMPARE(QDir(path(QStringLiteral("data"))).entryList(QDir::Files | QDir::Hidden),
            QStringList { software + QStringLiteral(".bak") });

        QVERIFY(m_window->close());
        QCOMPARE(read(QStringLiteral("setting.dat")), sj("# 山川 一郎 \r\n"));
    }
};

QTEST_MAIN(TestWindowFaults)
#include "TestWindowFaults.moc"
