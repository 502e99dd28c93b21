#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// What the preview command says (UTF-8).
inline constexpr std::string_view kMissingRequiredMessage
    = "どこか記入もれがあります。★マークの欄は必須ですので記入して下さい。"
      "また、「ファイルの所在を「その他」を選んだ場合は空欄に記入して下さい。";
inline constexpr std::string_view kPreviewSuccessMessage = "バックアップを取ると同時にプレビューの作成に成功しました！";
inline constexpr std::string_view kMissingFeeMessage = "「シェアウェア料金」の部分が記入されていません！";
inline constexpr std::string_view kFeeOutOfRangeInPreviewMessage
    = "シェアウェア料金は500円以上15,000円以下でお願いします。";
inline constexpr std::string_view kMissingProductNumberMessage = "「レジ作品番号」が記入されていません！";

// The fixed lines of the registration text, in CP932. The header
// lines are the site's own layout, byte for byte (including the stray "]" of the
// software-name header and the full-width blank after "不許可").
struct DocumentTexts {
    std::string formTitle;
    std::string authorHeader;
    std::string submissionKindHeader;
    std::string originalLibraryNumberHeader;
    std::string softwareNameHeader;
    std::string headlineHeader;
    std::string descriptionHeader;
    std::string archiveFileNameHeader;
    std::string publicationFileNameHeader;
    std::string versionHeader;
    std::string machineHeader;
    std::string operatingSystemsHeader;
    std::string requiredSoftwareHeader;
    std::string handlingHeader;
    std::string directoryHeader;
    std::string fileLocationHeader;
    std::string printPermissionHeader;
    std::string webPermissionHeader;
    std::string notesHeader;

    std::string directoryArrow; // between Category and Subcategory
    std::string otherLocationColon; // between "その他" and its free text
    std::string permissionGiven;
    std::string permissionRefused; // ends in a full-width blank
    std::string operatingSystemSeparator;
    std::string notesFiller; // replaces an empty first line of Notes

    std::string sharewareSeparator;
    std::string feeHeader;
    std::string yen;
    std::string conditionsHeader;
    std::string bankHeader;
    std::string postalHeader;
    std::string productNumberHeader;
    std::string niftyHeader;
    std::string otherRemittanceHeader;
};

const DocumentTexts& documentTexts();

} // namespace tarvo
