// Any bytes as a PAD file: read, mapped, written as backup rows and loaded back
// as the window's load does, with its checks and limits. Whatever the file
// holds, the import must write exactly the rows that load back to themselves,
// and the loaded entry must become JSON without a failure.

#include "FuzzCheck.h"

#include "core/backup/BackupList.h"
#include "core/files/NativePath.h"
#include "core/format/EntryJson.h"
#include "core/format/PadReader.h"
#include "core/pad/PadImportRun.h"
#include "core/pad/PadMapping.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tarvo;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PadDocument document;
    try {
        document = readPad(bytes);
    } catch (const PadReadError&) {
        return 0;
    }
    PadImportRequest request;
    request.fileBytes = bytes;
    request.options.transliterate = size % 2 == 0;
    request.dataFolder = "/nonexistent-fuzz-data"; // never written: a dry run
    request.dryRun = true;
    const PadImport imported = mapPad(document, request.options);
    if (imported.refused())
        return 0;
    const std::string rows = backupRecordOf(imported.entry, imported.sections);
    std::filesystem::path file = request.dataFolder / fileNameFromCp932(imported.entry.softwareName.str());
    file += ".bak";
    const ListedRestore loaded = restoreListedBytes(listedBackupOf(file), rows, RegistrationEntry());
    const bool loadsBack = loaded.outcome.succeeded() && loaded.feeFilterMessages == 0
        && loaded.entry->softwareName == imported.entry.softwareName
        && backupRecordOf(*loaded.entry, imported.sections) == rows;
    // Only a value larger than the load takes may stop it.
    FUZZ_CHECK(loaded.outcome.succeeded() || loaded.outcome.kind == Outcome::Kind::Refused);
    FUZZ_CHECK((runPadImport(request).status == PadImportRun::Status::Done) == loadsBack);
    if (!loadsBack)
        return 0;
    FUZZ_CHECK(loaded.sharewareSectionRead == (imported.sections == BackupSections::CommonAndShareware));
    FUZZ_CHECK(loaded.entry->handling == imported.entry.handling
        && loaded.entry->description == imported.entry.description
        && loaded.entry->supportedOs == imported.entry.supportedOs);
    JsonWriter json;
    writeEntryJson(json, *loaded.entry, loaded.sharewareSectionRead);
    return 0;
}
