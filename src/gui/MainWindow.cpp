#include "MainWindow.h"

#include "Accessibility.h"
#include "ApplicationTitle.h"
#include "CurrentFolder.h"
#include "EntryBinding.h"
#include "Fonts.h"
#include "FormNames.h"
#include "HandlerGuard.h"
#include "LoadDialog.h"
#include "MemoText.h"
#include "MessageBox.h"
#include "QtText.h"
#include "UrlOpener.h"
#include "WindowPlacement.h"
#include "pages/CommonPage.h"
#include "pages/HelpPage.h"
#include "pages/PreviewPage.h"
#include "pages/SharewarePage.h"
#include "widgets/Cp932PlainTextEdit.h"

#include "backup/BackupFolder.h"
#include "document/PreviewCommand.h"
#include "document/TextFileOutput.h"
#include "errors/RuntimeError.h"
#include "fees/FeeCalculation.h"
#include "fees/FeeStatements.h"
#include "fees/FeeTexts.h"
#include "files/FileIo.h"
#include "format/CatalogFile.h"
#include "format/SettingsFile.h"
#include "guidance/DescriptionSize.h"
#include "pad/BackupLoad.h"
#include "pad/PadImportRun.h"
#include "settings/Settings.h"
#include "settings/StartDirectory.h"
#include "text/Cp932.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace tarvo::gui {

namespace {

constexpr int kClientWidth = 781;
constexpr int kClientHeight = 442;
const QPoint kOpeningPosition(190, 107);
constexpr int kFrameChecks = 60;
constexpr int kFrameCheckMs = 50;

QString qtText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    installAccessibleInterfaces();
    setObjectName(QString::fromLatin1(form::mainWindow));
    setAcceptDrops(true);
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    setFont(windowFont());
    setFixedSize(kClientWidth, kClientHeight);
    move(kOpeningPosition);
    buildPages();
    growToFitLayout();
    m_entry = new EntryBinding(m_common->controls(), m_shareware->controls(), this);
    // Not a child of this window: the two forms keep their own control names.
    m_loadDialog = std::make_unique<LoadDialog>();
    m_loadDialog->setAttribute(Qt::WA_QuitOnClose, false);
    connectPages();
    addPageKeys();
    startUp();
    // The form starts with its first field, not with the tab bar.
    m_common->controls().authorId->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // Made inside the window, the pages measure their controls in its fonts
    // from the start; layouts keep sizes measured before a font changes.
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QString::fromLatin1(form::pages));
    m_common = new CommonPage(m_pages);
    m_shareware = new SharewarePage(m_pages);
    m_help = new HelpPage(m_pages);
    m_previewPage = new PreviewPage(m_pages);
    m_pages->addTab(m_common, QStringLiteral("共通（フリー/シェア）"));
    m_pages->addTab(m_shareware, QStringLiteral("シェアウェアの場合"));
    m_pages->addTab(m_help, QStringLiteral("書き方のヘルプ / インターネット"));
    m_pages->addTab(m_previewPage, QStringLiteral("プレビュー"));
    m_pages->setCurrentIndex(0);
    layout->addWidget(m_pages);
}

// Besides Ctrl+Tab, the keys that turn the pages of tabbed windows, from any
// field: the page control alone answers them only while it has the focus.
void MainWindow::addPageKeys()
{
    const auto turnPage = [this](int step) {
        m_pages->setCurrentIndex((m_pages->currentIndex() + step + m_pages->count()) % m_pages->count());
    };
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    connect(next, &QShortcut::activated, this, [turnPage] { turnPage(1); });
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    connect(previous, &QShortcut::activated, this, [turnPage] { turnPage(-1); });
}

// Fonts larger than designed (another Japanese font, a style with larger
// metrics) need more room than the designed size; the window then grows, still
// fixed, instead of letting its controls overlap.
void MainWindow::growToFitLayout()
{
    ensurePolished();
    setFixedSize(QSize(kClientWidth, kClientHeight).expandedTo(minimumSizeHint()));
}

// The designed position, unless the frame would then reach past the screen's
// available area (a small screen, a panel).
void MainWindow::placeOnScreen(const QMargins& frame)
{
    // Placed by its client area, which every window manager takes as given.
    const QPoint inside(frame.left(), frame.top());
    const QPoint placed = placedWithin(availableAreaAt(kOpeningPosition), size().grownBy(frame), kOpeningPosition);
    if (geometry().topLeft() != placed + inside)
        setGeometry(QRect(placed + inside, size()));
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous() || !m_firstShow)
        return;
    m_firstShow = false;
    placeOnScreen(m_placedForFrame);
    followFrame(kFrameChecks);
}

// A window manager frames the window a moment after it shows, and may report
// passing frames before the last; the window follows each new frame for a few
// seconds. Without any frame, there is none to count.
void MainWindow::followFrame(int checksLeft)
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame != m_placedForFrame && frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0
        && frame.bottom() >= 0) {
        m_placedForFrame = frame;
        placeOnScreen(frame);
    }
    if (checksLeft > 0)
        QTimer::singleShot(kFrameCheckMs, this, [this, checksLeft] { followFrame(checksLeft - 1); });
}

void MainWindow::connectPages()
{
    connect(m_common, &CommonPage::categoryEdited, this, &MainWindow::refillSubcategories);
    connect(m_common, &CommonPage::previewRequested, this, &MainWindow::makePreview);
    connect(m_common, &CommonPage::loadRequested, this, &MainWindow::listBackups);
    connect(m_common, &CommonPage::descriptionSizeRequested, this, &MainWindow::showDescriptionSize);
    connect(m_common, &CommonPage::fieldHelpRequested, this, &MainWindow::showFieldHelp);
    connect(m_shareware, &SharewarePage::fieldHelpRequested, this, &MainWindow::showFieldHelp);
    connect(m_shareware, &SharewarePage::feesRequested, this, &MainWindow::calculateFees);
    connect(m_help, &HelpPage::linkActivated, this, &MainWindow::openLink);
    connect(m_previewPage, &PreviewPage::saveRequested, this, &MainWindow::saveText);
    connect(m_loadDialog.get(), &LoadDialog::loadRequested, this, &MainWindow::restoreChosenBackup);
}

// Each step may fail with its box; the steps after a failure do not run.
void MainWindow::startUp()
{
    runGuarded(this, [this] {
        m_startDirectory = startDirectoryFrom(currentDirectory());
        m_catalog = loadCatalog(kCategoryFileName);
        QComboBox* category = m_common->controls().category;
        for (const std::string& name : m_catalog.topLevelNames())
            category->addItem(fromCp932(name));
        category->setCurrentIndex(-1);
        category->clearEditText();
        if (const auto author = readAuthorSetting())
            m_entry->writeAuthorId(*author);
        m_previewPage->controls().folderLabel->setText(currentFolderText());
        showHelpText();
    });
}

void MainWindow::showHelpText()
{
    if (!regularFileExists(kHelpFileName))
        return;
    const std::string text = readWholeFile(kHelpFileName);
    setMemoTextCp932(*m_help->controls().helpText, text);
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
void MainWindow::refillSubcategories()
{
    const CommonPage::Controls& ui = m_common->controls();
    ui.subcategory->clearEditText();
    ui.subcategory->clear();
    for (const std::string& entry : m_catalog.subcategoriesFor(toCp932(ui.category->currentText())))
        ui.subcategory->addItem(fromCp932(entry));
    // Filling a list selects its first item; the text stays empty until the
    // author picks or types one.
    ui.subcategory->setCurrentIndex(-1);
    ui.subcategory->clearEditText();
}

// A backup that cannot be written ends the command before the success message.
void MainWindow::makePreview()
{
    runGuarded(this, [this] {
        const RegistrationEntry entry = m_entry->read();
        const PreviewOutcome preview = runPreviewCommand(entry);
        if (preview.filledNotes)
            m_entry->writeNotes(*preview.filledNotes);
        if (preview.previewRebuilt)
            setMemoTextCp932(*m_previewPage->controls().preview, preview.previewText);
        if (preview.outcome.succeeded())
            writeBackup(m_startDirectory, entry.softwareName.str(), preview.backupText);
        showOutcome(this, preview.outcome);
    });
}

// The memo's text exactly as it stands, every line break CR LF, under the
// software name as typed into the current directory.
void MainWindow::saveText()
{
    runGuarded(this, [this] {
        const Outcome saved = saveTextFile(memoTextCp932(*m_previewPage->controls().preview),
            toCp932(m_common->controls().softwareName->text()), [this](const std::string& utf8Question) {
                return MessageBox::confirm(this, QString::fromStdString(utf8Question)) == MessageBox::Answer::Yes;
            });
        showOutcome(this, saved);
    });
}

// The preview text goes first, whatever the listing finds. The backup folder is
// named from the start directory, so the current directory, the folder to save
// into, stays where the author put it.
void MainWindow::listBackups()
{
    m_previewPage->controls().preview->clear();
    runGuarded(this, [this] {
        std::vector<ListedBackup> listed = tarvo::listBackups(m_startDirectory);
        if (listed.empty()) {
            MessageBox::message(this, qtText(kNoBackupsMessage));
            return;
        }
        m_listedBackups = std::move(listed);
        QStringList entries;
        for (const ListedBackup& backup : m_listedBackups)
            entries.append(QString::fromStdString(backup.softwareName.shown));
        keepDialogAboveThisWindow();
        m_loadDialog->openWith(entries);
    });
}

void MainWindow::keepDialogAboveThisWindow()
{
    m_loadDialog->winId();
    if (QWindow* dialog = m_loadDialog->windowHandle())
        dialog->setTransientParent(windowHandle());
}

// The restore sets the fields as program steps: the Handling and Category
// change handlers do not run (the restore recomputes HandlingKind itself), the
// fee field's filter does. A failure keeps the fields restored before it and
// the dialog open. A file whose name cannot be a SoftwareName restores nothing.
void MainWindow::restoreChosenBackup()
{
    runGuarded(m_loadDialog.get(), [this] {
        const ListedBackup& chosen = m_listedBackups.at(static_cast<size_t>(m_loadDialog->selectedRow()));
        if (!chosen.softwareName.cp932) {
            MessageBox::message(m_loadDialog.get(),
                QString::fromStdString(unrepresentableMessage(chosen.softwareName.unrepresentable)));
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
            MessageBox::message(m_loadDialog.get(), qtText(kDigitsOnlyMessage));
        m_loadDialog->hide();
    });
}

// A PAD file dropped on the window: one local file.
void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    importDroppedPad(QFile::encodeName(urls.front().toLocalFile()).toStdString());
}

// Imported with the defaults into this window's backup folder, then loaded as
// "load" loads that backup. Warnings and refusals go into one box, one a line.
void MainWindow::importDroppedPad(const std::filesystem::path& file)
{
    runGuarded(this, [this, &file] {
        const std::string bytes = readWholeFile(file);
        PadImportRequest request;
        request.fileBytes = bytes;
        request.dataFolder = backupFolder(m_startDirectory);
        const std::filesystem::path settings = m_startDirectory / kSettingsFileName;
        if (regularFileExists(settings))
            request.options.rememberedAuthor = authorFromSettingsText(readWholeFile(settings));
        PadImportRun run = runPadImport(request);
        if (run.backupExists) {
            const QString question = QStringLiteral("バックアップ「%1」はもうあります。置き換えますか？")
                                         .arg(QString::fromStdString(displayText(run.target.filename())));
            if (MessageBox::question(this, question) == MessageBox::Answer::Yes) {
                request.replace = true;
                run = runPadImport(request);
            } else
                run.diagnostics.pop_back();
        }
        QStringList findings;
        for (const PadDiagnostic& finding : run.diagnostics) {
            if (finding.level != PadDiagnostic::Level::Info)
                findings.append((finding.level == PadDiagnostic::Level::Error ? QStringLiteral("エラー：")
                                                                              : QStringLiteral("警告："))
                    + QString::fromStdString(finding.message));
        }
        if (!findings.isEmpty())
            MessageBox::message(this, findings.join(QLatin1Char('\n')));
        if (!run.written)
            return;
        RegistrationEntry entry = m_entry->read();
        LoadedBackup loaded;
        try {
            loaded = loadBackupFile(run.target, entry);
        } catch (const RuntimeError&) {
            m_entry->write(entry);
            throw;
        }
        if (loaded.refusal) {
            MessageBox::message(this, QString::fromStdString(*loaded.refusal));
            return;
        }
        m_entry->write(entry);
        for (int shown = 0; shown < loaded.report.feeFilterMessages; ++shown)
            MessageBox::message(this, qtText(kDigitsOnlyMessage));
    });
}

// The description's bytes without its line breaks; wrapping adds none.
void MainWindow::showDescriptionSize()
{
    const std::string description = memoTextCp932(*m_common->controls().description);
    MessageBox::message(this, QString::fromStdString(descriptionSizeMessage(description)));
}

// The field's help text, nothing else.
void MainWindow::showFieldHelp(HelpTopic topic)
{
    MessageBox::message(this, qtText(fieldHelpFor(topic)));
}

// A refused fee leaves both statements as they were.
void MainWindow::calculateFees()
{
    const FeeCalculation calculation = tarvo::calculateFees(toCp932(m_shareware->controls().sharewareFee->text()));
    if (!calculation.quote) {
        showOutcome(this, calculation.outcome);
        return;
    }
    m_shareware->showStatements(userStatement(*calculation.quote), authorStatement(*calculation.quote));
}

// A site link opens at once; a link to the studio's home page only after
// "はい(&Y)".
void MainWindow::openLink(LinkId id)
{
    const WebLink& link = webLink(id);
    if (!link.question.empty() && MessageBox::question(this, qtText(link.question)) != MessageBox::Answer::Yes)
        return;
    UrlOpener::open(QString::fromStdString(link.url()));
}

} // namespace tarvo::gui
