#include "GuiTestSupport.h"

#include "WidgetLookup.h"
#include "gui/EntryBinding.h"
#include "gui/MainWindow.h"
#include "gui/MessageBox.h"
#include "gui/QtText.h"

#include "core/document/PreviewCommand.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace tarvo::gui;
using test::sj;

Q_DECLARE_METATYPE(MessageBox::Kind)

namespace {

const QString kSuccess = QStringLiteral("バックアップを取ると同時にプレビューの作成に成功しました！");
const QString kEarlierPreview = QStringLiteral("前のプレビュー\n");

enum Handling { Freeware = 0, Shareware = 2, Other = 9 };

} // namespace

class TestPreviewButton : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::StartFolder> m_folder;
    std::unique_ptr<MainWindow> m_window;

    template <typename T> T* control(const char* name) const { return requireChild<T>(m_window.get(), name); }

    void fillRequired(Handling handling)
    {
        test::typeInto(control<QLineEdit>(form::authorId), QStringLiteral("山川 一郎"));
        test::typeInto(control<QLineEdit>(form::softwareName), QStringLiteral("テストソフト"));
        test::typeInto(control<QLineEdit>(form::archiveFileName), QStringLiteral("test.lzh"));
        test::chooseItem(control<QComboBox>(form::handling), handling);
    }

    void pressPreview()
    {
        MessageBox::clearShown();
        QTest::mouseClick(control<QPushButton>(form::previewButton), Qt::LeftButton);
    }

    QStringList previewLines() const
    {
        QStringList lines = control<QPlainTextEdit>(form::preview)->toPlainText().split('\n');
        // Every line ends in a line break, so the text ends in an empty block.
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        return lines;
    }

    QString backupName() const { return QStringLiteral("data/テストソフト.bak"); }

    // What the core's preview command makes of the entry the window holds; its
    // texts are checked line by line in the core's tests.
    tarvo::PreviewOutcome coreOutcome() const { return tarvo::runPreviewCommand(m_window->entry().read()); }
    QString corePreview() const { return fromCp932(coreOutcome().previewText).replace("\r\n", "\n"); }

private slots:
    void init()
    {
        m_folder = std::make_unique<test::StartFolder>();
        m_folder->write("category.dat", sj("#A\r\nx\r\n"));
        m_folder->makeFolder("data");
        test::answerEveryBox();
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->ensurePagesBuilt();
        control<QPlainTextEdit>(form::preview)->setPlainText(kEarlierPreview);
    }

    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
        MessageBox::clearNextAnswers();
    }

    void freewareSucceedsAndWritesTheBackup()
    {
        fillRequired(Freeware);
        pressPreview();

        QCOMPARE(test::shownTexts(), QStringList { kSuccess });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Message);
        QCOMPARE(control<QPlainTextEdit>(form::notes)->toPlainText(), QStringLiteral("特になし"));
        QCOMPARE(control<QPlainTextEdit>(form::preview)->toPlainText(), corePreview());
        QCOMPARE(m_folder->read(backupName()), QByteArray::fromStdString(coreOutcome().backupText));
        // The author opens the preview page; the command does not.
        QCOMPARE(control<QTabWidget>(form::pages)->currentIndex(), 0);
    }

    // Full-width digits reach the preview and the backup as digits.
    void sharewareSucceedsWithItsSection_data()
    {
        QTest::addColumn<QString>("fee");
        QTest::newRow("digits") << "1000";
        QTest::newRow("full-width digits") << "１０００";
    }

    void sharewareSucceedsWithItsSection()
    {
        fillRequired(Shareware);
        QFETCH(QString, fee);
        test::typeInto(control<QLineEdit>(form::sharewareFee), fee);
        test::typeInto(control<QLineEdit>(form::registeredProductNumber), QStringLiteral("SR000001"));
        pressPreview();

        QCOMPARE(test::shownTexts(), QStringList { kSuccess });
        const QStringList lines = previewLines();
        // Rows S7, S10, S13, S19 and S22 are left out for their empty fields.
        QCOMPARE(lines.size(), 47 + 18);
        QCOMPARE(lines.at(47), QStringLiteral("---以下の部分はシェアウェアの場合のみお書きください--"));
        QCOMPARE(lines.at(50), QStringLiteral("1000円"));
        QCOMPARE(lines.at(59), QStringLiteral("SR000001"));
        QVERIFY(m_folder->read(backupName()).endsWith(sj("@特になし\r\n#1000\r\n#\r\n#\r\n#SR000001\r\n#\r\n#\r\n")));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<MessageBox::Kind>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("previewLines"); // 0: the earlier preview stays
        QTest::addColumn<QString>("lastText"); // the last line that is not empty

        using Kind = MessageBox::Kind;
        QTest::newRow("missing author") << "no-author" << Kind::Message
                                        << "どこか記入もれがあります。★マークの欄は必須ですので記入して下さい。"
                                           "また、「ファイルの所在を「その他」を選んだ場合は空欄に記入して下さい。"
                                        << 0 << QString();
        QTest::newRow("handling never matched")
            << "typed-handling" << Kind::Error << "'' は整数ではありません." << 0 << QString();
        QTest::newRow("shareware without fee")
            << "shareware" << Kind::Message << "「シェアウェア料金」の部分が記入されていません！" << 47 << "特になし";
        QTest::newRow("fee below the range")
            << "fee-499" << Kind::Message << "シェアウェア料金は500円以上15,000円以下でお願いします。" << 47
            << "特になし";
        QTest::newRow("fee beyond an integer")
            << "fee-2147483648" << Kind::Error << "'2147483648' は整数ではありません." << 47 << "特になし";
        QTest::newRow("no product number") << "fee-1000" << Kind::Message << "「レジ作品番号」が記入されていません！"
                                           << 47 + 11 << "[郵便振替送金方法]";
    }

    // Nothing is written; a refusal after the common section leaves the partial
    // text in the preview.
    void refusals()
    {
        QFETCH(QString, setup);
        if (setup == "typed-handling") {
            // Pasted whole, the text never equalled an item, so no kind was set.
            test::typeInto(control<QLineEdit>(form::authorId), QStringLiteral("山川 一郎"));
            test::typeInto(control<QLineEdit>(form::softwareName), QStringLiteral("テストソフト"));
            test::typeInto(control<QLineEdit>(form::archiveFileName), QStringLiteral("test.lzh"));
            test::pasteInto(control<QComboBox>(form::handling)->lineEdit(), QStringLiteral("シェアウェア "));
        } else {
            fillRequired(setup.startsWith("fee") || setup == "shareware" ? Shareware : Freeware);
        }
        if (setup == "no-author")
            control<QLineEdit>(form::authorId)->clear();
        if (setup.startsWith("fee-"))
            test::typeInto(control<QLineEdit>(form::sharewareFee), setup.mid(4));
        pressPreview();

        QFETCH(QString, message);
        QCOMPARE(test::shownTexts(), QStringList { message });
        QTEST(MessageBox::shown().front().kind, "kind");
        QFETCH(int, previewLines);
        if (previewLines == 0) {
            QCOMPARE(control<QPlainTextEdit>(form::preview)->toPlainText(), kEarlierPreview);
        } else {
            const QStringList lines = this->previewLines();
            QCOMPARE(lines.size(), previewLines);
            QCOMPARE(lines.back(), QString());
            QTEST(lines.at(lines.size() - 2), "lastText");
        }
        QVERIFY(!m_folder->exists(backupName()));
    }

    // The document is complete, the backup cannot be made: the error box, and
    // no success message.
    void backupFolderMissing()
    {
        QVERIFY(QDir(m_folder->filePath("data")).removeRecursively());
        fillRequired(Freeware);
        pressPreview();
        const QString path = test::shown(m_folder->path() + "/data/テストソフト.bak");
        QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("ファイル %1 を作成できません.").arg(path) });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
        QCOMPARE(control<QPlainTextEdit>(form::preview)->toPlainText(), corePreview());
    }

    // A backup the load dialog would never list is refused before anything is
    // written, like a name that cannot be a file name.
    void nameStartingWithADotIsRefused()
    {
        fillRequired(Freeware);
        auto* name = control<QLineEdit>(form::softwareName);
        for (const char* dotted : { ".hidden", ".", ".." }) {
            name->clear();
            test::typeInto(name, QString::fromLatin1(dotted));
            pressPreview();
            // Windows refuses a name ending in a dot as it refuses "/".
            const QString box = !test::kLinuxFileSystem && QByteArray(dotted).endsWith('.')
                ? QStringLiteral("ファイル %1 を作成できません.")
                      .arg(test::shown(m_folder->path() + "/data/" + dotted + ".bak"))
                : QStringLiteral("不正なファイル名です.");
            QCOMPARE(test::shownTexts(), QStringList { box });
            QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
        }
        QCOMPARE(QDir(m_folder->filePath("data")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
    }

    void refusalLeavesAnEarlierBackup()
    {
        fillRequired(Other);
        pressPreview();
        const QByteArray first = m_folder->read(backupName());
        QVERIFY(!first.isEmpty());
        test::typeInto(control<QLineEdit>(form::sharewareFee), QStringLiteral("100"));
        pressPreview();
        QCOMPARE(test::shownTexts(),
            QStringList { QStringLiteral("シェアウェア料金は500円以上15,000円以下でお願いします。") });
        QCOMPARE(m_folder->read(backupName()), first);
    }

    // Notes whose first line is empty get "特になし" in the field itself; running
    // again changes nothing more.
    void notesReplacementIsShown()
    {
        fillRequired(Freeware);
        auto* notes = control<QPlainTextEdit>(form::notes);
        notes->setFocus();
        QTest::keyClick(notes, Qt::Key_Return);
        test::typeInto(notes, QStringLiteral("二行目"));
        QCOMPARE(notes->toPlainText(), QStringLiteral("\n二行目"));
        pressPreview();
        QCOMPARE(notes->toPlainText(), QStringLiteral("特になし\n二行目"));
        const QString firstText = control<QPlainTextEdit>(form::preview)->toPlainText();
        pressPreview();
        QCOMPARE(notes->toPlainText(), QStringLiteral("特になし\n二行目"));
        QCOMPARE(control<QPlainTextEdit>(form::preview)->toPlainText(), firstText);
        QCOMPARE(test::shownTexts(), QStringList { kSuccess });
    }
};

QTEST_MAIN(TestPreviewButton)
#include "TestPreviewButton.moc"
