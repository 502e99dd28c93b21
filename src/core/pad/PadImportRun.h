#pragma once

#include "core/pad/PadMapping.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

struct PadImportRequest {
    std::string_view fileBytes;
    std::string inputEncoding; // empty: as the file says
    PadImportOptions options;
    std::filesystem::path dataFolder; // existing; never created
    bool replace = false; // an existing backup is replaced atomically
    bool dryRun = false; // every step and check, nothing written
};

struct PadImportRun {
    enum class Status { Done, Refused, Failed };
    Status status = Status::Failed;
    bool backupExists = false; // refused only because the backup is there
    std::string encoding;
    std::string padVersion;
    std::vector<PadDiagnostic> diagnostics;
    std::vector<std::string> notImported;
    std::filesystem::path target; // empty until the software name is known
    bool written = false;
    // The entry as loading the backup gives it; only when it can be written.
    std::optional<RegistrationEntry> entry;
    bool sharewareSection = false;
    // The entry's texts are UTF-8: a refused import shows what it would write.
    bool entryInUtf8 = false;
};

// The bytes of a PAD file, at most one beyond the largest file read, so that a
// larger file is known as such without reading it all. Raises "ファイル %s は開けません".
std::string readPadFile(const std::filesystem::path& file);

// The defaults and checks the start folder gives an import, where its files
// are: the remembered author ("setting.dat") and the catalogue
// ("category.dat"). Raises what reading them raises.
void addStartFolderDefaults(PadImportOptions& options, const std::filesystem::path& startFolder);

// Reads, maps and checks the PAD file and writes the backup
// `dataFolder/<software name>.bak` with the rows the preview writes. Nothing is
// written unless every check passed.
PadImportRun runPadImport(const PadImportRequest& request);

// Asked when the backup is there already and the request does not replace it;
// true replaces it.
using ReplaceConfirmation = std::function<bool(const std::filesystem::path& backup)>;

// The import as the window and the command line run it: runPadImport, and when
// the backup is there, the question, then the replacing run after a yes.
PadImportRun importPad(PadImportRequest request, const ReplaceConfirmation& confirmReplace);

// A finding's message as a front end words it, its remedy included.
using PadFindingWording = std::function<std::string(const PadDiagnostic&)>;

// The report of the run as JSON; `file` as the author named it, each message
// worded by `worded` (the bare message when empty).
std::string padImportReportJson(const PadImportRun& run, std::string_view file, const PadFindingWording& worded = {});

} // namespace tarvo
