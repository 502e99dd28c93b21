#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QVBoxLayout;

namespace tarvo {
class RuntimeError;
}

namespace tarvo::gui {

class DriveList;
class FolderList;

// The fourth page, "プレビュー": the registration text for touching up, the save
// button, the wrap choice and the choice of the folder to save into. The folder
// to save into is the process's current directory; the drive list, the folder
// list and the desktop button move it, and Label8 shows it.
class PreviewPage : public QWidget {
    Q_OBJECT

public:
    explicit PreviewPage(QWidget* parent = nullptr);

private slots:
    void radioGroup1Click(int index);
    void driveComboBox1Change();
    void directoryListBox1Change();
    void image2Click();
    void showFailure(const tarvo::RuntimeError& failure);

private:
    QVBoxLayout* buildFolderColumn();
    void showCurrentFolder();

    QPlainTextEdit* m_preview = nullptr;
    DriveList* m_drives = nullptr;
    FolderList* m_folders = nullptr;
    QLabel* m_folderLabel = nullptr;
};

} // namespace tarvo::gui
