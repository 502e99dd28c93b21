#pragma once

#include "backup/BackupList.h"
#include "catalog/CategoryCatalog.h"
#include "guidance/FieldHelp.h"
#include "guidance/WebLinks.h"

#include <QWidget>

#include <filesystem>
#include <memory>
#include <optional>

class QTabWidget;

namespace tarvo::gui {

class CommonPage;
class EntryBinding;
class FramePlacement;
class HelpPage;
class LoadDialog;
class PreviewPage;
class SharewarePage;

// The main window TForm1: four pages in one tab control, fixed in size. Creating
// it runs the start-up sequence; closing it stores the author field.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    EntryBinding& entry() const { return *m_entry; }
    // The current directory when the window was created, with one trailing
    // separator; the backup folder hangs off it.
    const std::filesystem::path& startDirectory() const { return m_startDirectory; }
    // The backup load dialog TForm2: a window of its own, hidden until "load"
    // finds a backup, kept for the whole run.
    LoadDialog& loadDialog() const { return *m_loadDialog; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

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
    void connectPages();
    void addPageKeys();
    void startUp();
    void showHelpText();
    void keepDialogAboveThisWindow();

    QTabWidget* m_pages = nullptr;
    CommonPage* m_common = nullptr;
    SharewarePage* m_shareware = nullptr;
    HelpPage* m_help = nullptr;
    PreviewPage* m_previewPage = nullptr;
    EntryBinding* m_entry = nullptr;
    std::unique_ptr<LoadDialog> m_loadDialog;

    std::filesystem::path m_startDirectory;
    // The lines of "category.dat", read once at start.
    CategoryCatalog m_catalog;
    FramePlacement* m_placement = nullptr;
    bool m_firstShow = true;
};

} // namespace tarvo::gui
