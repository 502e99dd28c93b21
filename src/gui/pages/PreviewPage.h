#pragma once

#include <QWidget>

#include <string>
#include <string_view>

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
    explicit PreviewPage(QWidget* parent = nullptr);

    // The registration text (CP932), shown from its start.
    void showPreview(std::string_view cp932Text);
    // The text as it stands, touched up or not, every line break CR LF.
    std::string previewText() const;
    void clearPreview();
    // The folder to save into, as the label shows it.
    void showFolder(const QString& folder);

signals:
    void saveRequested();
    // Moving to another folder failed; the folder stays where it was.
    void failed(const tarvo::RuntimeError& failure);
    // The preview text changed, by the author or a program step.
    void previewTextChanged();

private slots:
    void setWrap(int choice);
    void followChosenDrive();
    void followChosenFolder();
    void goToDesktop();

private:
    struct Controls {
        Cp932PlainTextEdit* preview = nullptr;
        QPushButton* saveButton = nullptr;
        RadioGroup* wrapChoice = nullptr;
        DriveList* drives = nullptr;
        ClickableLabel* desktopButton = nullptr;
        FolderList* folders = nullptr;
        QLabel* folderLabel = nullptr;
    };

    QVBoxLayout* buildFolderColumn();
    void showCurrentFolder();

    Controls m_ui;
};

} // namespace tarvo::gui
