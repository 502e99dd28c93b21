#include "gui/EntryBinding.h"

#include "gui/MemoText.h"
#include "gui/QtText.h"
#include "gui/pages/CommonPage.h"
#include "gui/pages/FormParts.h"
#include "gui/pages/SharewarePage.h"
#include "gui/widgets/Cp932PlainTextEdit.h"
#include "gui/widgets/RadioGroup.h"

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

EntryBinding::EntryBinding(const CommonPage& page, QObject* parent)
    : QObject(parent)
    , m_operatingSystems(page.m_ui.operatingSystems)
    , m_handling(page.m_ui.handling)
    , m_notes(page.m_ui.notes)
{
    const CommonPage::Controls& common = page.m_ui;
    m_lines = {
        { &Entry::authorId, common.authorId },
        { &Entry::originalLibraryNumber, common.originalLibraryNumber },
        { &Entry::softwareName, common.softwareName },
        { &Entry::headline, common.headline },
        { &Entry::archiveFileName, common.archiveFileName },
        { &Entry::publicationFileName, common.publicationFileName },
        { &Entry::version, common.version },
        { &Entry::otherOs, common.otherOs },
        { &Entry::requiredSoftware, common.requiredSoftware },
        { &Entry::fileLocationOther, common.fileLocationOther },
        { &Entry::printRefusalReason, common.printRefusalReason },
        { &Entry::webRefusalReason, common.webRefusalReason },
    };
    m_combos = {
        { &Entry::machine, common.machine },
        { &Entry::handling, common.handling },
        { &Entry::category, common.category },
        { &Entry::subcategory, common.subcategory },
    };
    m_memos = {
        { &Entry::description, common.description },
        { &Entry::notes, common.notes },
    };
    m_choices = {
        { &Entry::submissionKind, common.submissionKind },
        { &Entry::fileLocation, common.fileLocation },
        { &Entry::printPermission, common.printPermission },
        { &Entry::webPermission, common.webPermission },
    };
    m_followUps = {
        { &FollowUpVisibility::originalLibraryNumber, common.originalLibraryNumberCaption,
            common.originalLibraryNumber },
        { &FollowUpVisibility::fileLocationOther, common.fileLocationOtherCaption, common.fileLocationOther },
        { &FollowUpVisibility::printRefusalReason, common.printRefusalCaption, common.printRefusalReason },
        { &FollowUpVisibility::webRefusalReason, common.webRefusalCaption, common.webRefusalReason },
    };

    connect(&page, &CommonPage::handlingEdited, this, &EntryBinding::recomputeHandlingKind);
}

void EntryBinding::attach(const SharewarePage& page)
{
    const SharewarePage::Controls& shareware = page.m_ui;
    m_fee = shareware.sharewareFee;
    m_lines.insert(m_lines.end(),
        {
            { &Entry::bankRemittance, shareware.bankRemittance },
            { &Entry::postalRemittance, shareware.postalRemittance },
            { &Entry::registeredProductNumber, shareware.registeredProductNumber },
            { &Entry::niftyRemittance, shareware.niftyRemittance },
            { &Entry::otherRemittance, shareware.otherRemittance },
        });
    m_memos.push_back({ &Entry::sharewareConditions, shareware.sharewareConditions });
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
    if (m_fee)
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
    for (const FollowUp& each : m_followUps)
        showFollowUp(each.caption, each.edit, entry.visibility.*each.shown);
    m_handlingKind = entry.handlingKind;
    // The restore has run the fee field's digit filter already.
    if (m_fee)
        setLineText(m_fee, entry.sharewareFee);
}

void EntryBinding::writeNotes(const LinesText& notes)
{
    if (memoTextCp932(*m_notes) != notes.text())
        setMemoTextCp932(*m_notes, notes.text());
}

void EntryBinding::recomputeHandlingKind()
{
    m_handlingKind.recompute(toCp932(m_handling->currentText()));
}

} // namespace tarvo::gui
