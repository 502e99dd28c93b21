#pragma once

#include "document/PreviewOutcome.h"
#include "entry/RegistrationEntry.h"

namespace tarvo {

// The preview command: checks the required fields, derives the document class,
// and writes the registration text and the backup lines side by side. It may put
// "特になし" into an empty first line of the entry's Notes, and that change stays.
// It never touches a file: writing the backup is the caller's part.
PreviewOutcome runPreviewCommand(RegistrationEntry& entry);

} // namespace tarvo
