#pragma once

#include "core/guidance/FieldHelp.h"
#include "core/guidance/WebLinks.h"

#include <array>

// The form's control names: the objectName of every control of the two
// windows, by which tests, tools and assistive technology find them. They are
// spelled here and nowhere else; code speaks of what a control is.
namespace tarvo::gui::form {

// The main window and its pages.
inline constexpr char mainWindow[] = "TForm1";
inline constexpr char pages[] = "PageControl1";

// "共通（フリー/シェア）"
inline constexpr char authorId[] = "Edit19";
inline constexpr char submissionKind[] = "RadioGroup6";
inline constexpr char originalLibraryNumberCaption[] = "Label39";
inline constexpr char originalLibraryNumber[] = "Edit20";
inline constexpr char softwareName[] = "Edit21";
inline constexpr char loadPanel[] = "Panel1";
inline constexpr char headline[] = "Edit22";
inline constexpr char description[] = "Memo3";
inline constexpr char sizePanel[] = "Panel10";
inline constexpr char descriptionNote[] = "Label5";
inline constexpr char archiveFileName[] = "Edit23";
inline constexpr char publicationFileName[] = "Edit24";
inline constexpr char version[] = "Edit25";
inline constexpr char machine[] = "ComboBox1";
// In the order of the operating-system line.
inline constexpr std::array<const char*, 6> operatingSystems { "CheckBox6", "CheckBox7", "CheckBox8", "CheckBox1",
    "CheckBox9", "CheckBox2" };
inline constexpr char otherOs[] = "Edit27";
inline constexpr char requiredSoftware[] = "Edit28";
inline constexpr char handling[] = "ComboBox4";
inline constexpr char category[] = "ComboBox2";
inline constexpr char subcategory[] = "ComboBox3";
inline constexpr char fileLocation[] = "RadioGroup8";
inline constexpr char fileLocationOtherCaption[] = "Label52";
inline constexpr char fileLocationOther[] = "Edit29";
inline constexpr char printPermission[] = "RadioGroup9";
inline constexpr char printRefusalCaption[] = "Label2";
inline constexpr char printRefusalReason[] = "Edit1";
inline constexpr char webPermission[] = "RadioGroup10";
inline constexpr char webRefusalCaption[] = "Label3";
inline constexpr char webRefusalReason[] = "Edit2";
inline constexpr char notes[] = "Memo4";
inline constexpr char previewButton[] = "Button2";
inline constexpr char previewNote[] = "Label6";

// "シェアウェアの場合"
inline constexpr char sharewareFee[] = "Edit30";
inline constexpr char sharewareConditions[] = "Memo8";
inline constexpr char bankRemittance[] = "Edit32";
inline constexpr char postalRemittance[] = "Edit33";
inline constexpr char registeredProductNumber[] = "Edit34";
inline constexpr char niftyRemittance[] = "Edit35";
inline constexpr char otherRemittance[] = "Edit36";
inline constexpr char calculateButton[] = "Button3";
inline constexpr char userStatement[] = "Memo6";
inline constexpr char authorStatement[] = "Memo7";
inline constexpr std::array<const char*, 2> feeNotes { "FeeNote1", "FeeNote2" };
inline constexpr std::array<const char*, 3> helpNotes { "HelpNote1", "HelpNote2", "HelpNote3" };

// "書き方のヘルプ / インターネット"
inline constexpr char aboutPanel[] = "Panel2";
inline constexpr char helpText[] = "Memo9";

// "プレビュー"
inline constexpr char previewInstruction[] = "Label7";
inline constexpr char preview[] = "Memo1";
inline constexpr char saveButton[] = "Button1";
inline constexpr char wrapChoice[] = "RadioGroup1";
inline constexpr char folderNote[] = "Label9";
inline constexpr char drives[] = "DriveComboBox1";
inline constexpr char desktopButton[] = "Image2";
inline constexpr char folders[] = "DirectoryListBox1";
inline constexpr char folderLabel[] = "Label8";

// The load dialog.
inline constexpr char loadDialog[] = "TForm2";
inline constexpr char loadButton[] = "Button1";
inline constexpr char cancelButton[] = "Button2";
inline constexpr char backupList[] = "ListBox1";

// The "?" panel beside the field of a help topic.
constexpr const char* helpPanel(HelpTopic topic)
{
    switch (topic) {
    case HelpTopic::Headline:
        return "Panel11";
    case HelpTopic::ArchiveFileName:
        return "Panel12";
    case HelpTopic::PublicationFileName:
        return "Panel13";
    case HelpTopic::Machine:
        return "Panel14";
    case HelpTopic::Notes:
        return "Panel15";
    case HelpTopic::SharewareFee:
        return "Panel3";
    case HelpTopic::SharewareConditions:
        return "Panel4";
    case HelpTopic::BankRemittance:
        return "Panel5";
    case HelpTopic::PostalRemittance:
        return "Panel8";
    case HelpTopic::RegisteredProductNumber:
        return "Panel7";
    case HelpTopic::NiftyRemittance:
        return "Panel6";
    case HelpTopic::OtherRemittance:
        return "Panel9";
    }
    return "";
}

// The control that opens a link.
constexpr const char* link(LinkId id)
{
    switch (id) {
    case LinkId::OfficialSite:
        return "Label77";
    case LinkId::ReplaceSubmission:
        return "Label90";
    case LinkId::AuthorRegistration:
        return "Label91";
    case LinkId::AuthorPassword:
        return "Label92";
    case LinkId::SharewareRegistration:
        return "Label93";
    case LinkId::SharewareAuthorInfo:
        return "Label94";
    case LinkId::HomePageInAbout:
        return "Label73";
    case LinkId::HomePageBanner:
        return "Image1";
    }
    return "";
}

} // namespace tarvo::gui::form
