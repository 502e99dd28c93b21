#pragma once

#include "backup/BackupList.h"
#include "catalog/CategoryCatalog.h"
#include "guidance/FieldHelp.h"
#include "guidance/WebLinks.h"

#include <QMargins>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <vector>

class QTabWidget;

namespace tarvo::gui {

class CommonPage;
class EntryBinding;
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
    const CategoryCatalog& catalog() const { return m_catalog; }
    // The backup load dialog TForm2: a window of its own, hidden until "load"
    // finds a backup, kept for the whole run.
    LoadDialog& loadDialog() const { return *m_loadDialog; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void refillSubcategories();
    void makePreview();
    void saveText();
    void listBackups();
    void restoreChosenBackup();
    void showDescriptionSize();
    void showFieldHelp(tarvo::HelpTopic topic);
    void calculateFees();
    void openLink(tarvo::LinkId id);

private:
    void buildPages();
    void growToFitLayout();
    void placeOnScreen(const QMargins& frame);
    void followFrame(int checksLeft);
    void connectPages();
    void addPageKeys();
    void startUp();
    void showHelpText();
    void keepDialogAboveThisWindow();
    void importDroppedPad(const std::filesystem::path& file);

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
    // What the load dialog offers, from the last listing that found a backup.
    std::vector<ListedBackup> m_listedBackups;
    bool m_firstShow = true;
    // The window manager's frame the window was last placed for.
    QMargins m_placedForFrame;
};

} // namespace tarvo::gui
