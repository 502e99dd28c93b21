// Any bytes as a PAD file: read, mapped, written as backup rows and loaded back
// as the window's load does. Whatever the file holds, an import that is not
// refused must give rows that load back to exactly themselves, and the loaded
// entry must become JSON without a failure.

#include "FuzzCheck.h"

#include "core/format/EntryJson.h"
#include "core/format/PadReader.h"
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
    PadImportOptions options;
    options.transliterate = size % 2 == 0;
    const PadImport imported = mapPad(document, options);
    if (imported.refused())
        return 0;
    const std::string rows = backupRecordOf(imported.entry, imported.sections);
    RegistrationEntry loaded;
    loaded.softwareName = imported.entry.softwareName;
    const RestoreReport report = restoreBackup(rows, loaded);
    FUZZ_CHECK(report.feeFilterMessages == 0);
    FUZZ_CHECK(report.sharewareSectionRead == (imported.sections == BackupSections::CommonAndShareware));
    FUZZ_CHECK(backupRecordOf(loaded, imported.sections) == rows);
    FUZZ_CHECK(loaded.handling == imported.entry.handling && loaded.description == imported.entry.description
        && loaded.supportedOs == imported.entry.supportedOs);
    JsonWriter json;
    writeEntryJson(json, loaded, report.sharewareSectionRead);
    return 0;
}
