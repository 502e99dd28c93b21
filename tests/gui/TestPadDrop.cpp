#include "GuiTestSupport.h"

#include "gui/EntryBinding.h"
#include "gui/FormNames.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"

#include "core/backup/BackupList.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
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

    bool drop(const QString& file) const
    {
        QMimeData mime;
        mime.setUrls({ QUrl::fromLocalFile(file) });
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_ui->window(), &enter);
        QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_ui->window(), &dropped);
        return enter.isAccepted();
    }

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
        QVERIFY(QFile::exists(backup()));
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

    // The backup is replaced only after "はい(&Y)" to a question naming it.
    void existingBackupNeedsTheAuthorsYes()
    {
        m_ui->folder().write(QStringLiteral("data/ふせんボード.bak"), "#old\r\n");
        drop(fixture());
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
            MessageBox::setDefaultAnswer(MessageBox::Answer::Ok);
            QTest::keyClick(box, Qt::Key_Return);
        });
        drop(file);
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
        drop(file);
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
            drop(m_ui->folder().filePath(QStringLiteral("in.xml")));
            const QString shown = test::shownTexts().join(QLatin1Char('\n'));
            QVERIFY2(!shown.isEmpty() && !shown.contains(QStringLiteral("--")), qPrintable(shown));
        }
    }
};

QTEST_MAIN(TestPadDrop)
#include "TestPadDrop.moc"
