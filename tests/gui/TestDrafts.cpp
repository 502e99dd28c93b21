#include "GuiTestSupport.h"

#include "gui/EntryBinding.h"
#include "gui/FormNames.h"
#include "gui/LoadDialog.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"
#include "gui/widgets/RadioGroup.h"

#include "core/files/FileIo.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstdio>

using namespace tarvo::gui;
using Answer = MessageBox::Answer;

// Whatever the author typed since the last preview survives closing, a killed
// process, a restore, a dropped PAD file and the load dialog, and comes back
// at the next start in the same start folder.
namespace {

const QString kDraft = QStringLiteral("draft.dat");
const QString kQuestion = QStringLiteral("前回の入力内容「ふせんボード」が残っています。復元しますか？");
const QString kCloseQuestion = QStringLiteral("保存できないまま終了しますか？");
// Another software's backup, for the load dialog to list and restore.
const QByteArray kOtherBackup
    = test::sj("#別の作者\r\n#0\r\n#\r\n#\r\n#\r\n#other.zip\r\n#\r\n#\r\n#\r\n#000000\r\n#\r\n"
               "#フリーウェア\r\n#\r\n#\r\n#0\r\n#0\r\n#0\r\n@特になし\r\n");

template <typename T> T* control(QWidget* window, const char* name)
{
    return requireChild<T>(window, name);
}

void prepareStartFolder(const test::StartFolder& folder)
{
    folder.write(QStringLiteral("category.dat"), test::sj("#ユーティリティ\r\nファイル管理\r\n#ゲーム\r\nパズル\r\n"));
    folder.makeFolder(QStringLiteral("data"));
}

std::unique_ptr<MainWindow> startWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the main window did not come up");
    window->ensurePagesBuilt();
    return window;
}

// Key by key, pasted, chosen and clicked, on both entry pages and into the
// preview; a reason typed and then hidden by its choice, and a listing
// directory without its second level, which no backup keeps.
void typeTheForm(MainWindow& w)
{
    auto line = [&w](const char* name) { return control<QLineEdit>(&w, name); };
    auto memo = [&w](const char* name) { return control<QPlainTextEdit>(&w, name); };
    auto group = [&w](const char* name) { return control<RadioGroup>(&w, name); };
    test::typeInto(line(form::authorId), QStringLiteral("PA000123"));
    test::clickItem(group(form::submissionKind), 1);
    test::typeInto(line(form::originalLibraryNumber), QStringLiteral("PS000042"));
    test::typeInto(line(form::softwareName), QStringLiteral("ふせんボード"));
    test::pasteInto(line(form::headline), QStringLiteral("画面に貼る付箋"));
    test::typeInto(memo(form::description), QStringLiteral("一行目"));
    QTest::keyClick(memo(form::description), Qt::Key_Return);
    test::typeInto(memo(form::description), QStringLiteral("二行目"));
    test::typeInto(line(form::archiveFileName), QStringLiteral("fusen.zip"));
    QTest::mouseClick(control<QCheckBox>(&w, form::operatingSystems[1]), Qt::LeftButton);
    test::typeInto(control<QComboBox>(&w, form::handling)->lineEdit(), QStringLiteral("シェアウェア"));
    test::chooseItem(control<QComboBox>(&w, form::category), 1);
    test::clickItem(group(form::fileLocation), 3);
    test::typeInto(line(form::fileLocationOther), QStringLiteral("BBS"));
    test::clickItem(group(form::printPermission), 1);
    test::typeInto(line(form::printRefusalReason), QStringLiteral("紙は不可"));
    test::clickItem(group(form::printPermission), 0);
    test::pasteInto(memo(form::notes), QStringLiteral("連絡\n事項"));
    control<QTabWidget>(&w, form::pages)->setCurrentIndex(1);
    test::typeInto(line(form::sharewareFee), QStringLiteral("1200"));
    test::pasteInto(memo(form::sharewareConditions), QStringLiteral("30日間"));
    test::typeInto(line(form::registeredProductNumber), QStringLiteral("SR000777"));
    control<QTabWidget>(&w, form::pages)->setCurrentIndex(3);
    test::typeInto(memo(form::preview), QStringLiteral("手直しした文"));
    control<QTabWidget>(&w, form::pages)->setCurrentIndex(0);
}

// Every field, choice, check box and follow-up visibility, and the preview text.
QString formState(MainWindow& w)
{
    return test::describe(w.entry().read()) + QStringLiteral("|preview=")
        + control<QPlainTextEdit>(&w, form::preview)->toPlainText();
}

// In a process of its own, which the test kills once the draft had time to be written.
int typeAndWaitToBeKilled()
{
    test::answerEveryBox();
    const std::unique_ptr<MainWindow> window = startWindow();
    typeTheForm(*window);
    std::printf("typed\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// In a process of its own, as another user: the close's message is answered
// by Enter and its question by Alt+Y; the boxes seen go to the standard output.
int closeAnsweringYes()
{
    const std::unique_ptr<MainWindow> window = startWindow();
    MessageBox::clearShown();
    test::BoxBounds bounds;
    bounds.failTest = false;
    test::whenMessageBoxShows(
        [bounds](QMessageBox* box) {
            QTest::keyClick(box, Qt::Key_Return);
            test::whenMessageBoxShows(
                [](QMessageBox* question) { QTest::keyClick(question, Qt::Key_Y, Qt::AltModifier); }, bounds);
        },
        bounds);
    QTimer::singleShot(0, window.get(), [&window] { window->close(); });
    QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(3); });
    const int status = QCoreApplication::exec();
    // UTF-8 whatever the code page; Windows' text mode adds CR before LF.
    std::printf("%s\n", test::shownTexts().join(QLatin1Char('\n')).toUtf8().constData());
    return status;
}

} // namespace

class TestDrafts : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::StartFolder> m_folder;
    // The form as typed, and the backup its preview writes, from a window of its own.
    QString m_typed;
    QByteArray m_typedBackup;

    QString backupName() const { return QStringLiteral("data/ふせんボード.bak"); }

    // This test program in the start folder, in the mode given, as an ordinary user where asked.
    QProcess* startChild(const QString& mode, bool asOrdinaryUser = false) const
    {
        auto* child = new QProcess;
        child->setWorkingDirectory(m_folder->path());
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList command { QCoreApplication::applicationFilePath(), mode };
        if (asOrdinaryUser)
            command = QStringList { "setpriv", "--reuid=65534", "--regid=65534", "--clear-groups" } + command;
        child->start(command.takeFirst(), command);
        return child;
    }

    void killAfterTheDraftIsWritten() const
    {
        const std::unique_ptr<QProcess> child(startChild(QStringLiteral("--type-and-wait")));
        QElapsedTimer waited;
        waited.start();
        while (!child->canReadLine() && waited.elapsed() < 60000 && child->state() != QProcess::NotRunning)
            child->waitForReadyRead(1000);
        QCOMPARE(child->readLine().trimmed(), QByteArray("typed"));
        // A second of quiet writes the draft; one more, and the process dies without closing.
        QTest::qWait(1000);
        QTRY_VERIFY_WITH_TIMEOUT(m_folder->exists(kDraft), 10000);
        QTest::qWait(1000);
        child->kill();
        QVERIFY(child->waitForFinished(10000));
    }

    // Opens the list of backups and loads another software's, or cancels.
    void useTheLoadDialog(MainWindow& w, bool load) const
    {
        m_folder->write(QStringLiteral("data/other.bak"), kOtherBackup);
        QTest::mouseClick(control<QWidget>(&w, form::loadPanel), Qt::LeftButton);
        QListView* list = requireChild<QListView>(&w.loadDialog(), form::backupList);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
        QTest::mouseClick(
            requireChild<QPushButton>(&w.loadDialog(), load ? form::loadButton : form::cancelButton), Qt::LeftButton);
        QVERIFY(!w.loadDialog().isVisible());
        // Cancel changes nothing; a Load replaces the form and empties the preview.
        if (!load) {
            QCOMPARE(formState(w), m_typed);
            return;
        }
        QCOMPARE(control<QLineEdit>(&w, form::softwareName)->text(), QStringLiteral("other"));
        QCOMPARE(control<QPlainTextEdit>(&w, form::preview)->toPlainText(), QString());
        // The other backup previewed again: the typing it replaced stays in the draft.
        QTest::mouseClick(control<QPushButton>(&w, form::previewButton), Qt::LeftButton);
        QVERIFY(m_folder->read(QStringLiteral("data/other.bak")) != kOtherBackup);
    }

    void dropPadOverItsBackup(MainWindow& w) const
    {
#if TARVO_PAD_IMPORT
        m_folder->write(backupName(), "#old\r\n");
        MessageBox::setNextAnswer(Answer::Yes);
        test::answerEveryBoxAfterQueued();
        QVERIFY(test::dropFile(&w, QStringLiteral(TARVO_PAD_FIXTURES "/fusen-freeware-ja.xml")));
        // The import runs after the drop has returned.
        QCOMPARE(m_folder->read(backupName()), QByteArray("#old\r\n"));
        QTRY_COMPARE_WITH_TIMEOUT(
            control<QLineEdit>(&w, form::archiveFileName)->text(), QStringLiteral("fusen120.zip"), 10000);
        QVERIFY(test::shownTexts().contains(
            QStringLiteral("バックアップ「ふせんボード.bak」はもうあります。置き換えますか？")));
#else
        static_cast<void>(w);
        QSKIP("a build without PAD import");
#endif
    }

private slots:
    void initTestCase()
    {
        const test::StartFolder folder;
        prepareStartFolder(folder);
        test::answerEveryBox();
        const std::unique_ptr<MainWindow> window = startWindow();
        typeTheForm(*window);
        m_typed = formState(*window);
        QVERIFY(m_typed.contains(QStringLiteral("headline=画面に貼る付箋|")));
        QVERIFY(m_typed.contains(QStringLiteral("printReason=紙は不可|")));
        QVERIFY(m_typed.endsWith(QStringLiteral("|visible=1100|preview=手直しした文")));
        QTest::mouseClick(control<QPushButton>(window.get(), form::previewButton), Qt::LeftButton);
        m_typedBackup = folder.read(backupName());
        QVERIFY(m_typedBackup.startsWith("#PA000123\r\n"));
    }

    void init()
    {
        m_folder = std::make_unique<test::StartFolder>();
        prepareStartFolder(*m_folder);
        test::answerEveryBox();
    }

    void cleanup()
    {
        m_folder.reset();
        MessageBox::clearNextAnswers();
        MessageBox::clearShown();
    }

    void typingComesBackAtTheNextStart_data()
    {
        QTest::addColumn<QString>("loss");
        for (const char* loss :
            { "close", "kill", "restore", "drop", "cancel load", "close refused, then No", "answered No", "damaged" })
            QTest::newRow(loss) << QString::fromLatin1(loss);
    }

    void typingComesBackAtTheNextStart()
    {
        QFETCH(QString, loss);
        if (loss == QLatin1String("kill")) {
            killAfterTheDraftIsWritten();
        } else {
            std::unique_ptr<MainWindow> window = startWindow();
            typeTheForm(*window);
            QCOMPARE(formState(*window), m_typed);
            if (loss == QLatin1String("restore") || loss == QLatin1String("cancel load"))
                useTheLoadDialog(*window, loss == QLatin1String("restore"));
            else if (loss == QLatin1String("drop"))
                dropPadOverItsBackup(*window);
            else if (loss == QLatin1String("close refused, then No")) {
                // Nothing can be written: both files' messages, then the question, whose No keeps the window.
                tarvo::setWriteFaultHookForTesting([](tarvo::WriteStep) { return EACCES; });
                MessageBox::clearShown();
                window->close();
                tarvo::setWriteFaultHookForTesting({});
                QCOMPARE(test::shownTexts(),
                    QStringList({ QStringLiteral("ファイル setting.dat を作成できません."),
                        QStringLiteral("ファイル draft.dat を作成できません."), kCloseQuestion }));
                QCOMPARE(MessageBox::shown().back().kind, MessageBox::Kind::Question);
                QVERIFY(window->isVisible());
                QCOMPARE(formState(*window), m_typed);
            }
            QVERIFY(window->close());
        }
        QVERIFY(m_folder->exists(kDraft));
        QVERIFY(!QFileInfo::exists(m_folder->filePath(QStringLiteral("data/draft.dat"))));

        const QByteArray draft = m_folder->read(kDraft);
        if (loss == QLatin1String("damaged"))
            m_folder->write(kDraft, draft.chopped(1));
        MessageBox::clearShown();
        MessageBox::setNextAnswer(loss == QLatin1String("answered No") ? Answer::No : Answer::Yes);
        test::answerEveryBoxAfterQueued();
        std::unique_ptr<MainWindow> again = startWindow();
        if (loss == QLatin1String("damaged") || loss == QLatin1String("answered No")) {
            const QString state = formState(*again);
            QVERIFY(state.contains(QStringLiteral("|name=|headline=|description=|")));
            QVERIFY(state.endsWith(QStringLiteral("|preview=")));
        }
        if (loss == QLatin1String("damaged")) {
            QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("ファイル draft.dat は開けません.") });
            return;
        }
        QCOMPARE(test::shownTexts(), QStringList { kQuestion });
        if (loss == QLatin1String("answered No")) {
            // Kept until the next change of the form, which replaces it a second later, not at its keystroke.
            test::typeInto(control<QLineEdit>(again.get(), form::headline), QStringLiteral("x"));
            QCOMPARE(m_folder->read(kDraft), draft);
            QTRY_VERIFY_WITH_TIMEOUT(m_folder->read(kDraft) != draft, 5000);
            return;
        }
        QCOMPARE(formState(*again), m_typed);
        // Previewed, the draft gives the backup the typed form gives, and goes.
        QTest::mouseClick(control<QPushButton>(again.get(), form::previewButton), Qt::LeftButton);
        QCOMPARE(m_folder->read(backupName()), m_typedBackup);
        QVERIFY(!m_folder->exists(kDraft));
    }

    // A start folder the user may not write (on Linux as an ordinary user, on
    // Windows a read-only settings file): closing shows the message as before,
    // and Yes to the question ends the process normally.
    void readOnlyStartFolderClosesOnYes()
    {
        m_folder->write(QStringLiteral("setting.dat"), "#\r\n");
        m_folder->setReadOnly(true);
        const std::unique_ptr<QProcess> child(
            startChild(QStringLiteral("--close-answering-yes"), test::kLinuxFileSystem));
        QVERIFY(child->waitForFinished(60000));
        m_folder->setReadOnly(false);
        QCOMPARE(child->exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(child->readAllStandardOutput()).remove(QLatin1Char('\r')),
            QStringLiteral("ファイル setting.dat を作成できません.\n") + kCloseQuestion + QLatin1Char('\n'));
        QCOMPARE(child->exitCode(), 0);
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1 && arguments.at(1) == QLatin1String("--type-and-wait"))
        return typeAndWaitToBeKilled();
    if (arguments.size() > 1 && arguments.at(1) == QLatin1String("--close-answering-yes"))
        return closeAnsweringYes();
    TestDrafts test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestDrafts.moc"
