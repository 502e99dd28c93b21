#pragma once

#include "core/Outcome.h"
#include "core/entry/FieldText.h"

#include <optional>
#include <string>

namespace tarvo {

// What one run of the preview command leaves behind. The window fills in the
// Notes it returns, replaces its preview when `previewRebuilt`, writes
// `backupText` on success and then shows the outcome (the success message only
// once that write succeeded).
struct PreviewOutcome {
    Outcome outcome;

    // False for the two failures before the preview is emptied: the window keeps
    // whatever its preview showed.
    bool previewRebuilt = false;
    // The registration text as the preview holds it afterwards, every line
    // followed by CR LF (also the partial text of a refusal).
    std::string previewText;
    // The backup record to write, every line followed by CR LF; empty unless
    // the outcome is a success.
    std::string backupText;
    // Notes with "特になし" in its empty first line, when the command filled it
    // in; the entry holds it from then on.
    std::optional<LinesText> filledNotes;
};

} // namespace tarvo
