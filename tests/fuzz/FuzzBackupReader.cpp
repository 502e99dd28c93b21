// A backup file of any shape, restored into an entry and run through the preview
// command. Whatever the file holds, the restore must stay inside its lines, the
// entry must stay one the window can show, and a backup that the preview command
// then writes must load back: loading it again and previewing gives the same
// registration text and the same backup, byte for byte.

#include "BackupRecords.h"
#include "FuzzCheck.h"

#include "core/backup/BackupFolder.h"
#include "core/backup/BackupList.h"
#include "core/document/PreviewCommand.h"
#include "core/entry/EntryLists.h"
#include "core/errors/RuntimeError.h"
#include "core/text/Lines.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace tarvo;

bool endsWithCrLf(std::string_view text)
{
    return text.size() >= 2 && text.substr(text.size() - 2) == kCrLf;
}

bool holdsNoLineBreak(const SingleLineText& field)
{
    return field.str().find_first_of("\r\n") == std::string::npos;
}

void checkEntry(const RegistrationEntry& e)
{
    for (const SingleLineText* field : { &e.authorId, &e.originalLibraryNumber, &e.softwareName, &e.headline,
             &e.archiveFileName, &e.publicationFileName, &e.version, &e.machine, &e.otherOs, &e.requiredSoftware,
             &e.handling, &e.category, &e.subcategory, &e.fileLocationOther, &e.printRefusalReason, &e.webRefusalReason,
             &e.sharewareFee, &e.bankRemittance, &e.postalRemittance, &e.registeredProductNumber, &e.niftyRemittance,
             &e.otherRemittance })
        FUZZ_CHECK(holdsNoLineBreak(*field));
    FUZZ_CHECK(e.submissionKind >= 0 && static_cast<size_t>(e.submissionKind) < entryLists().submissionKinds.size());
    FUZZ_CHECK(e.fileLocation >= 0 && static_cast<size_t>(e.fileLocation) < entryLists().fileLocations.size());
    FUZZ_CHECK(e.printPermission == 0 || e.printPermission == 1);
    FUZZ_CHECK(e.webPermission == 0 || e.webPermission == 1);
    FUZZ_CHECK(e.visibility.originalLibraryNumber == (e.submissionKind != 0));
    FUZZ_CHECK(e.visibility.printRefusalReason == (e.printPermission == 1));
    FUZZ_CHECK(e.visibility.webRefusalReason == (e.webPermission == 1));
    for (const char c : e.sharewareFee.str())
        FUZZ_CHECK(c >= '0' && c <= '9');
    for (const LinesText* field : { &e.description, &e.notes, &e.sharewareConditions })
        FUZZ_CHECK(field->empty() || endsWithCrLf(field->text()));
}

void checkOutcome(const PreviewOutcome& outcome)
{
    if (!outcome.previewRebuilt) {
        FUZZ_CHECK(outcome.previewText.empty() && outcome.backupText.empty());
        FUZZ_CHECK(!outcome.outcome.succeeded());
        return;
    }
    FUZZ_CHECK(endsWithCrLf(outcome.previewText));
    // A backup record comes with a success, and only with one.
    FUZZ_CHECK(outcome.backupText.empty() != outcome.outcome.succeeded());
    if (!outcome.outcome.succeeded())
        return;
    FUZZ_CHECK(endsWithCrLf(outcome.backupText));
    // Every backup line is one row: a prefix and a value without a line break.
    forEachLine(outcome.backupText,
        [](std::string_view line) { FUZZ_CHECK(!line.empty() && (line.front() == '#' || line.front() == '@')); });
    FUZZ_CHECK(joinLines(splitLines(outcome.backupText)) == outcome.backupText);
}

// The restore never sets the name (the dialog takes it from the file name).
RegistrationEntry bareEntry()
{
    RegistrationEntry e;
    e.softwareName = "fuzz";
    return e;
}

void restoreAndPreview(std::string_view bytes, const RegistrationEntry& start)
{
    RegistrationEntry entry = start;
    try {
        restoreBackup(bytes, entry);
    } catch (const RuntimeError&) {
        // A non-digit index byte: the restore stops, what came before stays.
    }
    checkEntry(entry);
    const PreviewOutcome first = runPreviewCommand(entry);
    checkOutcome(first);
    if (!first.outcome.succeeded())
        return;

    // Loading the backup just written into the same window: fields the file
    // does not hold (a hidden free text, shareware fields of a common-only file)
    // keep what the window shows, as they do for the author.
    RegistrationEntry again = entry;
    restoreBackup(first.backupText, again);
    const PreviewOutcome second = runPreviewCommand(again);
    FUZZ_CHECK(second.outcome.succeeded());
    FUZZ_CHECK(second.previewText == first.previewText);
    FUZZ_CHECK(second.backupText == first.backupText);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const RegistrationEntry bare = bareEntry();
    // Every field filled, as the unit tests' restores start: what a file does not
    // hold stays as it was and must still preview and load back.
    static const RegistrationEntry filled = test::sentinelEntry();
    restoreAndPreview(bytes, bare);
    restoreAndPreview(bytes, filled);
    return 0;
}
