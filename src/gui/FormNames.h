#pragma once

#include "core/guidance/FieldHelp.h"
#include "core/guidance/WebLinks.h"

#include <QString>

#include <array>

// The form's control names: the objectName of every control of the two
// windows, by which tests, tools and assistive technology find them. They are
// spelled here and nowhere else; code speaks of what a control is.
namespace tarvo::gui {

// A control's objectName as the form spells it (plain ASCII). Form builders
// take it as it is; a lookup may pass it where a C string is expected.
class FormName {
public:
    explicit constexpr FormName(const char* latin1)
        : m_latin1(latin1)
    {
    }
    constexpr const char* latin1() const { return m_latin1; }
    constexpr operator const char*() const { return m_latin1; }
    QString qt() const { return QString::fromLatin1(m_latin1); }

private:
    const char* m_latin1;
};

} // namespace tarvo::gui

namespace tarvo::gui::form {

// The main window and its pages.
inline constexpr FormName mainWindow { "TForm1" };
inline constexpr FormName pages { "PageControl1" };

// "共通（フリー/シェア）"
inline constexpr FormName authorId { "Edit19" };
inline constexpr FormName submissionKind { "RadioGroup6" };
inline constexpr FormName originalLibraryNumberCaption { "Label39" };
inline constexpr FormName originalLibraryNumber { "Edit20" };
inline constexpr FormName softwareName { "Edit21" };
inline constexpr FormName loadPanel { "Panel1" };
inline constexpr FormName headline { "Edit22" };
inline constexpr FormName description { "Memo3" };
inline constexpr FormName sizePanel { "Panel10" };
inline constexpr FormName descriptionNote { "Label5" };
inline constexpr FormName archiveFileName { "Edit23" };
inline constexpr FormName publicationFileName { "Edit24" };
inline constexpr FormName version { "Edit25" };
inline constexpr FormName machine { "ComboBox1" };
// In the order of the operating-system line.
inline constexpr std::array<FormName, 6> operatingSystems { FormName { "CheckBox6" }, FormName { "CheckBox7" },
    FormName { "CheckBox8" }, FormName { "CheckBox1" }, FormName { "CheckBox9" }, FormName { "CheckBox2" } };
inline constexpr FormName otherOs { "Edit27" };
inline constexpr FormName requiredSoftware { "Edit28" };
inline constexpr FormName handling { "ComboBox4" };
inline constexpr FormName category { "ComboBox2" };
inline constexpr FormName subcategory { "ComboBox3" };
inline constexpr FormName fileLocation { "RadioGroup8" };
inline constexpr FormName fileLocationOtherCaption { "Label52" };
inline constexpr FormName fileLocationOther { "Edit29" };
inline constexpr FormName printPermission { "RadioGroup9" };
inline constexpr FormName printRefusalCaption { "Label2" };
inline constexpr FormName printRefusalReason { "Edit1" };
inline constexpr FormName webPermission { "RadioGroup10" };
inline constexpr FormName webRefusalCaption { "Label3" };
inline constexpr FormName webRefusalReason { "Edit2" };
inline constexpr FormName notes { "Memo4" };
inline constexpr FormName previewButton { "Button2" };
inline constexpr FormName previewNote { "Label6" };

// "シェアウェアの場合"
inline constexpr FormName sharewareFee { "Edit30" };
inline constexpr FormName sharewareConditions { "Memo8" };
inline constexpr FormName bankRemittance { "Edit32" };
inline constexpr FormName postalRemittance { "Edit33" };
inline constexpr FormName registeredProductNumber { "Edit34" };
inline constexpr FormName niftyRemittance { "Edit35" };
inline constexpr FormName otherRemittance { "Edit36" };
inline constexpr FormName calculateButton { "Button3" };
inline constexpr FormName userStatement { "Memo6" };
inline constexpr FormName authorStatement { "Memo7" };
inline constexpr std::array<FormName, 2> feeNotes { FormName { "FeeNote1" }, FormName { "FeeNote2" } };
inline constexpr std::array<FormName, 3> helpNotes { FormName { "HelpNote1" }, FormName { "HelpNote2" },
    FormName { "HelpNote3" } };

// "書き方のヘルプ / インターネット"
inline constexpr FormName aboutPanel { "Panel2" };
inline constexpr FormName helpText { "Memo9" };

// "プレビュー"
inline constexpr FormName previewInstruction { "Label7" };
inline constexpr FormName preview { "Memo1" };
inline constexpr FormName saveButton { "Button1" };
inline constexpr FormName wrapChoice { "RadioGroup1" };
inline constexpr FormName folderNote { "Label9" };
inline constexpr FormName drives { "DriveComboBox1" };
inline constexpr FormName desktopButton { "Image2" };
inline constexpr FormName folders { "DirectoryListBox1" };
inline constexpr FormName folderLabel { "Label8" };

// The load dialog.
inline constexpr FormName loadDialog { "TForm2" };
inline constexpr FormName loadButton { "Button1" };
inline constexpr FormName cancelButton { "Button2" };
inline constexpr FormName backupList { "ListBox1" };

// The "?" panel beside the field of a help topic.
constexpr FormName helpPanel(HelpTopic topic)
{
    switch (topic) {
    case HelpTopic::Headline:
        return FormName { "Panel11" };
    case HelpTopic::ArchiveFileName:
        return FormName { "Panel12" };
    case HelpTopic::PublicationFileName:
        return FormName { "Panel13" };
    case HelpTopic::Machine:
        return FormName { "Panel14" };
    case HelpTopic::Notes:
        return FormName { "Panel15" };
    case HelpTopic::SharewareFee:
        return FormName { "Panel3" };
    case HelpTopic::SharewareConditions:
        return FormName { "Panel4" };
    case HelpTopic::BankRemittance:
        return FormName { "Panel5" };
    case HelpTopic::PostalRemittance:
        return FormName { "Panel8" };
    case HelpTopic::RegisteredProductNumber:
        return FormName { "Panel7" };
    case HelpTopic::NiftyRemittance:
        return FormName { "Panel6" };
    case HelpTopic::OtherRemittance:
        return FormName { "Panel9" };
    }
    return FormName { "" };
}

// The control that opens a link.
constexpr FormName link(LinkId id)
{
    switch (id) {
    case LinkId::OfficialSite:
        return FormName { "Label77" };
    case LinkId::ReplaceSubmission:
        return FormName { "Label90" };
    case LinkId::AuthorRegistration:
        return FormName { "Label91" };
    case LinkId::AuthorPassword:
        return FormName { "Label92" };
    case LinkId::SharewareRegistration:
        return FormName { "Label93" };
    case LinkId::SharewareAuthorInfo:
        return FormName { "Label94" };
    case LinkId::HomePageInAbout:
        return FormName { "Label73" };
    case LinkId::HomePageBanner:
        return FormName { "Image1" };
    }
    return FormName { "" };
}

} // namespace tarvo::gui::form
