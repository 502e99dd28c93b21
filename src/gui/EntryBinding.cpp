#include "EntryBinding.h"

#include "MemoText.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "WidgetLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace tarvo::gui {

namespace {

using Entry = RegistrationEntry;

// A program step sets the text without the signals of an edit: the refusal
// message of the input rules belongs to the author's edits only. A long text
// shows from its start, not scrolled to the cursor.
void setLineText(QLineEdit* edit, const SingleLineText& value)
{
    const QSignalBlocker quiet(edit);
    edit->setText(fromCp932(value.str()));
    edit->setCursorPosition(0);
}

} // namespace

EntryBinding::EntryBinding(QWidget* form)
    : QObject(form)
    , m_fee(requireChild<QLineEdit>(form, "Edit30"))
    , m_handling(requireChild<QComboBox>(form, "ComboBox4"))
    , m_notes(requireChild<QPlainTextEdit>(form, "Memo4"))
{
    const auto line = [form](SingleLineText Entry::*field, const char* name) {
        return LineField { field, requireChild<QLineEdit>(form, name) };
    };
    // AuthorId first: writeAuthorId() relies on it.
    m_lines = {
        line(&Entry::authorId, "Edit19"),
        line(&Entry::originalLibraryNumber, "Edit20"),
        line(&Entry::softwareName, "Edit21"),
        line(&Entry::headline, "Edit22"),
        line(&Entry::archiveFileName, "Edit23"),
        line(&Entry::publicationFileName, "Edit24"),
        line(&Entry::version, "Edit25"),
        line(&Entry::otherOs, "Edit27"),
        line(&Entry::requiredSoftware, "Edit28"),
        line(&Entry::fileLocationOther, "Edit29"),
        line(&Entry::printRefusalReason, "Edit1"),
        line(&Entry::webRefusalReason, "Edit2"),
        line(&Entry::bankRemittance, "Edit32"),
        line(&Entry::postalRemittance, "Edit33"),
        line(&Entry::registeredProductNumber, "Edit34"),
        line(&Entry::niftyRemittance, "Edit35"),
        line(&Entry::otherRemittance, "Edit36"),
    };
    m_combos = {
        { &Entry::machine, requireChild<QComboBox>(form, "ComboBox1") },
        { &Entry::handling, m_handling },
        { &Entry::category, requireChild<QComboBox>(form, "ComboBox2") },
        { &Entry::subcategory, requireChild<QComboBox>(form, "ComboBox3") },
    };
    m_memos = {
        { &Entry::description, requireChild<QPlainTextEdit>(form, "Memo3") },
        { &Entry::notes, m_notes },
        { &Entry::sharewareConditions, requireChild<QPlainTextEdit>(form, "Memo8") },
    };
    m_choices = {
        { &Entry::submissionKind, requireChild<RadioGroup>(form, "RadioGroup6") },
        { &Entry::fileLocation, requireChild<RadioGroup>(form, "RadioGroup8") },
        { &Entry::printPermission, requireChild<RadioGroup>(form, "RadioGroup9") },
        { &Entry::webPermission, requireChild<RadioGroup>(form, "RadioGroup10") },
    };
    // In the order of the operating-system line.
    const char* const boxes[] = { "CheckBox6", "CheckBox7", "CheckBox8", "CheckBox1", "CheckBox9", "CheckBox2" };
    for (size_t i = 0; i < m_operatingSystems.size(); ++i)
        m_operatingSystems[i] = requireChild<QCheckBox>(form, boxes[i]);
    m_followUps = {
        { &FollowUpVisibility::originalLibraryNumber, requireChild<QLabel>(form, "Label39"),
            requireChild<QLineEdit>(form, "Edit20") },
        { &FollowUpVisibility::fileLocationOther, requireChild<QLabel>(form, "Label52"),
            requireChild<QLineEdit>(form, "Edit29") },
        { &FollowUpVisibility::printRefusalReason, requireChild<QLabel>(form, "Label2"),
            requireChild<QLineEdit>(form, "Edit1") },
        { &FollowUpVisibility::webRefusalReason, requireChild<QLabel>(form, "Label3"),
            requireChild<QLineEdit>(form, "Edit2") },
    };

    // The author's changes only: every edit of the typed text, and a choice from
    // the list (which first puts the item's text into the field). Text set by a
    // program step emits neither.
    connect(m_handling->lineEdit(), &QLineEdit::textEdited, this, &EntryBinding::comboBox4Change);
    connect(m_handling, &QComboBox::textActivated, this, &EntryBinding::comboBox4Change);
}

RegistrationEntry EntryBinding::read() const
{
    RegistrationEntry entry;
    for (const LineField& each : m_lines)
        entry.*each.field = toCp932(each.edit->text());
    for (const ComboField& each : m_combos)
        entry.*each.field = toCp932(each.combo->currentText());
    for (const MemoField& each : m_memos)
        entry.*each.field = memoTextCp932(*each.memo);
    for (const ChoiceField& each : m_choices)
        entry.*each.field = each.group->index();
    for (size_t i = 0; i < m_operatingSystems.size(); ++i)
        entry.supportedOs[i] = m_operatingSystems[i]->isChecked();
    for (const FollowUp& each : m_followUps)
        entry.visibility.*each.shown = !each.edit->isHidden();
    entry.sharewareFee = toCp932(m_fee->text());
    entry.handlingKind = m_handlingKind;
    return entry;
}

void EntryBinding::write(const RegistrationEntry& entry)
{
    for (const LineField& each : m_lines)
        setLineText(each.edit, entry.*each.field);
    for (const ComboField& each : m_combos)
        setLineText(each.combo->lineEdit(), entry.*each.field);
    for (const MemoField& each : m_memos)
        setMemoTextCp932(*each.memo, (entry.*each.field).text());
    for (const ChoiceField& each : m_choices)
        each.group->setIndex(entry.*each.field);
    for (size_t i = 0; i < m_operatingSystems.size(); ++i)
        m_operatingSystems[i]->setChecked(entry.supportedOs[i]);
    for (const FollowUp& each : m_followUps) {
        each.caption->setVisible(entry.visibility.*each.shown);
        each.edit->setVisible(entry.visibility.*each.shown);
    }
    m_handlingKind = entry.handlingKind;
    // Not silenced: the fee field's digit filter hangs on its change signal and
    // runs for a program step too, as for a restored fee.
    m_fee->setText(fromCp932(entry.sharewareFee.str()));
    m_fee->setCursorPosition(0);
}

void EntryBinding::writeNotes(const LinesText& notes)
{
    if (memoTextCp932(*m_notes) != notes.text())
        setMemoTextCp932(*m_notes, notes.text());
}

void EntryBinding::writeAuthorId(const SingleLineText& authorId)
{
    setLineText(m_lines.front().edit, authorId);
}

void EntryBinding::comboBox4Change()
{
    m_handlingKind.recompute(toCp932(m_handling->currentText()));
}

} // namespace tarvo::gui
