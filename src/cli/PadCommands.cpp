// import-pad: a PAD file read into a backup of the data folder.

#include "cli/RegTextTool.h"

#include "cli/DataFolder.h"
#include "core/backup/BackupList.h"
#include "core/errors/RuntimeError.h"
#include "core/fees/FeeTexts.h"
#include "core/files/FileIo.h"
#include "core/files/NativePath.h"
#include "core/format/CatalogFile.h"
#include "core/format/EntryJson.h"
#include "core/format/SettingsFile.h"
#include "core/pad/HandlingSetting.h"
#include "core/pad/PadImportRun.h"
#include "core/settings/Settings.h"

#include <cstdio>
#include <filesystem>

namespace tarvo {

namespace {

namespace fs = std::filesystem;

struct ImportArguments {
    std::vector<std::string> files;
    std::optional<std::string> data;
    bool force = false;
    bool dryRun = false;
    bool json = false;
    std::string language;
    std::string inputEncoding;
    bool transliterate = false;
    std::vector<std::pair<std::string, std::string>> settings;
    std::optional<std::string> handlingProblem; // the first --set handling= that names no item
};

// `--set handling=` names an item; any other text is taken from --set-text only.
void addSetting(ImportArguments& parsed, std::string field, std::string text, bool asText)
{
    if (field == "handling" && !asText) {
        const std::optional<std::string> item = handlingItemOf(text);
        if (!item) {
            if (!parsed.handlingProblem)
                parsed.handlingProblem = "--set handling=" + text + " は取扱いの項目ではありません。番号か項目の文字で"
                    + "指定して下さい: " + numberedHandlingItems()
                    + "。この文字のまま入れるには --set-text handling=" + text + " とします。";
            return;
        }
        text = *item;
    }
    parsed.settings.emplace_back(std::move(field), std::move(text));
}

// The reason the arguments are wrong usage, or nothing.
std::optional<std::string> parseImportArguments(const std::vector<std::string>& arguments, ImportArguments& parsed)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto valueOf = [&](std::string& into) {
            if (i + 1 >= arguments.size())
                return false;
            into = arguments[++i];
            return true;
        };
        std::string value;
        if (argument == "--force")
            parsed.force = true;
        else if (argument == "--dry-run")
            parsed.dryRun = true;
        else if (argument == "--json")
            parsed.json = true;
        else if (argument == "--transliterate")
            parsed.transliterate = true;
        else if (argument == "--data" || argument == "--language" || argument == "--input-encoding"
            || argument == "--set" || argument == "--set-text") {
            if (!valueOf(value))
                return "option '" + argument + "' needs a value";
            if (argument == "--data")
                parsed.data = value;
            else if (argument == "--language")
                parsed.language = value;
            else if (argument == "--input-encoding")
                parsed.inputEncoding = value;
            else {
                const std::size_t equals = value.find('=');
                if (equals == std::string::npos)
                    return argument + " takes FIELD=VALUE";
                std::string field = value.substr(0, equals);
                std::string text = value.substr(equals + 1);
                if (const auto problem = settingProblem(field, text))
                    return argument + ": " + *problem;
                addSetting(parsed, std::move(field), std::move(text), argument == "--set-text");
            }
        } else if (argument.starts_with("-") && argument != "-")
            return "unknown option '" + argument + "'";
        else
            parsed.files.push_back(argument);
    }
    if (parsed.files.size() != 1)
        return std::string("import-pad takes one PAD file");
    return std::nullopt;
}

bool isFolder(const fs::path& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

// The PAD file's bytes, at most one byte beyond the limit so that a larger file
// is known as such without reading it all.
// Standard input is read in binary mode on every platform.
std::string readPadBytes(const std::string& file)
{
    if (file != "-")
        return readPadFile(pathFromNativeBytes(file));
    std::string bytes;
    char buffer[65536];
    while (bytes.size() <= kLargestPadFile) {
        const std::size_t count = std::fread(buffer, 1, sizeof buffer, stdin);
        bytes.append(buffer, count);
        if (count < sizeof buffer) {
            if (std::ferror(stdin))
                throw RuntimeError::cannotOpen("-");
            break;
        }
    }
    return bytes;
}

// Made absolute first: the parent of "." or "data/.." is not the start folder.
fs::path startFolderOf(const fs::path& dataFolder)
{
    std::error_code error;
    fs::path folder = fs::absolute(dataFolder, error).lexically_normal();
    if (error)
        folder = dataFolder.lexically_normal();
    if (folder.filename().empty())
        folder = folder.parent_path();
    const fs::path start = folder.parent_path();
    return start.empty() ? fs::path(".") : start;
}

std::string errorLine(std::string message)
{
    return PadDiagnostic { PadDiagnostic::Level::Error, "-", {}, std::move(message) }.line();
}

// A finding's remedy in this tool's options.
std::string withRemedy(const PadDiagnostic& finding)
{
    using Kind = PadDiagnostic::Kind;
    std::string text = finding.message;
    switch (finding.kind) {
    case Kind::FillIn: {
        std::string settings;
        for (const PadDiagnostic::Fill& fill : finding.fills)
            settings += (settings.empty() ? "--set " : " --set ") + fill.field + "="
                + (fill.value.empty() ? std::string("…") : fill.value);
        return text + settings + " で指定して下さい。";
    }
    case Kind::BackupExists:
        return text + "上書きするには --force を付けて下さい。";
    case Kind::Unrepresentable:
        if (!finding.replacement.empty())
            text += "--transliterate を付けると「" + finding.replacement + "」に置き換えます。";
        return text;
    case Kind::Encoding:
        if (finding.value.empty())
            return text + "--input-encoding で本当の文字コードを指定して下さい。";
        // "UTF-16" when the reader could not tell the byte order.
        if (finding.value == "UTF-16")
            return text
                + "バイト順マークのない UTF-16 のファイルなら --input-encoding UTF-16LE（または UTF-16BE）を"
                  "付けて下さい。";
        return text + finding.value + " で書かれたファイルなら --input-encoding " + finding.value
            + " を付けて、もう一度実行して下さい。";
    case Kind::Note:
    case Kind::Replaced:
    case Kind::MissingLanguage:
        break;
    }
    return text;
}

std::string cliLine(const PadDiagnostic& finding)
{
    PadDiagnostic worded = finding;
    worded.message = withRemedy(finding);
    return worded.line();
}

} // namespace

int RegTextTool::importPad(const std::vector<std::string>& arguments)
{
    ImportArguments parsed;
    if (const auto problem = parseImportArguments(arguments, parsed))
        return wrongUsage(*problem);
    if (parsed.handlingProblem) {
        reportLine(errorLine(*parsed.handlingProblem));
        return ApplicationError;
    }

    const std::optional<fs::path> data
        = parsed.data ? std::optional<fs::path>(pathFromNativeBytes(*parsed.data)) : defaultDataFolder();
    if (!data) {
        reportLine(errorLine(std::string(kNoDefaultDataFolder)));
        return ApplicationError;
    }
    if (!isFolder(*data)) {
        reportLine(errorLine(
            "フォルダ " + displayText(*data) + " がありません。ウィンドウを一度起動するか --data で指定して下さい"));
        return ApplicationError;
    }

    PadImportRequest request;
    request.inputEncoding = parsed.inputEncoding;
    request.options.language = parsed.language;
    request.options.transliterate = parsed.transliterate;
    request.options.settings = parsed.settings;
    request.dataFolder = *data;
    request.replace = parsed.force;
    request.dryRun = parsed.dryRun;
    std::string bytes;
    try {
        bytes = readPadBytes(parsed.files.front());
        addStartFolderDefaults(request.options, startFolderOf(*data));
    } catch (const RuntimeError& failure) {
        reportLine(errorLine(errorBoxText(failure.message())));
        return ApplicationError;
    }
    request.fileBytes = bytes;

    // Without --force an existing backup stays; the finding says how to replace it.
    const PadImportRun run = tarvo::importPad(request, [](const fs::path&) { return false; });
    for (const PadDiagnostic& diagnostic : run.diagnostics)
        reportLine(cliLine(diagnostic));
    const bool shown = parsed.json ? write(padImportReportJson(run, parsed.files.front(), withRemedy))
                                   : !run.written || write(displayText(run.target) + '\n');
    if (!shown)
        return ApplicationError;
    switch (run.status) {
    case PadImportRun::Status::Done:
        return Success;
    case PadImportRun::Status::Refused:
        return Refused;
    case PadImportRun::Status::Failed:
        break;
    }
    return ApplicationError;
}

} // namespace tarvo
