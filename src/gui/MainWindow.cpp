#include "MainWindow.h"

#include "ApplicationTitle.h"
#include "ClickableLabel.h"
#include "CommonPage.h"
#include "CurrentFolder.h"
#include "EntryBinding.h"
#include "Fonts.h"
#include "HandlerGuard.h"
#include "HelpPage.h"
#include "LoadDialog.h"
#include "MemoText.h"
#include "MessageBox.h"
#include "PreviewPage.h"
#include "QtText.h"
#include "SharewarePage.h"
#include "WidgetLookup.h"

#include "backup/BackupStore.h"
#include "document/PreviewCommand.h"
#include "document/TextFileOutput.h"
#include "fees/FeeQuote.h"
#include "guidance/Guidance.h"
#include "settings/Settings.h"
#include "settings/StartDirectory.h"
#include "text/Cp932.h"
#include "files/FileIo.h"
#include "errors/RuntimeError.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace tarvo::gui {

namespace {

constexpr int kClientWidth = 781;
constexpr int kClientHeight = 442;
const QPoint kOpeningPosition(190, 107);

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    setFont(windowFont());
    setFixedSize(kClientWidth, kClientHeight);
    move(kOpeningPosition);
    buildPages();
    m_entry = new EntryBinding(this);
    m_category = requireChild<QComboBox>(this, "ComboBox2");
    m_subcategory = requireChild<QComboBox>(this, "ComboBox3");
    m_preview = requireChild<QPlainTextEdit>(this, "Memo1");
    m_softwareName = requireChild<QLineEdit>(this, "Edit21");
    // Not a child of this window: the two forms keep their own control names.
    m_loadDialog = std::make_unique<LoadDialog>();
    m_loadDialog->setAttribute(Qt::WA_QuitOnClose, false);

    connect(m_category->lineEdit(), &QLineEdit::textEdited, this, &MainWindow::comboBox2Change);
    connect(m_category, &QComboBox::textActivated, this, &MainWindow::comboBox2Change);
    connect(requireChild<QPushButton>(this, "Button2"), &QPushButton::clicked, this, &MainWindow::button2Click);
    connect(requireChild<QPushButton>(this, "Button1"), &QPushButton::clicked, this, &MainWindow::button1Click);
    connect(requireChild<ClickableLabel>(this, "Panel1"), &ClickableLabel::clicked, this, &MainWindow::panel1Click);
    connect(m_loadDialog.get(), &LoadDialog::loadRequested, this, &MainWindow::loadDialogLoad);
    connectFieldHelp();

    formCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(new CommonPage, QStringLiteral("共通（フリー/シェア）"));
    m_pages->addTab(new SharewarePage, QStringLiteral("シェアウェアの場合"));
    m_pages->addTab(new HelpPage, QStringLiteral("書き方のヘルプ / インターネット"));
    m_pages->addTab(new PreviewPage, QStringLiteral("プレビュー"));
    m_pages->setCurrentIndex(0);
    layout->addWidget(m_pages);
}

// Panel3 ... Panel15 on the two entry pages: the field's help text, nothing else.
void MainWindow::connectFieldHelp()
{
    for (const FieldHelp& help : fieldHelpTexts()) {
        auto* panel = requireChild<ClickableLabel>(this, help.panel.c_str());
        connect(panel, &ClickableLabel::clicked, this,
            [this, text = fromCp932(help.text)] { MessageBox::message(this, text); });
    }
    connect(requireChild<ClickableLabel>(this, "Panel10"), &ClickableLabel::clicked, this, &MainWindow::panel10Click);
}

// The description's bytes without its line breaks; wrapping adds none.
void MainWindow::panel10Click()
{
    const std::string description = memoTextCp932(*requireChild<QPlainTextEdit>(this, "Memo3"));
    MessageBox::message(this, fromCp932(descriptionSizeMessage(description)));
}

// Each step may fail with its box; the steps after a failure do not run.
void MainWindow::formCreate()
{
    runGuarded(this, [this] {
        m_startDirectory = startDirectoryFrom(currentDirectory());
        m_catalog = CategoryCatalog::load(kCategoryFileName);
        for (const std::string& name : m_catalog.topLevelNames())
            m_category->addItem(fromCp932(name));
        m_category->setCurrentIndex(-1);
        m_category->clearEditText();
        if (const auto author = readAuthorSetting())
            m_entry->writeAuthorId(*author);
        requireChild<QLabel>(this, "Label8")->setText(currentFolderText());
        showHelpText();
    });
}

void MainWindow::showHelpText()
{
    if (!regularFileExists(kHelpFileName))
        return;
    const std::string text = readWholeFile(kHelpFileName);
    setMemoTextCp932(*requireChild<QPlainTextEdit>(this, "Memo9"), text);
}

// The settings file goes into the current directory of this moment. When it
// cannot be written the window stays open, and the next close tries again.
void MainWindow::closeEvent(QCloseEvent* event)
{
    const bool written = runGuarded(this, [this] { writeAuthorSetting(m_entry->read().authorId.str()); });
    if (!written) {
        event->ignore();
        return;
    }
    // The run ends with this window, whatever the dialog shows.
    m_loadDialog->hide();
    event->accept();
}

// The author's changes of the Category text only; a restore sets the text and
// leaves the Subcategory list as it was.
void MainWindow::comboBox2Change()
{
    runGuarded(this, [this] {
        m_subcategory->clearEditText();
        m_subcategory->clear();
        for (const std::string& entry : m_catalog.subcategoriesFor(toCp932(m_category->currentText())))
            m_subcategory->addItem(fromCp932(entry));
        // Filling a list selects its first item; the text stays empty until the
        // author picks or types one.
        m_subcategory->setCurrentIndex(-1);
        m_subcategory->clearEditText();
    });
}

void MainWindow::button2Click()
{
    runGuarded(this, [this] { previewCommand(); });
}

void MainWindow::previewCommand()
{
    RegistrationEntry entry = m_entry->read();
    const PreviewOutcome outcome = runPreviewCommand(entry);
    m_entry->writeNotes(entry.notes);
    if (outcome.previewRebuilt)
        setMemoTextCp932(*m_preview, outcome.previewText);
    switch (outcome.status) {
    case PreviewStatus::Error:
        throw RuntimeError(utf8FromCp932(outcome.message));
    case PreviewStatus::Refused:
        MessageBox::message(this, fromCp932(outcome.message));
        return;
    case PreviewStatus::Success:
        break;
    }
    // A backup that cannot be written ends the command before the success message.
    if (outcome.writeBackup)
        writeBackup(m_startDirectory, entry.softwareName.str(), outcome.backupText);
    MessageBox::message(this, fromCp932(outcome.message));
}

void MainWindow::button1Click()
{
    runGuarded(this, [this] { saveText(); });
}

// The memo's text exactly as it stands, every line break CR LF, under the
// software name as typed into the current directory.
void MainWindow::saveText()
{
    const std::string message = saveTextFile(
        memoTextCp932(*m_preview), toCp932(m_softwareName->text()), [this](const std::string& cp932Question) {
            return MessageBox::confirm(this, fromCp932(cp932Question)) == MessageBox::Answer::Yes;
        });
    MessageBox::message(this, fromCp932(message));
}

// The preview text goes first, whatever the listing finds.
void MainWindow::panel1Click()
{
    m_preview->clear();
    runGuarded(this, [this] { listBackups(); });
}

// The backup folder is named from the start directory, so the current
// directory, the folder to save into, stays where the author put it.
void MainWindow::listBackups()
{
    std::vector<ListedBackup> listed = tarvo::listBackups(m_startDirectory);
    if (listed.empty()) {
        MessageBox::message(this, fromCp932(noBackupsMessage()));
        return;
    }
    m_listedBackups = std::move(listed);
    QStringList entries;
    for (const ListedBackup& backup : m_listedBackups)
        entries.append(QString::fromStdString(backup.softwareName.shown));
    keepDialogAboveThisWindow();
    m_loadDialog->openWith(entries);
}

void MainWindow::keepDialogAboveThisWindow()
{
    m_loadDialog->winId();
    if (QWindow* dialog = m_loadDialog->windowHandle())
        dialog->setTransientParent(windowHandle());
}

void MainWindow::loadDialogLoad()
{
    runGuarded(m_loadDialog.get(), [this] { restoreChosenBackup(); });
}

// The restore sets the fields as program steps: the Handling and Category
// change handlers do not run (the restore recomputes HandlingKind itself), the
// fee field's filter does. A failure keeps the fields restored before it and
// the dialog open. A file whose name cannot be a SoftwareName restores nothing.
void MainWindow::restoreChosenBackup()
{
    const ListedBackup& chosen = m_listedBackups.at(static_cast<size_t>(m_loadDialog->selectedRow()));
    if (!chosen.softwareName.cp932) {
        MessageBox::message(
            m_loadDialog.get(), QString::fromStdString(unrepresentableMessage(chosen.softwareName.unrepresentable)));
        return;
    }
    RegistrationEntry entry = m_entry->read();
    entry.softwareName = *chosen.softwareName.cp932;
    RestoreReport report;
    try {
        if (!entry.softwareName.empty())
            report = restoreBackupFile(chosen.file, entry);
    } catch (const RuntimeError&) {
        m_entry->write(entry);
        throw;
    }
    m_entry->write(entry);
    for (int shown = 0; shown < report.feeFilterMessages; ++shown)
        MessageBox::message(m_loadDialog.get(), fromCp932(feeFilterMessage()));
    m_loadDialog->hide();
}

} // namespace tarvo::gui
