#include "gui/pages/FormParts.h"

#include "gui/FormNames.h"
#include "gui/QtText.h"
#include "gui/desktop/Fonts.h"
#include "gui/widgets/CaptionLabel.h"
#include "gui/widgets/ClickablePanel.h"
#include "gui/widgets/Cp932PlainTextEdit.h"
#include "gui/widgets/Cp932Validator.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <limits>

namespace tarvo::gui {

namespace {

// When the focus leaves an editable list, or Enter is pressed in it, Qt takes
// the item whose text the field shows as chosen unless it is the current item
// already: it makes it current and reports it activated, which runs the
// field's change handlers though nothing changed (a restore sets the text
// alone). Making that item current quietly just before leaves Qt nothing to
// report; only the author's choices and edits reach the handlers.
class ShownItemKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool enter = event->type() == QEvent::KeyPress
            && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return
                || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (event->type() == QEvent::FocusOut || enter)
            makeShownItemCurrent(static_cast<QComboBox*>(parent()));
        return QObject::eventFilter(watched, event);
    }

private:
    static void makeShownItemCurrent(QComboBox* combo)
    {
        const QString shown = combo->currentText();
        if (shown.isEmpty() || combo->itemText(combo->currentIndex()) == shown)
            return;
        const int item = combo->findText(shown, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (item < 0)
            return;
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(item);
    }
};

// The field a help panel explains, as a person calls it.
QString helpFieldName(HelpTopic topic)
{
    switch (topic) {
    case HelpTopic::Headline:
        return QStringLiteral("1行見出し");
    case HelpTopic::ArchiveFileName:
        return QStringLiteral("アーカイブファイルの名前");
    case HelpTopic::PublicationFileName:
        return QStringLiteral("インターネット・書籍公開用ファイル名");
    case HelpTopic::Machine:
        return QStringLiteral("動作可能機種");
    case HelpTopic::Notes:
        return QStringLiteral("その他、弊社への連絡事項");
    case HelpTopic::SharewareFee:
        return QStringLiteral("シェアウェア料金");
    case HelpTopic::SharewareConditions:
        return QStringLiteral("シェアウェア利用条件/制限");
    case HelpTopic::BankRemittance:
        return QStringLiteral("銀行送金方法");
    case HelpTopic::PostalRemittance:
        return QStringLiteral("郵便振替送金方法");
    case HelpTopic::RegisteredProductNumber:
        return QStringLiteral("レジ作品番号");
    case HelpTopic::NiftyRemittance:
        return QStringLiteral("Nifty送金方法");
    case HelpTopic::OtherRemittance:
        return QStringLiteral("その他の送金方法");
    }
    return {};
}

} // namespace

QLabel* makeCaption(QWidget* parent, const QString& text, const QString& hint, int pixelSize)
{
    auto* caption = new CaptionLabel(parent);
    if (pixelSize != kTextSize)
        caption->setFont(pixelFont(kProportionalGothic, pixelSize));
    caption->setText(text);
    caption->setToolTip(hint);
    return caption;
}

QLabel* makeInstruction(QWidget* parent, FormName objectName, const QString& text)
{
    auto* label = new CaptionLabel(parent);
    label->setObjectName(objectName.qt());
    label->setWordWrap(true);
    label->setText(text);
    return label;
}

QLineEdit* makeLineEdit(QWidget* parent, FormName objectName, int pixelSize)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName.qt());
    if (pixelSize != kTextSize)
        edit->setFont(pixelFont(kProportionalGothic, pixelSize));
    removeLengthLimit(edit);
    Cp932Validator::installOn(edit);
    return edit;
}

QComboBox* makeSuggestionCombo(QWidget* parent, FormName objectName, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName.qt());
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
    auto* keeper = new ShownItemKeeper(combo);
    combo->installEventFilter(keeper);
    combo->lineEdit()->installEventFilter(keeper);
    return combo;
}

void removeLengthLimit(QLineEdit* edit)
{
    edit->setMaxLength(std::numeric_limits<int>::max());
}

Cp932PlainTextEdit* makeMemo(QWidget* parent, FormName objectName)
{
    auto* memo = new Cp932PlainTextEdit(parent);
    memo->setObjectName(objectName.qt());
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setTabChangesFocus(true);
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

void nameAfterCaption(QLabel* caption, QWidget* control)
{
    caption->setBuddy(control);
    control->setAccessibleName(caption->text());
    // An editable list is read through its edit as well.
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(caption->text());
}

ClickablePanel* makeHelpPanel(QWidget* parent, HelpTopic topic)
{
    auto* panel = new ClickablePanel(form::helpPanel(topic), QStringLiteral("?"), ClickablePanel::Style::Help, parent);
    panel->setAccessibleName(QStringLiteral("「%1」の説明").arg(helpFieldName(topic)));
    return panel;
}

ClickablePanel* makeHelpPanel(QWidget* parent, HelpTopic topic, std::map<HelpTopic, ClickablePanel*>& panels,
    const std::function<void(HelpTopic)>& requested)
{
    ClickablePanel* panel = makeHelpPanel(parent, topic);
    QObject::connect(panel, &ClickablePanel::clicked, parent, [requested, topic] { requested(topic); });
    panels[topic] = panel;
    return panel;
}

void putPanelsAfterTheirFields(std::initializer_list<std::pair<QWidget*, QWidget*>> fieldsAndPanels)
{
    for (const auto& [field, panel] : fieldsAndPanels)
        QWidget::setTabOrder(field, panel);
}

void addField(QBoxLayout* column, QLabel* caption, QWidget* control, QWidget* extra, int stretch)
{
    nameAfterCaption(caption, control);
    column->addLayout(makeCaptionRow(caption, extra));
    column->addWidget(control, stretch);
}

void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void showFollowUp(QLabel* caption, QWidget* field, bool shown)
{
    caption->setVisible(shown);
    field->setVisible(shown);
}

QString qtItem(const std::string& cp932Item)
{
    return fromCp932(cp932Item);
}

} // namespace tarvo::gui
