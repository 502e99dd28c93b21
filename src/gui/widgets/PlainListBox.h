#pragma once

#include <QListView>

namespace tarvo::gui {

// A list box that, like the system's own, gains focus without taking a current
// entry: an untouched list shows no selection until the user chooses one.
class PlainListBox : public QListView {
    Q_OBJECT

public:
    explicit PlainListBox(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace tarvo::gui
