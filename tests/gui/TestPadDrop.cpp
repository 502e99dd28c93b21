#include "GuiTestSupport.h"

#include "gui/EntryBinding.h"
#include "gui/FormNames.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"

#include "core/backup/BackupList.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

using namespace tarvo::gui;

// A PAD file dropped on the window becomes a backup in its own data folder and
// is loaded as "load" loads that backup.
class TestPadDrop : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowUnderTest> m_ui;

    QString fixture() const { return QStringLiteral(TARVO_PAD_FIXTURES "/fusen-freeware-ja.xml"); }
    QString backup() const { return m_ui->folder().filePath(QStringLiteral("data/ふせんボード.bak")); }

    bool drop(const QString& file) const { return test::dropFile(&m_ui->window(), file); }

private slots:
    void init() { m_ui = std::make_unique<test::WindowUnderTest>(); }
    void cleanup() { m_ui.reset(); }

    void droppedFileIsWrittenAndLoadedAsLoadDoes()
    {
        const tarvo::RegistrationEntry before = m_ui->window().entry().read();
        // A Japanese name, which Windows' ANSI code page need not hold, reaches the reader whole.
        const QString file = m_ui->folder().filePath(QStringLiteral("ふせんボード.xml"));
        QVERIFY(QFile::copy(fixture(), file));
        QVERIFY(drop(file));
        QVERIFY(!QFile::exists(backup()));
        QCoreApplication::processEvents();
        QVERIFY(QFile::exists(backup()));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        const tarvo::ListedRestore expected
            = tarvo::restoreListedBackup(tarvo::listedBackupOf(test::native(backup())), before);
        QVERIFY(expected.entry);
        QCOMPARE(test::describe(m_ui->window().entry().read()), test::describe(*expected.entry));
        QCOMPARE(m_ui->control<QLineEdit>(form::softwareName)->text(), QStringLiteral("ふせんボード"));
        QCOMPARE(m_ui->control<QLineEdit>(form::archiveFileName)->text(), QStringLiteral("fusen120.zip"));
        const QStringList shown = test::shownTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.front().startsWith(QStringLiteral("警告：掲載許諾")));
        QVERIFY(!shown.front().contains(QStringLiteral("\n")));
    }

    // The backup may hold what the author added by hand: Enter and Escape keep it.
    void existingBackupIsKeptOnEnterAndEscape()
    {
        for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Escape }) {
            m_ui->folder().write(QStringLiteral("data/ふせんボード.bak"), "#old\r\n");
            MessageBox::clearNextAnswers();
            QString asked;
            test::whenMessageBoxShows([key, &asked](QMessageBox* question) {
                asked = question->text();
                QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
                QTest::keyClick(question, key);
                test::whenMessageBoxShows([](QMessageBox* findings) { QTest::keyClick(findings, Qt::Key_Return); });
            });
            drop(fixture());
            QCoreApplication::processEvents();
            QTRY_VERIFY_WITH_TIMEOUT(!asked.isEmpty() && !QApplication::activeModalWidget(), 10000);
            QCOMPARE(asked, QStringLiteral("バックアップ「ふせんボード.bak」はもうあります。置き換えますか？"));
            QCOMPARE(m_ui->folder().read(QStringLiteral("data/ふせんボード.bak")), QByteArray("#old\r\n"));
        }
    }

    // The backup is replaced only after "はい(&Y)" to a question naming it.
    void existingBackupNeedsTheAuthorsYes()
    {
        m_ui->folder().write(QStringLiteral("data/ふせんボード.bak"), "#old\r\n");
        drop(fixture());
        QCoreApplication::processEvents();
        QCOMPARE(m_ui->folder().read(QStringLiteral("data/ふせんボード.bak")), QByteArray("#old\r\n"));
        const QStringList expected { QStringLiteral("バックアップ「ふせんボード.bak」はもうあります。置き換えますか？"),
            QStringLiteral(
                "警告：掲載許諾（出版物・インターネット）は PAD から決められないため「許可」のままです。"
                "画面の「弊社出版物への掲載許諾」「弊社インターネットサイトでの公開許諾」を確かめて下さい。") };
        QCOMPARE(test::shownTexts(), expected);
        QVERIFY(m_ui->control<QLineEdit>(form::softwareName)->text().isEmpty());
        MessageBox::clearShown();
        MessageBox::setNextAnswer(MessageBox::Answer::Yes);
        test::answerEveryBoxAfterQueued();
        drop(fixture());
        QCoreApplication::processEvents();
        QVERIFY(m_ui->folder().read(QStringLiteral("data/ふせんボード.bak")).startsWith("#"));
        QCOMPARE(m_ui->control<QLineEdit>(form::softwareName)->text(), QStringLiteral("ふせんボード"));
    }

    // A file refused only for characters the table replaces: one question
    // listing them, which Enter answers いいえ; after はい the replaced name loads.
    void replaceableCharactersAreOfferedOnceNoByDefault()
    {
        m_ui->folder().write(QStringLiteral("cafe.xml"),
            "<XML_DIZ_INFO><Program_Info><Program_Name>Caf&#233; &#233;&#8211;</Program_Name></Program_Info>"
            "</XML_DIZ_INFO>");
        const QString file = m_ui->folder().filePath(QStringLiteral("cafe.xml"));
        MessageBox::clearNextAnswers();
        const auto asked = test::whenMessageBoxShows([](QMessageBox* box) {
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
            MessageBox::setDefaultAnswer(MessageBox::Answer::Ok);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(drop(file));
        QCoreApplication::processEvents();
        QVERIFY(asked->inspected);
        const QString question
            = QStringLiteral("Shift-JIS で表せない文字があります。次のように置き換えて取り込みますか？\n"
                             "「é」→「e」\n「–」→「-」");
        QCOMPARE(test::shownTexts().front(), question);
        QCOMPARE(test::shownTexts().count(question), 1);
        QVERIFY(!m_ui->folder().exists(QStringLiteral("data/Cafe e-.bak")));
        MessageBox::clearShown();
        MessageBox::setNextAnswer(MessageBox::Answer::Yes);
        test::answerEveryBoxAfterQueued();
        QVERIFY(drop(file));
        QCoreApplication::processEvents();
        QVERIFY(m_ui->folder().exists(QStringLiteral("data/Cafe e-.bak")));
        QCOMPARE(m_ui->control<QLineEdit>(form::softwareName)->text(), QStringLiteral("Cafe e-"));
    }

    // The window words every finding in its own terms: no command-line option.
    void findingsNameNoOption()
    {
        const QList<QByteArray> files { "<XML_DIZ_INFO><Program_Info><Program_Name>Caf\xE9</Program_Name>"
                                        "</Program_Info></XML_DIZ_INFO>",
            "<XML_DIZ_INFO><Program_Info><Program_Name>Tool</Program_Name><Program_Type>Shareware</Program_Type>"
            "<Program_Release_Status>Major Update</Program_Release_Status></Program_Info></XML_DIZ_INFO>" };
        for (const QByteArray& bytes : files) {
            m_ui->folder().write(QStringLiteral("in.xml"), bytes);
            MessageBox::clearShown();
            QVERIFY(drop(m_ui->folder().filePath(QStringLiteral("in.xml"))));
            QCoreApplication::processEvents();
            const QString shown = test::shownTexts().join(QLatin1Char('\n'));
            QVERIFY2(!shown.isEmpty() && !shown.contains(QStringLiteral("--")), qPrintable(shown));
        }
    }
};

QTEST_MAIN(TestPadDrop)
#include "TestPadDrop.moc"
