#pragma once

#include <string>

namespace tarvo {

// The fixed lines and messages of the registration text, in CP932. The header
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

    std::string directoryArrow;        // between Category and Subcategory
    std::string otherLocationColon;    // between "その他" and its free text
    std::string permissionGiven;
    std::string permissionRefused;     // ends in a full-width blank
    std::string operatingSystemSeparator;
    std::string notesFiller;           // replaces an empty first line of Notes

    std::string sharewareSeparator;
    std::string feeHeader;
    std::string yen;
    std::string conditionsHeader;
    std::string bankHeader;
    std::string postalHeader;
    std::string productNumberHeader;
    std::string niftyHeader;
    std::string otherRemittanceHeader;

    std::string missingRequiredMessage;
    std::string successMessage;
    std::string missingFeeMessage;
    std::string feeOutOfRangeMessage;
    std::string missingProductNumberMessage;
};

const DocumentTexts& documentTexts();

} // namespace tarvo
