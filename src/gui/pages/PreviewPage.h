#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tarvo {
class RuntimeError;
}

namespace tarvo::gui {

class ClickableLabel;
class Cp932PlainTextEdit;
class DriveList;
class FolderList;
class RadioGroup;

// The fourth page, "プレビュー": the registration text for touching up, the save
// button, the wrap choice and the choice of the folder to save into. The folder
// to save into is the process's current directory; the drive list, the folder
// list and the desktop button move it, and the folder label shows it.
class PreviewPage : public QWidget {
    Q_OBJECT

public:
    struct Controls {
        Cp932PlainTextEdit* preview = nullptr;
        QPushButton* saveButton = nullptr;
        RadioGroup* wrapChoice = nullptr;
        DriveList* drives = nullptr;
        ClickableLabel* desktopButton = nullptr;
        FolderList* folders = nullptr;
        QLabel* folderLabel = nullptr;
    };

    explicit PreviewPage(QWidget* parent = nullptr);

    const Controls& controls() const { return m_ui; }

signals:
    void saveRequested();

private slots:
    void setWrap(int choice);
    void followChosenDrive();
    void followChosenFolder();
    void goToDesktop();
    void showFailure(const tarvo::RuntimeError& failure);

private:
    QVBoxLayout* buildFolderColumn();
    void showCurrentFolder();

    Controls m_ui;
};

} // namespace tarvo::gui
