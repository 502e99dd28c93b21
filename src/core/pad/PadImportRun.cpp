#include "core/pad/PadImportRun.h"

#include "core/backup/BackupFolder.h"
#include "core/backup/BackupList.h"
#include "core/entry/EntryFields.h"
#include "core/errors/RuntimeError.h"
#include "core/files/FileIo.h"
#include "core/files/NativePath.h"
#include "core/files/NewFile.h"
#include "core/format/CatalogFile.h"
#include "core/format/EntryJson.h"
#include "core/format/PadReader.h"
#include "core/format/SettingsFile.h"
#include "core/settings/Settings.h"
#include "core/text/Utf8.h"

#include <algorithm>

namespace tarvo {

namespace {

using Level = PadDiagnostic::Level;

PadImportRun& fail(PadImportRun& run, PadImportRun::Status status, std::string message, std::string source = {})
{
    run.diagnostics.push_back({ Level::Error, "-", std::move(source), std::move(message) });
    run.status = status;
    return run;
}

// Whatever holds the name, a dangling link included.
bool nameTaken(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(file, error));
}

PadImportRun& refuseExisting(PadImportRun& run)
{
    run.backupExists = true;
    fail(run, PadImportRun::Status::Refused, "バックアップ " + displayText(run.target) + " はもうあります。");
    run.diagnostics.back().kind = PadDiagnostic::Kind::BackupExists;
    return run;
}

std::string_view kindName(PadDiagnostic::Kind kind)
{
    using Kind = PadDiagnostic::Kind;
    switch (kind) {
    case Kind::FillIn:
        return "fillIn";
    case Kind::BackupExists:
        return "backupExists";
    case Kind::Unrepresentable:
        return "unrepresentable";
    case Kind::Replaced:
        return "replaced";
    case Kind::MissingLanguage:
        return "missingLanguage";
    case Kind::Encoding:
        return "encoding";
    case Kind::Note:
        break;
    }
    return "note";
}

} // namespace

std::string readPadFile(const std::filesystem::path& file)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (!error && size > kLargestPadFile)
        return std::string(kLargestPadFile + 1, '\0');
    return readWholeFile(file);
}

void addStartFolderDefaults(PadImportOptions& options, const std::filesystem::path& startFolder)
{
    if (regularFileExists(startFolder / kSettingsFileName))
        options.rememberedAuthor = authorFromSettingsText(readWholeFile(startFolder / kSettingsFileName));
    if (regularFileExists(startFolder / kCategoryFileName))
        options.catalog = readCatalog(readWholeFile(startFolder / kCategoryFileName));
}

PadImportRun runPadImport(const PadImportRequest& request)
{
    PadImportRun run;
    PadDocument document;
    try {
        document = readPad(request.fileBytes, request.inputEncoding);
    } catch (const PadReadError& failure) {
        fail(run, PadImportRun::Status::Failed, failure.what());
        if (failure.encodingHint) {
            run.diagnostics.back().kind = PadDiagnostic::Kind::Encoding;
            run.diagnostics.back().value = failure.encoding;
        }
        return run;
    }
    run.encoding = document.encoding;
    PadImport mapped = mapPad(document, request.options);
    run.padVersion = mapped.padVersion;
    const bool refused = mapped.refused();
    run.diagnostics = std::move(mapped.diagnostics);
    run.notImported = std::move(mapped.notImported);
    // Asking for a block the file lacks is a wrong reading of the file, not a check.
    if (std::any_of(run.diagnostics.begin(), run.diagnostics.end(),
            [](const PadDiagnostic& d) { return d.kind == PadDiagnostic::Kind::MissingLanguage; })) {
        run.status = PadImportRun::Status::Failed;
        return run;
    }
    if (refused) {
        run.entry = std::move(mapped.shownEntry);
        run.entryInUtf8 = true;
        run.sharewareSection = mapped.sections == BackupSections::CommonAndShareware;
        run.status = PadImportRun::Status::Refused;
        return run;
    }
    const RegistrationEntry& entry = mapped.entry;
    run.target = request.dataFolder / fileNameFromCp932(entry.softwareName.str());
    run.target += ".bak";
    const std::string rows = backupRecordOf(entry, mapped.sections);

    // A value the load would refuse as too large, named as the window labels
    // its field (the load names the backup's row).
    for (const EntryField& field : entryFields()) {
        if (field.single
            && (field.section == EntrySection::Common || mapped.sections == BackupSections::CommonAndShareware)
            && (entry.*field.single).str().size() > kMostBytesOfARestoredLine) {
            run.entry = std::move(mapped.shownEntry);
            run.entryInUtf8 = true;
            run.sharewareSection = mapped.sections == BackupSections::CommonAndShareware;
            fail(run, PadImportRun::Status::Failed,
                "「" + std::string(field.caption) + "」は大きすぎて読込で読み込めません（"
                    + std::to_string(kMostBytesOfARestoredLine) + " バイトまで）。バックアップは書きません。");
            run.diagnostics.back().field = field.json;
            return run;
        }
    }
    // The file is worth writing only if the window's load, with its limits,
    // reads back exactly these rows.
    ListedRestore loaded = restoreListedBytes(listedBackupOf(run.target), rows, RegistrationEntry());
    if (!loaded.outcome.succeeded()) {
        run.entry = std::move(mapped.shownEntry);
        run.entryInUtf8 = true;
        run.sharewareSection = mapped.sections == BackupSections::CommonAndShareware;
        return fail(run, PadImportRun::Status::Failed,
            loaded.outcome.message + " 読込で断られるため、バックアップは書きません。");
    }
    if (backupRecordOf(*loaded.entry, mapped.sections) != rows || loaded.feeFilterMessages != 0
        || loaded.entry->softwareName != entry.softwareName)
        return fail(run, PadImportRun::Status::Refused, "このバックアップは読込で同じ内容に戻らないため書きません。");
    run.entry = std::move(loaded.entry);
    run.sharewareSection = loaded.sharewareSectionRead;

    if (!request.replace && nameTaken(run.target))
        return refuseExisting(run);
    if (request.dryRun) {
        run.status = PadImportRun::Status::Done;
        return run;
    }
    try {
        if (request.replace)
            writeFileAtomically(run.target, rows);
        else if (!writeNewFile(run.target, rows))
            return refuseExisting(run);
    } catch (const RuntimeError& failure) {
        return fail(run, PadImportRun::Status::Failed, errorBoxText(failure.message()));
    }
    run.written = true;
    run.status = PadImportRun::Status::Done;
    return run;
}

PadImportRun importPad(PadImportRequest request, const ReplaceConfirmation& confirmReplace)
{
    PadImportRun run = runPadImport(request);
    if (!run.backupExists || request.replace || request.dryRun || !confirmReplace(run.target))
        return run;
    request.replace = true;
    return runPadImport(request);
}

std::string padImportReportJson(const PadImportRun& run, std::string_view file, const PadFindingWording& worded)
{
    JsonWriter out;
    const auto optionalText = [&](std::string_view key, const std::string& text) {
        out.key(key);
        if (text.empty())
            out.null();
        else
            out.string(utf8ForDisplay(text));
    };
    out.beginObject();
    out.key("file");
    out.string(utf8ForDisplay(file));
    optionalText("padVersion", run.padVersion);
    optionalText("encoding", run.encoding);
    optionalText("written", run.written ? displayText(run.target) : std::string());
    out.key("entry");
    if (run.entry)
        writeEntryJson(out, *run.entry, run.sharewareSection, run.entryInUtf8 ? EntryTexts::Utf8 : EntryTexts::Cp932);
    else
        out.null();
    out.key("diagnostics");
    out.beginArray();
    for (const PadDiagnostic& diagnostic : run.diagnostics) {
        out.beginObject();
        out.key("level");
        out.string(levelName(diagnostic.level));
        out.key("kind");
        out.string(kindName(diagnostic.kind));
        out.key("field");
        out.string(diagnostic.field);
        optionalText("source", diagnostic.source);
        out.key("message");
        out.string(utf8ForDisplay(worded ? worded(diagnostic) : diagnostic.message));
        out.endObject();
    }
    out.endArray();
    out.key("notImported");
    out.beginArray();
    for (const std::string& path : run.notImported)
        out.string(path);
    out.endArray();
    out.endObject();
    return out.text();
}

} // namespace tarvo
