#pragma once

#include "core/backup/BackupList.h"
#include "core/catalog/CategoryCatalog.h"
#include "core/format/DraftRecord.h"
#include "core/guidance/FieldHelp.h"
#include "core/guidance/WebLinks.h"

#include <QWidget>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QTabWidget;

namespace tarvo::gui {

class CommonPage;
class DraftKeeper;
class EntryBinding;
class FramePlacement;
class HelpPage;
class LoadDialog;
class PreviewPage;
class ScrollingPages;
class SharewarePage;

// The main window TForm1: four pages in one tab control, fixed in size (smaller,
// with scrolling pages, where the screen is too small for it). Creating
// it runs the start-up sequence; closing it stores the author field.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Pages 2 to 4 (and the second page's part of the entry binding) are built
    // once the window has painted for the first time, or at once when anything
    // needs them earlier. Code and tests that reach their controls right after
    // creating the window call this first; it does nothing once they exist.
    void ensurePagesBuilt();

    // The whole entry: builds the pages it spans.
    EntryBinding& entry() const
    {
        const_cast<MainWindow*>(this)->ensurePagesBuilt();
        return *m_entry;
    }
    // The current directory when the window was created, with one trailing
    // separator; the backup folder hangs off it.
    const std::filesystem::path& startDirectory() const { return m_startDirectory; }
    // The backup load dialog TForm2: a window of its own, hidden until "load"
    // finds a backup, kept for the whole run.
    LoadDialog& loadDialog() const
    {
        const_cast<MainWindow*>(this)->ensurePagesBuilt();
        return *m_loadDialog;
    }

signals:
    // The window has painted once; what it has then not yet shown may follow.
    void firstPainted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void refillSubcategories();
    void makePreview();
    void saveText();
    void offerBackups();
    void restoreChosenBackup(const std::optional<tarvo::ListedBackup>& chosen);
    void showDescriptionSize();
    void showFieldHelp(tarvo::HelpTopic topic);
    void showFeeStatements();
    void openLink(tarvo::LinkId id);

private:
    void buildPages();
    void growToFitLayout();
    void fitWithin(const QSize& room);
    void connectPages();
    void addPageKeys();
    void startUp();
    void offerDraft();
    tarvo::Draft currentDraft() const;
    // True when the launcher named a save folder and it is now the current one.
    bool enterLauncherSaveFolder();
    void keepDialogAboveThisWindow();
    // Both in PadDrop.cpp, or in PadDropStub.cpp for a build without PAD import.
    static bool importsDroppedPads();
    void importDroppedPad(const std::filesystem::path& file);
    // Shows what a restore did, its boxes above boxParent; true when it succeeded.
    bool showRestore(const tarvo::ListedRestore& restored, QWidget* boxParent);

    QTabWidget* m_pages = nullptr;
    CommonPage* m_common = nullptr;
    SharewarePage* m_shareware = nullptr;
    HelpPage* m_help = nullptr;
    PreviewPage* m_previewPage = nullptr;
    EntryBinding* m_entry = nullptr;
    DraftKeeper* m_draft = nullptr;
    std::unique_ptr<LoadDialog> m_loadDialog;

    std::filesystem::path m_startDirectory;
    // The lines of "category.dat", read once at start.
    CategoryCatalog m_catalog;
    FramePlacement* m_placement = nullptr;
    ScrollingPages* m_scrollingPages = nullptr;
    // The window's size as designed, kept once its pages scroll.
    QSize m_designedSize;
    bool m_firstShow = true;
    bool m_pagesBuilt = false;
    bool m_firstPaintSeen = false;
    // What start-up put on pages not built yet, kept for when they are.
    std::optional<QString> m_startFolderText;
    std::optional<std::string> m_helpText;
};

} // namespace tarvo::gui
