#pragma once

#include "backup/BackupStore.h"
#include "catalog/CategoryCatalog.h"

#include <QWidget>

#include <filesystem>
#include <memory>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace tarvo::gui {

class EntryBinding;
class LoadDialog;

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

private slots:
    void comboBox2Change();
    void button2Click();
    void button1Click();
    void panel1Click();
    void loadDialogLoad();
    void panel10Click();

private:
    void buildPages();
    void connectFieldHelp();
    void formCreate();
    void showHelpText();
    void previewCommand();
    void saveText();
    void listBackups();
    void restoreChosenBackup();
    void keepDialogAboveThisWindow();

    QTabWidget* m_pages = nullptr;
    EntryBinding* m_entry = nullptr;
    QComboBox* m_category = nullptr;
    QComboBox* m_subcategory = nullptr;
    QPlainTextEdit* m_preview = nullptr;
    QLineEdit* m_softwareName = nullptr;
    std::unique_ptr<LoadDialog> m_loadDialog;

    std::filesystem::path m_startDirectory;
    // What the load dialog offers, from the last listing that found a backup.
    std::vector<ListedBackup> m_listedBackups;
    // The lines of "category.dat", read once at start.
    CategoryCatalog m_catalog;
};

} // namespace tarvo::gui
