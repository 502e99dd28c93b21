#include "gui/widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace tarvo::gui {

RadioGroup::RadioGroup(
    const QString& objectName, const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent)
    , m_buttons(new QButtonGroup(this))
{
    setObjectName(objectName);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 0, 4, 2);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(0);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items.at(i), this);
        radio->setObjectName(objectName + QStringLiteral("Item") + QString::number(i));
        m_buttons->addButton(radio, i);
        // Items run down the first column, then down the next.
        grid->addWidget(radio, i % rows, i / rows);
    }
    if (!items.isEmpty())
        m_buttons->button(0)->setChecked(true);
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::itemSelected);
}

int RadioGroup::index() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setIndex(int index)
{
    if (QAbstractButton* radio = m_buttons->button(index))
        radio->setChecked(true);
}

QRadioButton* RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton*>(m_buttons->button(index));
}

int RadioGroup::count() const
{
    return static_cast<int>(m_buttons->buttons().size());
}

} // namespace tarvo::gui
