#include "GuiTestSupport.h"

#include "gui/EntryBinding.h"
#include "gui/LoadDialog.h"
#include "gui/widgets/RadioGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <utility>

using namespace tarvo::gui;
using test::sj;

namespace {

const QString kNoBackups = QStringLiteral("バックアップデータがありません！");
// ")" sorts before ".", so the box adds no full stop.
const QString kIndexError = QStringLiteral("リストのインデックスが範囲を超えています (-1)");
const QString kDigitsOnly = QStringLiteral("記入欄には半角の数字しか使うことはできません！");

// The entry's one-line edits, in the order of the pages.
const char* const kOneLineFields[] = { form::authorId, form::originalLibraryNumber, form::softwareName, form::headline,
    form::archiveFileName, form::publicationFileName, form::version, form::otherOs, form::requiredSoftware,
    form::fileLocationOther, form::printRefusalReason, form::webRefusalReason, form::sharewareFee, form::bankRemittance,
    form::postalRemittance, form::registeredProductNumber, form::niftyRemittance, form::otherRemittance };

// A backup file of the given lines, each ended by CR LF.
QByteArray backupBytes(const QStringList& lines)
{
    return sj((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8().constData());
}

// A freeware record with every common row, the given author and handling.
QStringList commonRows(const QString& author, const QString& handling)
{
    return { "#" + author, "#0", "#", "#名前", "#見出し", "@説明", "#a.lzh", "#", "#", "#", "#000000", "#",
        "#" + handling, "#", "#", "#0", "#0", "#0", "@特になし" };
}

} // namespace

class TestLoadPanel : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowUnderTest> m_ui;

    template <typename T> T* control(const char* name) const { return m_ui->control<T>(name); }
    LoadDialog& dialog() const { return m_ui->window().loadDialog(); }
    QListView* dialogList() const { return requireChild<QListView>(&dialog(), form::backupList); }
    QString handlingKind() const { return QString::fromStdString(m_ui->window().entry().handlingKind().text()); }
    const test::StartFolder& folder() const { return m_ui->folder(); }

    void writeBackupFile(const QString& name, const QByteArray& bytes) const
    {
        folder().write(QStringLiteral("data/") + name, bytes);
    }

    QStringList dialogEntries() const
    {
        QStringList entries;
        for (int row = 0; row < dialogList()->model()->rowCount(); ++row)
            entries.append(dialogList()->model()->index(row, 0).data().toString());
        return entries;
    }

    void clickLoadPanel() const
    {
        MessageBox::clearShown();
        m_ui->click(form::loadPanel);
    }

    void chooseEntry(int row) const
    {
        const QPoint at = dialogList()->visualRect(dialogList()->model()->index(row, 0)).center();
        QTest::mouseClick(dialogList()->viewport(), Qt::LeftButton, {}, at);
    }

    void pressLoad() const
    {
        MessageBox::clearShown();
        QTest::mouseClick(requireChild<QPushButton>(&dialog(), form::loadButton), Qt::LeftButton);
    }

    // Opens the list and loads the entry in `row`.
    void load(int row) const
    {
        clickLoadPanel();
        QVERIFY(dialog().isVisible());
        chooseEntry(row);
        pressLoad();
    }

    void clickItem(const char* group, int index) const { test::clickItem(control<RadioGroup>(group), index); }

    void retype(const char* name, const QString& text) const
    {
        QWidget* target = control<QWidget>(name);
        if (auto* combo = qobject_cast<QComboBox*>(target))
            target = combo->lineEdit();
        if (auto* edit = qobject_cast<QLineEdit*>(target))
            edit->clear();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(target))
            memo->clear();
        const QStringList lines = text.split('\n');
        for (qsizetype at = 0; at < lines.size(); ++at) {
            if (at > 0)
                QTest::keyClick(target, Qt::Key_Return);
            test::typeInto(target, lines.at(at));
        }
    }

    void setChecked(const char* name, bool checked) const
    {
        auto* box = control<QCheckBox>(name);
        if (box->isChecked() != checked)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    // Everything the entry controls show, by form name, with the follow-up
    // fields' visibility.
    QMap<QString, QString> snapshot() const
    {
        QMap<QString, QString> shown;
        for (const char* name : kOneLineFields) {
            auto* edit = control<QLineEdit>(name);
            shown.insert(name, edit->text() + (edit->isHidden() ? " (hidden)" : ""));
        }
        for (const char* name : { form::machine, form::category, form::subcategory, form::handling })
            shown.insert(name, control<QComboBox>(name)->currentText());
        for (const char* name : { form::description, form::notes, form::sharewareConditions })
            shown.insert(name, control<QPlainTextEdit>(name)->toPlainText());
        for (const char* name :
            { form::submissionKind, form::fileLocation, form::printPermission, form::webPermission })
            shown.insert(name, QString::number(control<RadioGroup>(name)->index()));
        for (const char* name : form::operatingSystems)
            shown.insert(name, control<QCheckBox>(name)->isChecked() ? "on" : "off");
        for (const char* name : { form::originalLibraryNumberCaption, form::fileLocationOtherCaption,
                 form::printRefusalCaption, form::webRefusalCaption })
            shown.insert(name, control<QLabel>(name)->isHidden() ? "hidden" : "shown");
        return shown;
    }

    // A shareware entry with every field filled in and three follow-up fields
    // shown, built into a preview and its backup.
    void buildFullSharewareEntry() const
    {
        m_ui->showPage(0);
        retype(form::authorId, QStringLiteral("山川 一郎"));
        clickItem(form::submissionKind, 1);
        retype(form::originalLibraryNumber, QStringLiteral("PS000123"));
        retype(form::softwareName, QStringLiteral("テストソフト"));
        retype(form::headline, QStringLiteral("一行見出し"));
        retype(form::description, QStringLiteral("説明一行目\n\n三行目\n"));
        retype(form::archiveFileName, QStringLiteral("test.lzh"));
        retype(form::publicationFileName, QStringLiteral("test2.lzh"));
        retype(form::version, QStringLiteral("1.02"));
        test::chooseItem(control<QComboBox>(form::machine), 6);
        setChecked(form::operatingSystems[1], true);
        setChecked(form::operatingSystems[2], true);
        retype(form::otherOs, QStringLiteral("NT3.51"));
        retype(form::requiredSoftware, QStringLiteral("VB5"));
        test::chooseItem(control<QComboBox>(form::handling), 2);
        test::chooseItem(control<QComboBox>(form::category), 0);
        test::chooseItem(control<QComboBox>(form::subcategory), 1);
        clickItem(form::fileLocation, 3);
        retype(form::fileLocationOther, QStringLiteral("http://x/"));
        clickItem(form::printPermission, 1);
        retype(form::printRefusalReason, QStringLiteral("β版"));
        retype(form::notes, QStringLiteral("連絡事項\n"));
        retype(form::sharewareFee, QStringLiteral("1200"));
        retype(form::sharewareConditions, QStringLiteral("試用期限\n二行目\n"));
        retype(form::bankRemittance, QStringLiteral("銀行"));
        retype(form::postalRemittance, QStringLiteral("郵便"));
        retype(form::registeredProductNumber, QStringLiteral("SR01234"));
        retype(form::niftyRemittance, QStringLiteral("Nifty"));
        retype(form::otherRemittance, QStringLiteral("現金書留"));
        MessageBox::clearShown();
        m_ui->click(form::previewButton);
        QCOMPARE(test::shownTexts(),
            QStringList { QStringLiteral("バックアップを取ると同時にプレビューの作成に成功しました！") });
    }

    // Different values everywhere a restore reaches, through the author's own
    // changes (so the Category list is rebuilt and HandlingKind follows).
    void changeEverything() const
    {
        retype(form::authorId, QStringLiteral("別人"));
        clickItem(form::submissionKind, 0);
        retype(form::softwareName, QStringLiteral("別ソフト"));
        retype(form::headline, QString());
        retype(form::description, QStringLiteral("別の説明"));
        retype(form::version, QStringLiteral("9.9"));
        setChecked(form::operatingSystems[0], true);
        setChecked(form::operatingSystems[1], false);
        test::chooseItem(control<QComboBox>(form::handling), 0);
        test::chooseItem(control<QComboBox>(form::category), 1);
        test::chooseItem(control<QComboBox>(form::subcategory), 0);
        clickItem(form::fileLocation, 1);
        clickItem(form::printPermission, 0);
        clickItem(form::webPermission, 1);
        retype(form::notes, QStringLiteral("別の連絡"));
        retype(form::sharewareFee, QStringLiteral("3000"));
        retype(form::sharewareConditions, QString());
        retype(form::registeredProductNumber, QStringLiteral("SR9"));
        retype(form::otherRemittance, QString());
    }

private slots:
    void init() { m_ui = std::make_unique<test::WindowUnderTest>(); }
    void cleanup() { m_ui.reset(); }

    void dialogIsHiddenAtStart()
    {
        QCOMPARE(dialog().objectName(), form::loadDialog.qt());
        QVERIFY(!dialog().isVisible());
    }

    // Looking for a backup changes nothing: the preview and its touch-ups stay.
    void noBackupKeepsThePreview()
    {
        control<QPlainTextEdit>(form::preview)->setPlainText(QStringLiteral("前のプレビュー\n"));
        control<QLineEdit>(form::softwareName)->setText(QStringLiteral("テストソフト"));
        clickLoadPanel();
        QCOMPARE(test::shownTexts(), QStringList { kNoBackups });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Message);
        QCOMPARE(control<QPlainTextEdit>(form::preview)->toPlainText(), QStringLiteral("前のプレビュー\n"));
        QVERIFY(!dialog().isVisible());
    }

    void missingBackupFolderIsTheErrorBox()
    {
        control<QPlainTextEdit>(form::preview)->setPlainText(QStringLiteral("前のプレビュー\n"));
        QVERIFY(QDir(folder().filePath("data")).removeRecursively());
        clickLoadPanel();
        QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("ファイルが見つかりません.") });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
        QCOMPARE(control<QPlainTextEdit>(form::preview)->toPlainText(), QStringLiteral("前のプレビュー\n"));
        QVERIFY(!dialog().isVisible());
    }

    // Folders, hidden files and other extensions are left out; the order
    // ignores letter case; the entry is the name up to the first ".bak".
    void listsTheBackupsInNameOrder()
    {
        for (const char* name : { "c.txt", "x.bak.bak", "B.bak", "X.BAK", ".h.bak", "a.bak" })
            writeBackupFile(QString::fromUtf8(name), backupBytes(commonRows("a", "b")));
        folder().makeFolder(QStringLiteral("data/y.bak"));
        clickLoadPanel();
        QCOMPARE(test::shownTexts(), QStringList());
        QVERIFY(dialog().isVisible());
        QCOMPARE(dialogEntries(), (QStringList { "a", "B", "", "x" }));
        QVERIFY(dialogList()->selectionModel()->selectedIndexes().isEmpty());
    }

    // Windows compares names with every letter folded to its capital (full-width,
    // Greek and Cyrillic ones too), and the list follows; Linux folds ASCII
    // letters to small ones.
    void listOrderFoldsLetterCaseAsTheFileSystemDoes()
    {
        for (const char* name :
            { "b.bak", "_x.bak", "A.bak", "ａ.bak", "Ｂ.bak", "C.Bak", "β.bak", "Γ.bak", "б.bak", "Я.bak" })
            writeBackupFile(QString::fromUtf8(name), backupBytes(commonRows("a", "b")));
        clickLoadPanel();
        const QStringList expected = test::kLinuxFileSystem
            ? QStringList { "_x", "A", "b", "", "Ｂ", "ａ", "Γ", "β", "Я", "б" }
            : QStringList { "A", "b", "", "_x", "ａ", "Ｂ", "β", "Γ", "б", "Я" };
        QCOMPARE(dialogEntries(), expected);
    }

    // The backup folder is named from the start directory; the folder chosen
    // for saving stays chosen.
    void listingLeavesTheCurrentDirectory()
    {
        writeBackupFile(QStringLiteral("a.bak"), backupBytes(commonRows("a", "b")));
        folder().makeFolder(QStringLiteral("out"));
        QVERIFY(QDir::setCurrent(folder().filePath("out")));
        clickLoadPanel();
        QCOMPARE(dialogEntries(), QStringList { "a" });
        QCOMPARE(QDir::currentPath(), folder().filePath("out"));
    }

    void loadWithNothingSelectedIsTheIndexError()
    {
        writeBackupFile(QStringLiteral("a.bak"), backupBytes(commonRows("作者", "シェアウェア")));
        control<QLineEdit>(form::softwareName)->setText(QStringLiteral("元の名前"));
        clickLoadPanel();
        pressLoad();
        QCOMPARE(test::shownTexts(), QStringList { kIndexError });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
        QVERIFY(dialog().isVisible());
        QCOMPARE(control<QLineEdit>(form::softwareName)->text(), QStringLiteral("元の名前"));
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QString());
    }

    // X.BAK has no lower-case ".bak": its entry is empty, and loading it only
    // empties the name.
    void emptyEntryReadsNoFile()
    {
        writeBackupFile(QStringLiteral("X.BAK"), backupBytes(commonRows("作者", "シェアウェア")));
        control<QLineEdit>(form::softwareName)->setText(QStringLiteral("元の名前"));
        control<QLineEdit>(form::authorId)->setText(QStringLiteral("元の作者"));
        load(0);
        QCOMPARE(test::shownTexts(), QStringList());
        QCOMPARE(control<QLineEdit>(form::softwareName)->text(), QString());
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QStringLiteral("元の作者"));
        QVERIFY(!dialog().isVisible());
    }

    void loadOfAMissingFileKeepsTheDialogOpen_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("entry");
        QTest::newRow("x.bak.bak reads x.bak") << "x.bak.bak"
                                               << "x";
        QTest::newRow("removed after listing") << "消えた.bak"
                                               << "消えた";
    }

    void loadOfAMissingFileKeepsTheDialogOpen()
    {
        QFETCH(QString, file);
        QFETCH(QString, entry);
        writeBackupFile(file, backupBytes(commonRows("作者", "シェアウェア")));
        control<QLineEdit>(form::authorId)->setText(QStringLiteral("元の作者"));
        clickLoadPanel();
        QCOMPARE(dialogEntries(), QStringList { entry });
        if (file.startsWith(entry + ".bak."))
            QVERIFY(!folder().exists("data/" + entry + ".bak"));
        else
            QVERIFY(QFile::remove(folder().filePath("data/" + file)));
        chooseEntry(0);
        pressLoad();
        QCOMPARE(test::shownTexts(),
            QStringList { QStringLiteral("ファイル %1 は開けません.")
                              .arg(test::shown(folder().filePath("data/" + entry + ".bak"))) });
        QCOMPARE(MessageBox::shown().front().kind, MessageBox::Kind::Error);
        QVERIFY(dialog().isVisible());
        // The name is set before the file is read.
        QCOMPARE(control<QLineEdit>(form::softwareName)->text(), entry);
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QStringLiteral("元の作者"));
    }

    // Everything comes back through the window: texts, choices, flags, the
    // follow-up fields' visibility and HandlingKind; the lower list offers the
    // restored Category's entries, the preview stays until the Load empties it,
    // the page stays.
    void fullSharewareEntryRoundTrip()
    {
        buildFullSharewareEntry();
        const QMap<QString, QString> built = snapshot();
        QCOMPARE(built.value(form::originalLibraryNumber.qt()), QStringLiteral("PS000123"));
        QCOMPARE(built.value(form::printRefusalCaption.qt()), QStringLiteral("shown"));
        QCOMPARE(handlingKind(), QStringLiteral("3"));

        changeEverything();
        QCOMPARE(handlingKind(), QStringLiteral("1"));
        QCOMPARE(test::itemsOf(control<QComboBox>(form::subcategory)), QStringList { "パズル" });
        QVERIFY(snapshot() != built);

        m_ui->showPage(1);
        clickLoadPanel();
        QCOMPARE(dialogEntries(), QStringList { "テストソフト" });
        QVERIFY(!control<QPlainTextEdit>(form::preview)->toPlainText().isEmpty());
        chooseEntry(0);
        pressLoad();

        QCOMPARE(test::shownTexts(), QStringList());
        QVERIFY(!dialog().isVisible());
        QCOMPARE(snapshot(), built);
        QCOMPARE(handlingKind(), QStringLiteral("3"));
        QCOMPARE(test::itemsOf(control<QComboBox>(form::subcategory)), (QStringList { "ファイル管理", "圧縮" }));
        QCOMPARE(control<QPlainTextEdit>(form::preview)->toPlainText(), QString());
        QCOMPARE(control<QTabWidget>(form::pages)->currentIndex(), 1);
    }

    // The lower list offers the restored Category's entries, so that another
    // can be picked; the restored text stays, listed or not (a listed one in
    // the round trip above), and the backup is not touched.
    void restoreFillsTheLowerList()
    {
        for (const auto& [category, entries] : { std::pair(QStringLiteral("音楽"), QStringList()),
                 std::pair(QStringLiteral("ゲーム"), QStringList { "パズル" }) }) {
            QStringList rows = commonRows("作者", "フリーウェア");
            rows[13] = "#" + category;
            rows[14] = QStringLiteral("#自作");
            writeBackupFile(QStringLiteral("名前.bak"), backupBytes(rows));
            const QByteArray backup = folder().read(QStringLiteral("data/名前.bak"));
            load(0);
            auto* lower = control<QComboBox>(form::subcategory);
            QCOMPARE(lower->currentText(), QStringLiteral("自作"));
            QCOMPARE(test::itemsOf(lower), entries);
            QCOMPARE(folder().read(QStringLiteral("data/名前.bak")), backup);
        }
        test::chooseItem(control<QComboBox>(form::subcategory), 0);
        QCOMPARE(control<QComboBox>(form::subcategory)->currentText(), QStringLiteral("パズル"));
    }

    // The dialog by keys alone: ↓ and Return restore, also after a Return with
    // nothing chosen, whose box gives the keys back to the list.
    void loadDialogByKeyboardAlone()
    {
        writeBackupFile(QStringLiteral("名前.bak"), backupBytes(commonRows("作者", "フリーウェア")));
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        for (const bool returnFirst : { false, true }) {
            // Where the system puts the keys: a tool window counts as active
            // before the system activates it, and a hidden one until it moves.
            m_ui->window().activateWindow();
            QTRY_COMPARE(QGuiApplication::focusWindow(), m_ui->window().windowHandle());
            control<QWidget>(form::loadPanel)->setFocus(Qt::TabFocusReason);
            press(Qt::Key_Return);
            QTRY_COMPARE(QApplication::focusWidget(), dialogList());
            if (returnFirst) {
                MessageBox::clearNextAnswers();
                QString seen;
                test::whenMessageBoxShows([&seen](QMessageBox* box) {
                    seen = box->text();
                    QTest::keyClick(box, Qt::Key_Return);
                });
                press(Qt::Key_Return);
                test::answerEveryBox();
                QCOMPARE(seen, kIndexError);
                QTRY_COMPARE(QApplication::focusWidget(), dialogList());
            }
            control<QLineEdit>(form::authorId)->clear();
            press(Qt::Key_Down);
            press(Qt::Key_Return);
            QVERIFY(!dialog().isVisible());
            QCOMPARE(control<QLineEdit>(form::authorId)->text(), QStringLiteral("作者"));
        }
    }

    // Only the author's changes count: the focus passing through every field
    // of both entry pages and back, with the lists' current items elsewhere,
    // runs no handler, so the next preview writes the restored file again.
    void focusPassingThroughChangesNothing()
    {
        buildFullSharewareEntry();
        const QByteArray restored = folder().read(QStringLiteral("data/テストソフト.bak"));
        changeEverything();
        load(0);
        const QMap<QString, QString> shown = snapshot();
        m_ui->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_ui->window()));

        for (const auto& [page, first] : { std::pair(0, form::authorId), std::pair(1, form::sharewareFee) }) {
            m_ui->showPage(page);
            QWidget* start = control<QWidget>(first);
            start->setFocus(Qt::TabFocusReason);
            // Up to the tab bar, which follows the page's last control.
            int steps = 0;
            for (; steps < 100 && !qobject_cast<QTabBar*>(QApplication::focusWidget()); ++steps)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(steps > 10);
            for (; steps > 0 && QApplication::focusWidget() != start; --steps)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), start);
        }
        QCOMPARE(test::shownTexts(), QStringList());
        QCOMPARE(snapshot(), shown);
        QCOMPARE(handlingKind(), QStringLiteral("3"));

        m_ui->showPage(0);
        m_ui->click(form::previewButton);
        QCOMPARE(test::shownTexts(),
            QStringList { QStringLiteral("バックアップを取ると同時にプレビューの作成に成功しました！") });
        QCOMPARE(folder().read(QStringLiteral("data/テストソフト.bak")), restored);
    }

    // Restoring is no edit of the Handling text: a text that is no item
    // leaves HandlingKind as it was, an item's text sets it.
    void handlingKindFollowsTheRestoredText_data()
    {
        QTest::addColumn<QString>("handling");
        QTest::addColumn<QString>("kind");
        QTest::newRow("no item") << "シェアウェア "
                                 << "10";
        QTest::newRow("an item") << "フリーウェア"
                                 << "1";
    }

    void handlingKindFollowsTheRestoredText()
    {
        QFETCH(QString, handling);
        test::chooseItem(control<QComboBox>(form::handling), 9);
        QCOMPARE(handlingKind(), QStringLiteral("10"));
        writeBackupFile(QStringLiteral("a.bak"), backupBytes(commonRows("作者", handling)));
        load(0);
        QCOMPARE(control<QComboBox>(form::handling)->currentText(), handling);
        QTEST(handlingKind(), "kind");
    }

    void commonOnlyBackupLeavesTheSharewareFields()
    {
        control<QLineEdit>(form::sharewareFee)->setText(QStringLiteral("1200"));
        control<QLineEdit>(form::registeredProductNumber)->setText(QStringLiteral("SR01234"));
        control<QPlainTextEdit>(form::sharewareConditions)->setPlainText(QStringLiteral("条件"));
        writeBackupFile(QStringLiteral("a.bak"), backupBytes(commonRows("作者", "フリーウェア")));
        load(0);
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QStringLiteral("作者"));
        QCOMPARE(control<QLineEdit>(form::sharewareFee)->text(), QStringLiteral("1200"));
        QCOMPARE(control<QLineEdit>(form::registeredProductNumber)->text(), QStringLiteral("SR01234"));
        QCOMPARE(control<QPlainTextEdit>(form::sharewareConditions)->toPlainText(), QStringLiteral("条件"));
    }

    // The fee field's filter runs on the restored fee: full-width digits taken
    // as digits, one message per disallowed byte, the field emptied, the rest
    // restored.
    void restoredFeeGoesThroughTheFilter_data()
    {
        QTest::addColumn<QString>("fee");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a letter") << "12a" << 1 << QString();
        QTest::newRow("full-width digits") << "１５0０" << 0 << "1500";
        QTest::newRow("a full-width letter") << "１Ａ" << 2 << QString();
        QTest::newRow("digits") << "0500" << 0 << "0500";
    }

    void restoredFeeGoesThroughTheFilter()
    {
        QFETCH(QString, fee);
        QFETCH(int, messages);
        QFETCH(QString, shown);
        QStringList rows = commonRows("作者", "シェアウェア");
        rows << "#" + fee << "@条件"
             << "#"
             << "#"
             << "#SR1"
             << "#"
             << "#";
        writeBackupFile(QStringLiteral("a.bak"), backupBytes(rows));
        load(0);
        QCOMPARE(test::shownTexts(), QStringList(messages, kDigitsOnly));
        QCOMPARE(control<QLineEdit>(form::sharewareFee)->text(), shown);
        QCOMPARE(control<QLineEdit>(form::registeredProductNumber)->text(), QStringLiteral("SR1"));
        QVERIFY(!dialog().isVisible());
    }

    // A value too large to show restores nothing, also ahead of a bad index;
    // the box names its field, the form and the dialog stay as they were.
    void valueTooLargeToShowRestoresNothing()
    {
        QStringList rows = commonRows("新しい作者", "フリーウェア");
        rows[4] = "#" + QString(1024 * 1024 + 1, 'x');
        control<QLineEdit>(form::softwareName)->setText(QStringLiteral("元の名前"));
        const QMap<QString, QString> before = snapshot();
        for (const QString& indexRow : { rows[15], QStringLiteral("#x") }) {
            rows[15] = indexRow;
            writeBackupFile(QStringLiteral("a.bak"), backupBytes(rows));
            load(0);
            QCOMPARE(test::shownTexts(),
                QStringList { QStringLiteral("バックアップの「1行見出し」は大きすぎて読み込めません！") });
            QVERIFY(dialog().isVisible());
            QCOMPARE(snapshot(), before);
        }
    }

    // A bad index byte stops the restore: the rows before it stay restored,
    // the dialog stays open.
    void failureInsideTheFileKeepsWhatWasRestored()
    {
        QStringList rows = commonRows("新しい作者", "フリーウェア");
        rows[1] = "#x";
        writeBackupFile(QStringLiteral("a.bak"), backupBytes(rows));
        control<QLineEdit>(form::headline)->setText(QStringLiteral("元の見出し"));
        load(0);
        QCOMPARE(test::shownTexts(), QStringList { QStringLiteral("'x' は整数ではありません.") });
        QVERIFY(dialog().isVisible());
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QStringLiteral("新しい作者"));
        QCOMPARE(control<QLineEdit>(form::softwareName)->text(), QStringLiteral("a"));
        QCOMPARE(control<QLineEdit>(form::headline)->text(), QStringLiteral("元の見出し"));
    }

    // A click on "load" while the dialog is open rebuilds its list; finding
    // nothing leaves the open dialog with its earlier list.
    void clickingLoadAgainWhileOpen()
    {
        writeBackupFile(QStringLiteral("a.bak"), backupBytes(commonRows("a", "b")));
        clickLoadPanel();
        chooseEntry(0);
        writeBackupFile(QStringLiteral("b.bak"), backupBytes(commonRows("a", "b")));
        clickLoadPanel();
        QVERIFY(dialog().isVisible());
        QCOMPARE(dialogEntries(), (QStringList { "a", "b" }));
        QVERIFY(dialogList()->selectionModel()->selectedIndexes().isEmpty());

        for (const char* name : { "data/a.bak", "data/b.bak" })
            QVERIFY(QFile::remove(folder().filePath(name)));
        clickLoadPanel();
        QCOMPARE(test::shownTexts(), QStringList { kNoBackups });
        QVERIFY(dialog().isVisible());
        QCOMPARE(dialogEntries(), (QStringList { "a", "b" }));
    }

    void cancelTouchesNothing()
    {
        writeBackupFile(QStringLiteral("a.bak"), backupBytes(commonRows("作者", "フリーウェア")));
        clickLoadPanel();
        chooseEntry(0);
        QTest::mouseClick(requireChild<QPushButton>(&dialog(), form::cancelButton), Qt::LeftButton);
        QVERIFY(!dialog().isVisible());
        QCOMPARE(control<QLineEdit>(form::authorId)->text(), QString());
        QCOMPARE(control<QLineEdit>(form::softwareName)->text(), QString());
    }

    void closingTheWindowHidesTheDialog()
    {
        writeBackupFile(QStringLiteral("a.bak"), backupBytes(commonRows("a", "b")));
        clickLoadPanel();
        QVERIFY(dialog().isVisible());
        QVERIFY(m_ui->window().close());
        QVERIFY(!dialog().isVisible());
    }
};

QTEST_MAIN(TestLoadPanel)
#include "TestLoadPanel.moc"
