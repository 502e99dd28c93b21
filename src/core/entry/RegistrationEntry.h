#pragma once

#include "core/entry/FieldText.h"
#include "core/entry/HandlingKind.h"

#include <array>

namespace tarvo {

// Which of the four follow-up fields (and their captions) the window shows. The
// radio groups decide it, and a restore sets it by its own rules.
struct FollowUpVisibility {
    bool originalLibraryNumber = false;
    bool fileLocationOther = false;
    bool printRefusalReason = false;
    bool webRefusalReason = false;

    friend bool operator==(const FollowUpVisibility&, const FollowUpVisibility&) = default;
};

// Everything the author fills in about one package, in the order in which every
// document and backup writer visits the fields. Texts are CP932 byte strings; an
// empty text means "not filled in" and blanks count as text.
struct RegistrationEntry {
    SingleLineText authorId;
    int submissionKind = 0; // index into EntryLists::submissionKinds
    SingleLineText originalLibraryNumber;
    SingleLineText softwareName;
    SingleLineText headline;
    LinesText description;
    SingleLineText archiveFileName;
    SingleLineText publicationFileName;
    SingleLineText version;
    SingleLineText machine;
    std::array<bool, 6> supportedOs {}; // in the order of EntryLists::operatingSystems
    SingleLineText otherOs;
    SingleLineText requiredSoftware;
    SingleLineText handling;
    SingleLineText category;
    SingleLineText subcategory;
    int fileLocation = 0; // index into EntryLists::fileLocations
    SingleLineText fileLocationOther;
    int printPermission = 0; // 0 given, 1 refused
    SingleLineText printRefusalReason;
    int webPermission = 0; // 0 given, 1 refused
    SingleLineText webRefusalReason;
    LinesText notes;
    SingleLineText sharewareFee;
    LinesText sharewareConditions;
    SingleLineText bankRemittance;
    SingleLineText postalRemittance;
    SingleLineText registeredProductNumber;
    SingleLineText niftyRemittance;
    SingleLineText otherRemittance;

    HandlingKind handlingKind;
    FollowUpVisibility visibility;

    // Sets the Handling text the way every change of it does: HandlingKind follows.
    void changeHandling(std::string_view cp932Text)
    {
        handling = cp932Text;
        handlingKind.recompute(handling.str());
    }
};

} // namespace tarvo
