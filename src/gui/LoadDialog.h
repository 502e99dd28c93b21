#pragma once

#include "core/backup/BackupList.h"

#include <QDialog>

#include <optional>
#include <vector>

class QPushButton;

namespace tarvo::gui {

class BackupListModel;
class PlainListBox;

// The backup load dialog TForm2: a modeless tool window with a list of backups,
// "Load" and "Cancel". It keeps no default or cancel button: Enter presses a
// focused button, or "Load" from the list; Escape does nothing, and a double
// click only selects.
class LoadDialog : public QDialog {
    Q_OBJECT

public:
    explicit LoadDialog(QWidget* parent = nullptr);

    // Centres the dialog on the screen, shows it (or brings it forward) and
    // lists `backups` by their software names, in their order, none selected,
    // the focus on the list.
    void openWith(std::vector<ListedBackup> backups);

    // The backup of the selected entry; nothing when none is selected.
    std::optional<ListedBackup> selectedBackup() const;

    // Where a window of `outerSize` stands centred on `screen`, halves truncated.
    static QPoint centredPosition(const QSize& outerSize, const QRect& screen);

signals:
    // "Load" was pressed with `chosen` selected (nothing when no entry is); the
    // owner restores and then hides the dialog.
    void loadRequested(const std::optional<tarvo::ListedBackup>& chosen);

public slots:
    // "Cancel" and the close box: hide, touching nothing.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeControls();
    void requestLoad();
    void centreOnScreen();

    QPushButton* m_loadButton;
    QPushButton* m_cancelButton;
    BackupListModel* m_backups;
    PlainListBox* m_list;
};

} // namespace tarvo::gui
