#pragma once

#include "gui/FormNames.h"
#include "gui/desktop/Fonts.h"

#include "core/guidance/FieldHelp.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>

class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QObject;
class QWidget;

namespace tarvo::gui {

class ClickablePanel;
class Cp932PlainTextEdit;

// Building blocks shared by the pages: every entry control gets its form name as
// objectName and the input rules of the system. Each is made inside `parent`,
// so it has the page's font from birth, and takes any font of its own before
// its text: no text is laid out in a font it is not shown in.

// A field caption; its hint is the tooltip shown while the pointer rests on it.
QLabel* makeCaption(QWidget* parent, const QString& text, const QString& hint = {}, int pixelSize = kTextSize);
// An instruction text that wraps at the column's width.
QLabel* makeInstruction(QWidget* parent, FormName objectName, const QString& text);
// A one-line edit that drops line breaks and refuses what CP932 cannot hold.
QLineEdit* makeLineEdit(QWidget* parent, FormName objectName, int pixelSize = kTextSize);
// An editable drop-down list whose typed text stays exactly as typed: no inline
// completion, no case-folding match, nothing added to the list on Enter, and the
// text starts empty. Its choice signals come from the author's choices alone,
// never from the focus passing through or Enter.
QComboBox* makeSuggestionCombo(QWidget* parent, FormName objectName, const QStringList& items);
// Qt cuts a one-line edit at 32,767 characters without a word; the form's
// one-line fields take text of any length, as its memos do.
void removeLengthLimit(QLineEdit* edit);
// A multi-line edit with a vertical scroll bar, wrapping at its right edge. Tab
// moves on to the next control: a tab character belongs in no document.
Cp932PlainTextEdit* makeMemo(QWidget* parent, FormName objectName);

// The caption names the control for assistive technology, as its buddy.
void nameAfterCaption(QLabel* caption, QWidget* control);

// The "?" panel of a field: a small button that asks for the field's help,
// named after the field for assistive technology.
ClickablePanel* makeHelpPanel(QWidget* parent, HelpTopic topic);
// The same, kept in `panels`; a click calls `requested` with the topic.
ClickablePanel* makeHelpPanel(QWidget* parent, HelpTopic topic, std::map<HelpTopic, ClickablePanel*>& panels,
    const std::function<void(HelpTopic)>& requested);

// A panel on a caption line stands beside its field: in the Tab order it comes
// right after the field, not before it. Pairs of field and panel.
void putPanelsAfterTheirFields(std::initializer_list<std::pair<QWidget*, QWidget*>> fieldsAndPanels);

// The caption with `extra` (a small panel) right after it, the rest of the line
// empty. `extra` may be null.
QHBoxLayout* makeCaptionRow(QLabel* caption, QWidget* extra = nullptr);
// Caption (with its optional panel) and the control under it; the caption
// names the control.
void addField(QBoxLayout* column, QLabel* caption, QWidget* control, QWidget* extra = nullptr, int stretch = 0);

// A widget that keeps its place in the layout while hidden, as fixed positions do.
void keepPlaceWhenHidden(QWidget* widget);
// Shows or hides a follow-up field together with its caption.
void showFollowUp(QLabel* caption, QWidget* field, bool shown);

template <size_t N> QStringList qtItems(const std::array<std::string, N>& cp932Items);
QString qtItem(const std::string& cp932Item);

template <size_t N> QStringList qtItems(const std::array<std::string, N>& cp932Items)
{
    QStringList items;
    for (const std::string& item : cp932Items)
        items.append(qtItem(item));
    return items;
}

} // namespace tarvo::gui
