#pragma once

#include "text/Lines.h"

#include <string>
#include <vector>

namespace tarvo {

enum class PreviewStatus {
    Success, // the success message; the backup must be written
    Refused, // a plain message box with a validation message
    Error,   // the application error box with a run-time message
};

// What one run of the preview command leaves behind. The window shows the message,
// replaces its preview when `previewRebuilt`, and writes `backupText` when
// `writeBackup` (the success message follows only when that write succeeds).
struct PreviewOutcome {
    PreviewStatus status = PreviewStatus::Refused;
    std::string message; // CP932; for Error the bare run-time message

    // False for the two failures before the preview is emptied: the window keeps
    // whatever its preview showed.
    bool previewRebuilt = false;
    // The registration text as the preview holds it afterwards, every line
    // followed by CR LF (also the partial text of a refusal).
    std::string previewText;
    // The backup file's bytes built so far, every line followed by CR LF.
    std::string backupText;
    bool writeBackup = false;

    std::vector<std::string> previewLines() const { return splitLines(previewText); }
    std::vector<std::string> backupLines() const { return splitLines(backupText); }
};

} // namespace tarvo
