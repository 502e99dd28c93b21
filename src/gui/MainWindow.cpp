#include "gui/MainWindow.h"

#include "gui/ApplicationTitle.h"
#include "gui/CurrentFolder.h"
#include "gui/DraftKeeper.h"
#include "gui/EntryBinding.h"
#include "gui/FormNames.h"
#include "gui/HandlerGuard.h"
#include "gui/LoadDialog.h"
#include "gui/MemoText.h"
#include "gui/MessageBox.h"
#include "gui/QtText.h"
#include "gui/UrlOpener.h"
#include "gui/desktop/Accessibility.h"
#include "gui/desktop/Fonts.h"
#include "gui/desktop/ScrollingPages.h"
#include "gui/desktop/WindowPlacement.h"
#include "gui/pages/CommonPage.h"
#include "gui/pages/HelpPage.h"
#include "gui/pages/PreviewPage.h"
#include "gui/pages/SharewarePage.h"
#include "gui/widgets/Cp932PlainTextEdit.h"

#include "core/backup/BackupFolder.h"
#include "core/document/PreviewCommand.h"
#include "core/document/TextFileOutput.h"
#include "core/errors/RuntimeError.h"
#include "core/fees/FeeCalculation.h"
#include "core/fees/FeeStatements.h"
#include "core/fees/FeeTexts.h"
#include "core/files/Folders.h"
#include "core/format/CatalogFile.h"
#include "core/guidance/DescriptionSize.h"
#include "core/guidance/HelpText.h"
#include "core/settings/DraftFile.h"
#include "core/settings/Settings.h"
#include "core/settings/StartDirectory.h"
#include "core/text/Cp932.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace tarvo::gui {

namespace {

constexpr int kClientWidth = 781;
constexpr int kClientHeight = 442;
const QPoint kOpeningPosition(190, 107);
// However small the screen, the tabs and a part of a page stay in reach.
const QSize kSmallestSize(240, 160);

const char* const kPageCaptions[]
    = { "共通（フリー/シェア）", "シェアウェアの場合", "書き方のヘルプ / インターネット", "プレビュー" };

QString qtText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

const char* const kDraftQuestion = "前回の入力内容が残っています。復元しますか？";
const char* const kNamedDraftQuestion = "前回の入力内容「%1」が残っています。復元しますか？";
const char* const kCloseUnwrittenQuestion = "保存できないまま終了しますか？";

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    installAccessibleInterfaces();
    markAsWindow(this);
    setObjectName(form::mainWindow.qt());
    setAcceptDrops(true);
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    setFont(windowFont());
    setFixedSize(kClientWidth, kClientHeight);
    move(kOpeningPosition);
    m_placement = new FramePlacement(this, kOpeningPosition, [this](const QSize& room) { fitWithin(room); });
    // Reads the form once start-up has set the start directory.
    m_draft = new DraftKeeper(
        m_startDirectory, [this] { return currentDraft(); }, this);
    buildPages();
    growToFitLayout();
    m_entry = new EntryBinding(*m_common, this);
    connectPages();
    addPageKeys();
    m_draft->watchPage(m_common);
    connect(m_common, &CommonPage::memoTextChanged, m_draft, &DraftKeeper::noteEdit);
    startUp();
    offerDraft();
    m_common->focusFirstField();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // Made inside the window, the pages measure their controls in its fonts
    // from the start; layouts keep sizes measured before a font changes.
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(form::pages.qt());
    m_common = new CommonPage(m_pages);
    // The first tab is shown as it is added, which would lay the page out at
    // a stand-in size; it is laid out once, at its size in the window.
    m_common->layout()->setEnabled(false);
    m_pages->addTab(m_common, QString::fromUtf8(kPageCaptions[0]));
    m_common->layout()->setEnabled(true);
    // Until ensurePagesBuilt() the other tabs hold empty stand-ins.
    for (int page = 1; page < 4; ++page)
        m_pages->addTab(new QWidget, QString::fromUtf8(kPageCaptions[page]));
    m_pages->setCurrentIndex(0);
    layout->addWidget(m_pages);
    m_scrollingPages = new ScrollingPages(m_pages);
    // Before a click turns the page, and for every other way to turn it.
    connect(m_pages->tabBar(), &QTabBar::tabBarClicked, this, &MainWindow::ensurePagesBuilt);
    connect(m_pages, &QTabWidget::currentChanged, this, &MainWindow::ensurePagesBuilt);
}

// Three quarters of the window's widgets are on pages 2 to 4; building them
// after the first paint lets the window appear sooner.
void MainWindow::ensurePagesBuilt()
{
    if (m_pagesBuilt)
        return;
    m_pagesBuilt = true;
    const int shown = m_pages->currentIndex();
    m_shareware = new SharewarePage(m_pages);
    m_help = new HelpPage(m_pages);
    m_previewPage = new PreviewPage(m_pages);
    {
        const QSignalBlocker quiet(m_pages);
        QWidget* const built[] = { m_shareware, m_help, m_previewPage };
        for (int page = 1; page < 4; ++page) {
            QWidget* standIn = m_pages->widget(page);
            m_pages->removeTab(page);
            m_pages->insertTab(page, m_scrollingPages->forTab(built[page - 1]), QString::fromUtf8(kPageCaptions[page]));
            delete standIn;
        }
        m_pages->setCurrentIndex(shown);
    }
    const QSize before = size();
    growToFitLayout();
    if (size() != before)
        m_placement->placeAgain();
    m_entry->attach(*m_shareware);
    m_draft->watchPage(m_shareware);
    connect(m_shareware, &SharewarePage::memoTextChanged, m_draft, &DraftKeeper::noteEdit);
    connect(m_previewPage, &PreviewPage::previewTextChanged, m_draft, &DraftKeeper::noteEdit);
    // Not a child of this window: the two forms keep their own control names.
    m_loadDialog = std::make_unique<LoadDialog>();
    m_loadDialog->setAttribute(Qt::WA_QuitOnClose, false);
    connect(m_shareware, &SharewarePage::fieldHelpRequested, this, &MainWindow::showFieldHelp);
    connect(m_shareware, &SharewarePage::feesRequested, this, &MainWindow::showFeeStatements);
    connect(m_shareware, &SharewarePage::digitsOnlyRefused, this,
        [this] { MessageBox::message(this, qtText(kDigitsOnlyMessage)); });
    connect(m_help, &HelpPage::linkActivated, this, &MainWindow::openLink);
    connect(m_previewPage, &PreviewPage::saveRequested, this, &MainWindow::saveText);
    connect(m_previewPage, &PreviewPage::failed, this,
        [this](const RuntimeError& failure) { showRuntimeError(this, failure); });
    connect(m_loadDialog.get(), &LoadDialog::loadRequested, this, &MainWindow::restoreChosenBackup);
    if (m_startFolderText)
        m_previewPage->showFolder(*m_startFolderText);
    if (m_helpText)
        m_help->showHelpText(*m_helpText);
    m_helpText.reset();
}

// The first paint has been flushed once the events posted during it come up.
bool MainWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Paint && !m_firstPaintSeen) {
        m_firstPaintSeen = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                ensurePagesBuilt();
                emit firstPainted();
            },
            Qt::QueuedConnection);
    }
    return handled;
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
    // Scrolling pages take any size; their scroll bars show what the window lacks.
    if (m_scrollingPages->started())
        return;
    ensurePolished();
    setFixedSize(QSize(kClientWidth, kClientHeight).expandedTo(minimumSizeHint()));
}

// A screen too small for the window as designed (a small one, or a desktop
// scaled up) gets it as large as it allows, with scrolling pages; on any
// screen that holds it, the window stays exactly as designed.
void MainWindow::fitWithin(const QSize& room)
{
    if (!m_scrollingPages->started()) {
        if (width() <= room.width() && height() <= room.height())
            return;
        m_designedSize = size();
        m_scrollingPages->start();
    }
    // Cut one way, a page scrolls that way, and its scroll bar takes room the
    // other way that the screen may still have.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize fitted = m_designedSize.boundedTo(room);
    if (fitted.width() < m_designedSize.width())
        fitted.setHeight(std::min(room.height(), m_designedSize.height() + bar));
    if (fitted.height() < m_designedSize.height())
        fitted.setWidth(std::min(room.width(), m_designedSize.width() + bar));
    setFixedSize(fitted.expandedTo(kSmallestSize));
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous() || !m_firstShow)
        return;
    m_firstShow = false;
    m_placement->start();
}

void MainWindow::connectPages()
{
    connect(m_common, &CommonPage::categoryEdited, this, &MainWindow::refillSubcategories);
    connect(m_common, &CommonPage::previewRequested, this, &MainWindow::makePreview);
    connect(m_common, &CommonPage::loadRequested, this, &MainWindow::offerBackups);
    connect(m_common, &CommonPage::descriptionSizeRequested, this, &MainWindow::showDescriptionSize);
    connect(m_common, &CommonPage::fieldHelpRequested, this, &MainWindow::showFieldHelp);
}

// Each step may fail with its box; the steps after a failure do not run.
void MainWindow::startUp()
{
    runGuarded(this, [this] {
        m_startDirectory = startDirectoryFrom(currentDirectory());
        m_catalog = loadCatalog(kCategoryFileName);
        m_common->setCategories(m_catalog.topLevelNames());
        if (const auto author = readAuthorSetting())
            m_common->showAuthorId(*author);
        // Shown by pages 2 to 4 once they exist.
        m_startFolderText = currentFolderText();
        m_helpText = readHelpText();
        if (enterLauncherSaveFolder())
            m_startFolderText = currentFolderText();
    });
}

Draft MainWindow::currentDraft() const
{
    return Draft { entry().read(), m_previewPage->previewText() };
}

// A draft left by an earlier run comes back on the author's word; one that
// cannot be read is reported and the form starts empty.
void MainWindow::offerDraft()
{
    std::optional<Draft> draft;
    if (!runGuarded(this, [this, &draft] { draft = readDraft(m_startDirectory); }) || !draft)
        return;
    const std::string& name = draft->entry.softwareName.str();
    const QString question = name.empty() ? QString::fromUtf8(kDraftQuestion)
                                          : QString::fromUtf8(kNamedDraftQuestion).arg(fromCp932(name));
    if (MessageBox::question(this, question) != MessageBox::Answer::Yes)
        return;
    ensurePagesBuilt();
    ListedRestore restored;
    restored.entry = std::move(draft->entry);
    showRestore(restored, this);
    m_draft->formReplaced(true);
    const DraftKeeper::ProgramStep step(*m_draft);
    m_previewPage->showPreview(draft->previewText);
}

// Once the start folder's files are read: the backups and the settings file
// are addressed through the start directory, so only the text moves.
bool MainWindow::enterLauncherSaveFolder()
{
    const std::optional<std::filesystem::path> folder = saveFolderFromLauncher();
    if (!folder)
        return false;
    try {
        enterFolder(*folder);
        return true;
    } catch (const RuntimeError&) {
        // A folder that has gone since the launcher looked: the start folder
        // serves, as when started without the launcher.
        return false;
    }
}

// The settings file and the draft go into the start directory, where the next
// start reads them, wherever the text was saved. When one cannot be written the
// author decides whether to close without it; the next close tries again.
void MainWindow::closeEvent(QCloseEvent* event)
{
    ensurePagesBuilt();
    const bool settingsWritten
        = runGuarded(this, [this] { writeAuthorSetting(m_entry->read().authorId.str(), m_startDirectory); });
    const bool draftWritten = runGuarded(this, [this] { m_draft->writeUnwrittenEdits(); });
    if ((!settingsWritten || !draftWritten)
        && MessageBox::question(this, QString::fromUtf8(kCloseUnwrittenQuestion), MessageBox::Answer::No)
            != MessageBox::Answer::Yes) {
        event->ignore();
        return;
    }
    // The run ends with this window, whatever the dialog shows.
    m_loadDialog->hide();
    event->accept();
}

// The author's changes of the Category text; a restore fills the list itself.
void MainWindow::refillSubcategories()
{
    m_common->setSubcategories(m_catalog.subcategoriesFor(m_entry->read().category.str()));
}

// A backup that cannot be written ends the command before the success message.
void MainWindow::makePreview()
{
    ensurePagesBuilt();
    const RegistrationEntry entry = m_entry->read();
    const PreviewOutcome preview = runPreviewCommand(entry);
    {
        const DraftKeeper::ProgramStep step(*m_draft);
        if (preview.filledNotes)
            m_entry->writeNotes(*preview.filledNotes);
        if (preview.previewRebuilt)
            m_previewPage->showPreview(preview.previewText);
    }
    const Outcome backup = preview.outcome.succeeded()
        ? saveBackup(m_startDirectory, entry.softwareName.str(), preview.backupText)
        : Outcome::success();
    // The backup now holds the whole form, and the preview rebuilds its text.
    if (preview.outcome.succeeded() && backup.succeeded())
        m_draft->discard();
    showOutcome(this, backup.succeeded() ? preview.outcome : backup);
}

// The memo's text exactly as it stands, every line break CR LF, under the
// software name as typed into the current directory.
void MainWindow::saveText()
{
    ensurePagesBuilt();
    const Outcome saved = saveTextFile(
        m_previewPage->previewText(), m_entry->read().softwareName.str(), [this](const std::string& utf8Question) {
            return MessageBox::confirm(this, QString::fromStdString(utf8Question)) == MessageBox::Answer::Yes;
        });
    showOutcome(this, saved);
}

// The backup folder is named from the start directory, so the current
// directory, the folder to save into, stays where the author put it. The
// preview text stays until a backup replaces the form.
void MainWindow::offerBackups()
{
    ensurePagesBuilt();
    runGuarded(this, [this] {
        std::vector<ListedBackup> listed = listBackups(m_startDirectory);
        if (listed.empty()) {
            MessageBox::message(this, qtText(kNoBackupsMessage));
            return;
        }
        keepDialogAboveThisWindow();
        m_loadDialog->openWith(std::move(listed));
    });
}

void MainWindow::keepDialogAboveThisWindow()
{
    m_loadDialog->winId();
    if (QWindow* dialog = m_loadDialog->windowHandle())
        dialog->setTransientParent(windowHandle());
}

// The restore sets the fields as program steps: no change handler runs (the
// restore recomputes HandlingKind and filters the fee itself). A failure keeps
// the fields restored before it and the dialog open; a value too large to show
// safely restores nothing.
void MainWindow::restoreChosenBackup(const std::optional<ListedBackup>& chosen)
{
    ensurePagesBuilt();
    const ListedRestore restored = restoreListedBackup(chosen, m_entry->read());
    if (restored.entry) {
        // The touch-ups of the preview go into the draft before the text goes.
        m_draft->keepUnwrittenEdits();
        const DraftKeeper::ProgramStep step(*m_draft);
        m_previewPage->clearPreview();
    }
    if (showRestore(restored, m_loadDialog.get()))
        m_loadDialog->hide();
}

// Typing not yet in the draft is written into it before the form is replaced;
// the draft then keeps it until the author changes the form again.
bool MainWindow::showRestore(const ListedRestore& restored, QWidget* boxParent)
{
    if (restored.entry) {
        m_draft->keepUnwrittenEdits();
        const DraftKeeper::ProgramStep step(*m_draft);
        // The lower list offers the restored Category's entries, so that another
        // one can be picked; the restored text stands, listed or not.
        m_common->setSubcategories(m_catalog.subcategoriesFor(restored.entry->category.str()));
        m_entry->write(*restored.entry);
        m_draft->formReplaced();
    }
    for (int shown = 0; shown < restored.feeFilterMessages; ++shown)
        MessageBox::message(boxParent, qtText(kDigitsOnlyMessage));
    showOutcome(boxParent, restored.outcome);
    return restored.outcome.succeeded();
}

// A PAD file dropped on the window: one local file.
void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    // A build without PAD import takes nothing dropped.
    if (importsDroppedPads() && urls.size() == 1 && urls.front().isLocalFile())
        event->acceptProposedAction();
}

// The drop returns at once: a box inside it would hold the drag source, the
// file manager, until answered.
void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, file = nativePath(urls.front().toLocalFile())] { importDroppedPad(file); }, Qt::QueuedConnection);
}

// The description's bytes without its line breaks; wrapping adds none.
void MainWindow::showDescriptionSize()
{
    const std::string description = m_entry->read().description.text();
    MessageBox::message(this, QString::fromStdString(descriptionSizeMessage(description)));
}

// The field's help text, nothing else.
void MainWindow::showFieldHelp(HelpTopic topic)
{
    MessageBox::message(this, qtText(fieldHelpFor(topic)));
}

// A refused fee leaves both statements as they were.
void MainWindow::showFeeStatements()
{
    ensurePagesBuilt();
    const FeeCalculation calculation = calculateFees(m_entry->read().sharewareFee.str());
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
