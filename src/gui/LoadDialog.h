#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;

namespace tarvo::gui {

class PlainListBox;

// The backup load dialog TForm2: a modeless tool window with a list of backups,
// "Load" and "Cancel". It keeps no default or cancel button: Enter presses only
// a focused button, Escape does nothing, and a double click only selects.
class LoadDialog : public QDialog {
    Q_OBJECT

public:
    explicit LoadDialog(QWidget* parent = nullptr);

    // Centres the dialog on the screen, shows it (or brings it forward) and
    // fills the list with `entries`, in their order, none selected.
    void openWith(const QStringList& entries);

    // The row of the selected entry; raises RuntimeError's index error (-1)
    // when none is selected.
    int selectedRow() const;

    // Where a window of `outerSize` stands centred on `screen`, halves truncated.
    static QPoint centredPosition(const QSize& outerSize, const QRect& screen);

signals:
    // "Load" was pressed; the owner restores and then hides the dialog.
    void loadRequested();

public slots:
    // "Cancel" and the close box: hide, touching nothing.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeControls();
    void centreOnScreen();

    QPushButton* m_loadButton;
    QPushButton* m_cancelButton;
    PlainListBox* m_list;
};

} // namespace tarvo::gui
