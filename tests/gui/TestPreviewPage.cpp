#include "GuiTestSupport.h"

#include "gui/CurrentFolder.h"
#include "gui/widgets/DriveList.h"
#include "gui/widgets/FolderList.h"
#include "gui/widgets/RadioGroup.h"

#include "core/files/FileIo.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <cerrno>
#include <memory>
#include <optional>

using namespace tarvo::gui;
using test::sj;

namespace {

const QString kNothingToSave = QStringLiteral("「ソフト名称」が記入されていないか、プレビューがありません。");
const QString kCreated = QStringLiteral("テキスト文書の作成に成功しました！");
const QString kOverwritten = QStringLiteral("テキスト文書を上書きしました！");
const QString kCancelled = QStringLiteral("処理は中断されました！");
const QString kFileName = QStringLiteral("テストソフト.txt");

} // namespace

class TestPreviewPage : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowUnderTest> m_ui;

    QPlainTextEdit* preview() const { return m_ui->control<QPlainTextEdit>(form::preview); }
    QString folderLabel() const { return m_ui->control<QLabel>(form::folderLabel)->text(); }
    const test::StartFolder& folder() const { return m_ui->folder(); }

    // What the memo holds, as the bytes a save must write.
    QByteArray memoBytes() const { return sj(preview()->toPlainText().replace('\n', "\r\n").toUtf8().constData()); }

    void save(const QList<MessageBox::Answer>& answers = {})
    {
        MessageBox::clearNextAnswers();
        for (MessageBox::Answer answer : answers)
            MessageBox::setNextAnswer(answer);
        test::answerEveryBoxAfterQueued();
        MessageBox::clearShown();
        m_ui->click(form::saveButton);
    }

    void chooseWrap(int index) { test::clickItem(m_ui->control<RadioGroup>(form::wrapChoice), index); }

    void openFolderEntry(const QString& name)
    {
        auto* folders = m_ui->control<FolderList>(form::folders);
        const QList<QListWidgetItem*> found = folders->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        folders->scrollToItem(found.front());
        const QPoint at = folders->visualItemRect(found.front()).center();
        // A real double click: press and release, then the double-click press.
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, at);
    }

private slots:
    void init()
    {
        m_ui = std::make_unique<test::WindowUnderTest>();
        m_ui->showPage(3);
    }
    void cleanup()
    {
        m_ui.reset();
        tarvo::setWriteFaultHookForTesting({});
    }

    void nothingToSave_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("name");
        QTest::newRow("no preview yet, name filled") << QString() << QStringLiteral("テストソフト");
        QTest::newRow("preview, emptied name") << QStringLiteral("[ソフト名称]\n") << QString();
        QTest::newRow("neither") << QString() << QString();
    }

    void nothingToSave()
    {
        QFETCH(QString, memo);
        QFETCH(QString, name);
        preview()->setPlainText(memo);
        m_ui->control<QLineEdit>(form::softwareName)->setText(name);
        save();
        QCOMPARE(test::shownTexts(), QStringList { kNothingToSave });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Message);
        QCOMPARE(QDir(folder().path()).entryList(QDir::Files), (QStringList { "category.dat" }));
    }

    void savedPreviewIsTheMemoByteForByte()
    {
        m_ui->buildFreewarePreview();
        QVERIFY(!preview()->toPlainText().isEmpty());
        save();
        QCOMPARE(test::shownTexts(), QStringList { kCreated });
        const QByteArray saved = folder().read(kFileName);
        QCOMPARE(saved, memoBytes());
        // Every line of a fresh preview ends in CR LF, the last one included.
        QVERIFY(saved.endsWith(sj("特になし\r\n\r\n")));
        QCOMPARE(saved.count('\n'), saved.count("\r\n"));
        QCOMPARE(saved.count('\r'), saved.count("\r\n"));
    }

    void aMemoHoldingOnlyALineBreakHoldsText()
    {
        m_ui->control<QLineEdit>(form::softwareName)->setText(QStringLiteral("テストソフト"));
        preview()->setPlainText(QStringLiteral("\n"));
        save();
        QCOMPARE(test::shownTexts(), QStringList { kCreated });
        QCOMPARE(folder().read(kFileName), QByteArray("\r\n"));
    }

    void editedLastLineIsSavedWithoutALineBreak()
    {
        m_ui->buildFreewarePreview();
        preview()->moveCursor(QTextCursor::End);
        QTest::keyClick(preview(), Qt::Key_Backspace);
        test::typeInto(preview(), QStringLiteral("追記"));
        save();
        QVERIFY(folder().read(kFileName).endsWith(sj("特になし\r\n追記")));
    }

    void overwriteQuestionAnsweredBothWays()
    {
        m_ui->buildFreewarePreview();
        save();
        const QByteArray first = folder().read(kFileName);
        test::typeInto(preview(), QStringLiteral("手直し"));

        save({ MessageBox::Answer::No });
        QCOMPARE(test::shownTexts(),
            (QStringList { QStringLiteral("「テストソフト」は存在します。上書きしますか？"), kCancelled }));
        const MessageBox::Record question = MessageBox::shown().front();
        QCOMPARE(question.kind, MessageBox::Kind::Confirmation);
        QCOMPARE(question.title, QStringLiteral("確認"));
        QCOMPARE(question.icon, QMessageBox::Question);
        QCOMPARE(question.buttons, (QStringList { QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)") }));
        QCOMPARE(folder().read(kFileName), first);

        save({ MessageBox::Answer::Yes });
        QCOMPARE(test::shownTexts().last(), kOverwritten);
        QCOMPARE(folder().read(kFileName), memoBytes());
        QVERIFY(folder().read(kFileName) != first);
    }

    // A folder of the name is no file to overwrite, and no file can be made.
    void folderOfTheNameIsNotAnExistingFile()
    {
        m_ui->buildFreewarePreview();
        folder().makeFolder(kFileName);
        save();
        QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("ファイル テストソフト.txt を作成できません.") });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
    }

    void changedNameSavesTheOldTextUnderTheNewName()
    {
        m_ui->buildFreewarePreview();
        const QByteArray text = memoBytes();
        auto* name = m_ui->control<QLineEdit>(form::softwareName);
        name->clear();
        test::typeInto(name, QStringLiteral("別名"));
        save();
        QCOMPARE(folder().read(QStringLiteral("別名.txt")), text);
        QVERIFY(!folder().exists(kFileName));
    }

    void nameWithAFolderSeparatorIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("slash") << QStringLiteral("sub/テスト");
        QTest::newRow("backslash") << QStringLiteral("sub\\テスト");
        if (test::kLinuxFileSystem)
            return;
        // What Windows refuses, alters or takes for a device is refused alike
        // ("テスト..txt" and "テスト .txt" are names it stores).
        for (const char* refused : { "a<b", "a>b", "a:b", "a\"b", "a|b", "a?b", "a*b", "a\tb", "a\x1f", "CON",
                 "prn.txt", "Aux", "NUL.tar.gz", "com1", "COM9.x", "lpt1", "LPT9 .txt" })
            QTest::newRow(refused) << QString::fromUtf8(refused);
    }

    void nameWithAFolderSeparatorIsRefused()
    {
        QFETCH(QString, name);
        m_ui->buildFreewarePreview();
        folder().makeFolder(QStringLiteral("sub"));
        m_ui->control<QLineEdit>(form::softwareName)->setText(name);
        save();
        QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("ファイル %1.txt を作成できません.").arg(name) });
        QVERIFY(QDir(folder().filePath("sub")).isEmpty());
    }

    // A failed write, a target another handle holds (Windows; the writer
    // retries briefly, so one let go meanwhile is overwritten) or one marked
    // read-only: the box says honestly that nothing was written, and the earlier
    // file stays.
    void failedWriteKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("box");
        const QString failed = QStringLiteral("ファイル テストソフト.txt を作成できません.");
        QTest::newRow("no room") << "no room" << failed;
        if (test::kLinuxFileSystem)
            return;
        QTest::newRow("held, let go while the writer retries") << "let go" << kOverwritten;
        QTest::newRow("held throughout") << "held" << failed;
        QTest::newRow("read-only attribute") << "read-only" << failed;
    }

    void failedWriteKeepsTheEarlierFile()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, box);
        m_ui->buildFreewarePreview();
        save();
        const QByteArray first = folder().read(kFileName);
        test::typeInto(preview(), QStringLiteral("手直し"));
        std::optional<test::HeldFile> held;
        if (obstacle == "read-only")
            folder().setReadOnly(true);
        else if (obstacle != "no room")
            QVERIFY(held.emplace(folder().filePath(kFileName)).isHeld());
        tarvo::setWriteFaultHookForTesting([&](tarvo::WriteStep step) {
            // Let go once the new text waits beside the file for its name.
            if (obstacle == "let go" && step == tarvo::WriteStep::Rename)
                held->releaseAfter(120);
            return obstacle == "no room" && step == tarvo::WriteStep::Write ? ENOSPC : 0;
        });
        save({ MessageBox::Answer::Yes });
        QCOMPARE(test::shownTexts(),
            (QStringList { QStringLiteral("「テストソフト」は存在します。上書きしますか？"), box }));
        held.reset();
        folder().setReadOnly(false);
        QCOMPARE(folder().read(kFileName), box == kOverwritten ? memoBytes() : first);
        QCOMPARE(
            QDir(folder().path()).entryList(QDir::Files | QDir::Hidden), (QStringList { "category.dat", kFileName }));
    }

    void wrapChoiceChangesTheViewOnly()
    {
        m_ui->buildFreewarePreview();
        preview()->appendPlainText(QString(300, QChar(u'長')));
        const QString text = preview()->toPlainText();
        QCOMPARE(preview()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(m_ui->control<RadioGroup>(form::wrapChoice)->index(), 0);

        chooseWrap(1);
        QCOMPARE(preview()->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(preview()->toPlainText(), text);
        save();
        const QByteArray unwrapped = folder().read(kFileName);

        chooseWrap(0);
        QCOMPARE(preview()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(preview()->toPlainText(), text);
        save({ MessageBox::Answer::Yes });
        QCOMPARE(folder().read(kFileName), unwrapped);
        QCOMPARE(unwrapped, memoBytes());
    }

    void folderListMovesTheSaveFolder()
    {
        folder().makeFolder(QStringLiteral("out"));
        QCOMPARE(folderLabel(), test::shown(folder().path()));
        auto* folders = m_ui->control<FolderList>(form::folders);
        folders->refresh();
        openFolderEntry(QStringLiteral("out"));
        QCOMPARE(folderLabel(), test::shown(folder().filePath("out")));
        QCOMPARE(QDir::currentPath(), folder().filePath("out"));

        m_ui->buildFreewarePreview();
        save();
        QCOMPARE(test::shownTexts(), QStringList { kCreated });
        QVERIFY(folder().exists(QStringLiteral("out/") + kFileName));
        QVERIFY(!folder().exists(kFileName));

        // Closing stores the author where the next start reads it; the save
        // folder, read-only now, neither gets a copy nor keeps the window open.
        QVERIFY(QFile::setPermissions(folder().filePath("out"), QFile::ReadOwner | QFile::ExeOwner));
        MessageBox::clearShown();
        QVERIFY(m_ui->window().close());
        QCOMPARE(test::shownTexts(), QStringList());
        QVERIFY(!folder().exists(QStringLiteral("out/setting.dat")));
        QVERIFY(folder().exists(QStringLiteral("setting.dat")));
        QFile::setPermissions(folder().filePath("out"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void vanishedFolderEntryKeepsTheFolder()
    {
        folder().makeFolder(QStringLiteral("gone"));
        m_ui->control<FolderList>(form::folders)->refresh();
        QVERIFY(QDir(folder().filePath("gone")).removeRecursively());
        openFolderEntry(QStringLiteral("gone"));
        QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("ファイルが見つかりません.") });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
        QCOMPARE(folderLabel(), test::shown(folder().path()));
        QCOMPARE(QDir::currentPath(), folder().path());
    }

    void desktopButton()
    {
        folder().makeFolder(QStringLiteral("home"));
        const test::DesktopUnder home(folder().filePath("home"));
        const QString desktop = home.desktop();

        // Missing: the error box, and everything stays where it was.
        m_ui->click(form::desktopButton);
        QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("ファイルが見つかりません.") });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
        QCOMPARE(QDir::currentPath(), folder().path());
        QCOMPARE(folderLabel(), test::shown(folder().path()));

        QVERIFY(QDir().mkpath(desktop));
        MessageBox::clearShown();
        m_ui->click(form::desktopButton);
        QCOMPARE(test::shownTexts(), QStringList());
        QCOMPARE(QDir::currentPath(), desktop);
        QCOMPARE(folderLabel(), test::shown(desktop));
        auto* folders = m_ui->control<FolderList>(form::folders);
        QCOMPARE(folders->currentItem()->text(), QStringLiteral("Desktop"));

        // Again on the desktop: nothing moves.
        m_ui->click(form::desktopButton);
        QCOMPARE(QDir::currentPath(), desktop);
        QCOMPARE(folderLabel(), test::shown(desktop));
        QCOMPARE(folders->currentItem()->text(), QStringLiteral("Desktop"));

        m_ui->buildFreewarePreview();
        save();
        QVERIFY(QFileInfo::exists(desktop + "/" + kFileName));

        // The settings file stays in the start folder, where it is read.
        QVERIFY(m_ui->window().close());
        QVERIFY(!QFileInfo::exists(desktop + "/setting.dat"));
        QVERIFY(folder().exists(QStringLiteral("setting.dat")));
    }

    void choosingTheSelectedDriveChangesNothing()
    {
        auto* drives = m_ui->control<DriveList>(form::drives);
        QVERIFY(drives->selectedVolume() >= 0);
        drives->chooseVolume(drives->selectedVolume());
        QCOMPARE(QDir::currentPath(), folder().path());
        QCOMPARE(folderLabel(), test::shown(folder().path()));
    }
};

QTEST_MAIN(TestPreviewPage)
#include "TestPreviewPage.moc"
