#include "pages/FormParts.h"

#include "widgets/Cp932PlainTextEdit.h"
#include "widgets/Cp932Validator.h"
#include "Fonts.h"
#include "QtText.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <limits>

namespace tarvo::gui {

QLabel* makeCaption(const QString& text, const QString& hint, int pixelSize)
{
    auto* caption = new QLabel(text);
    caption->setToolTip(hint);
    if (pixelSize != 12)
        caption->setFont(pixelFont(kProportionalGothic, pixelSize));
    return caption;
}

QLabel* makeInstruction(const QString& objectName, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    return label;
}

QLineEdit* makeLineEdit(const QString& objectName, int pixelSize)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    if (pixelSize != 12)
        edit->setFont(pixelFont(kProportionalGothic, pixelSize));
    removeLengthLimit(edit);
    Cp932Validator::installOn(edit);
    return edit;
}

QComboBox* makeSuggestionCombo(const QString& objectName, const QStringList& items)
{
    auto* combo = new QComboBox;
    combo->setObjectName(objectName);
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(16);
    // The column decides the width, not the longest suggestion.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(8);
    removeLengthLimit(combo->lineEdit());
    Cp932Validator::installOn(combo->lineEdit());
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->clearEditText();
    return combo;
}

void removeLengthLimit(QLineEdit* edit)
{
    edit->setMaxLength(std::numeric_limits<int>::max());
}

Cp932PlainTextEdit* makeMemo(const QString& objectName)
{
    auto* memo = new Cp932PlainTextEdit;
    memo->setObjectName(objectName);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return memo;
}

QHBoxLayout* makeCaptionRow(QLabel* caption, QWidget* extra)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(caption);
    if (extra)
        row->addWidget(extra, 0, Qt::AlignVCenter);
    row->addStretch(1);
    return row;
}

void addField(QBoxLayout* column, QLabel* caption, QWidget* control, QWidget* extra, int stretch)
{
    column->addLayout(makeCaptionRow(caption, extra));
    column->addWidget(control, stretch);
}

void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QString qtItem(const std::string& cp932Item)
{
    return fromCp932(cp932Item);
}

} // namespace tarvo::gui
