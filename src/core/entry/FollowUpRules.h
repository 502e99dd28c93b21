#pragma once

#include "core/entry/RegistrationEntry.h"

namespace tarvo {

// Which choices ask for a follow-up field. The window shows the field by these
// rules, and the registration text and the backup carry its text by them; the
// restore of a backup has one rule of its own for the file location (text after
// its digit shows the field, whatever the digit).

inline constexpr int kNewSubmission = 0; // "1：新規"
inline constexpr int kOtherFileLocation = 3; // "その他"
inline constexpr int kPermissionGiven = 0; // "許可"
inline constexpr int kPermissionRefused = 1; // "不許可"

// The original library number, for any submission but a new one.
constexpr bool asksForOriginalLibraryNumber(int submissionKind)
{
    return submissionKind != kNewSubmission;
}

// The free text of the file location "その他".
constexpr bool asksForFileLocationOther(int fileLocation)
{
    return fileLocation == kOtherFileLocation;
}

// The reason of a refused permission.
constexpr bool asksForRefusalReason(int permission)
{
    return permission == kPermissionRefused;
}

// Category and Subcategory count only together: one without the other is no
// listing directory at all.
inline bool hasListingDirectory(const RegistrationEntry& entry)
{
    return !entry.category.empty() && !entry.subcategory.empty();
}

} // namespace tarvo
