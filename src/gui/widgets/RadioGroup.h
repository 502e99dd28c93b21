#pragma once

#include "gui/FormNames.h"

#include <QGroupBox>
#include <QStringList>

#include <optional>

class QButtonGroup;
class QRadioButton;

namespace tarvo::gui {

// A framed group of radio buttons, one of which is always checked; the checked
// item's 0-based position is the group's value. Only the author's choice emits
// itemSelected(), so that a program step (a restore) can set the value without
// running the group's handler.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    // `ownFont`, where given, is the group's before any of its texts.
    RadioGroup(FormName objectName, const QString& title, const QStringList& items, int columns, QWidget* parent,
        const std::optional<QFont>& ownFont = std::nullopt);

    int index() const;
    // A program step: checks the item, emits nothing. Out-of-range is ignored.
    void setIndex(int index);
    QRadioButton* button(int index) const;
    int count() const;

signals:
    void itemSelected(int index);

private:
    QButtonGroup* m_buttons;
};

} // namespace tarvo::gui
