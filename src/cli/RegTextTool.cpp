#include "cli/RegTextTool.h"

#include "core/backup/BackupList.h"
#include "core/document/PreviewCommand.h"
#include "core/errors/RuntimeError.h"
#include "core/fees/FeeCalculation.h"
#include "core/fees/FeeStatements.h"
#include "core/fees/FeeTexts.h"
#include "core/files/FileIo.h"
#include "core/files/NativePath.h"
#include "core/format/EntryJson.h"
#include "core/format/JsonWriter.h"
#include "core/text/Cp932.h"
#include "core/text/Utf8.h"

#include <filesystem>

namespace tarvo {

namespace {

constexpr const char* kUsage = R"(Usage: tarvo-regtext COMMAND ...

  render FILE.bak [--utf8]  Restore the backup FILE.bak into a new form (the software
                            name taken from the file name) and write the registration
                            text, CP932 with CR LF; with --utf8, UTF-8 with LF.
  fees FEE                  Write what a user pays and what the author receives.
  import-pad FILE.xml [--data DIR] [--force] [--dry-run] [--json]
             [--language NAME] [--input-encoding NAME] [--transliterate]
             [--set FIELD=VALUE]... [--set-text FIELD=VALUE]...
                            Read a PAD file (- for standard input) and write its
                            entry as the backup DIR/<software name>.bak, CP932 with
                            CR LF, for the window's "load". DIR is the window's data
                            folder unless given. An existing backup is kept unless
                            --force. --json writes a report instead of the path.
                            --set handling= takes an item's number (1-10) or text;
                            --set-text handling=TEXT takes any text as it is.
  show FILE.bak --json      Restore the backup FILE.bak into a new form (the software
                            name taken from the file name) and write its fields as
                            JSON, UTF-8.
  --help                    Show this text.
  --version                 Show the version.

Standard error gets the message the window would show, one line each;
import-pad writes one line per finding: LEVEL FIELD (SOURCE): message.
Exit status: 0 success, 1 refused by a check, 2 application error (also when
standard output cannot be written), 64 wrong usage.
Only import-pad writes a file: one backup in the data folder.
)";

// CR LF becomes LF in place, without a second copy of the text.
std::string terminalText(const std::string& cp932Text)
{
    std::string text = utf8FromCp932(cp932Text);
    size_t kept = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            continue;
        text[kept++] = text[at];
    }
    text.resize(kept);
    return text;
}

std::string feeStatements(const FeeQuote& quote)
{
    std::string text;
    for (const auto& line : userStatement(quote))
        text += utf8FromCp932(line) + '\n';
    for (const auto& line : authorStatement(quote))
        text += utf8FromCp932(line) + '\n';
    return text;
}

// The words of a command that takes one backup file and one option of its
// own: the file and whether the option was given, or why the words are off.
struct BackupCommandWords {
    std::string file;
    bool option = false;
    std::string wrong;
};

BackupCommandWords backupCommandWords(
    const std::vector<std::string>& arguments, std::string_view option, std::string_view command)
{
    BackupCommandWords words;
    std::vector<std::string> files;
    for (const auto& argument : arguments) {
        if (argument == option) {
            words.option = true;
        } else if (argument.starts_with("-")) {
            words.wrong = "unknown option '" + argument + "'";
            return words;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 1)
        words.wrong = std::string(command) + " takes one backup file";
    else
        words.file = files.front();
    return words;
}

} // namespace

RegTextTool::RegTextTool(Output out, std::ostream& err)
    : m_out(std::move(out))
    , m_err(err)
{
}

const char* RegTextTool::usageText()
{
    return kUsage;
}

int RegTextTool::run(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return wrongUsage("no command given");
    const std::string& command = arguments.front();
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if ((command == "--help" || command == "-h") && rest.empty())
        return write(kUsage) ? Success : ApplicationError;
    if (command == "--version" && rest.empty())
        return write(std::string("tarvo-regtext ") + TARVO_VERSION + '\n') ? Success : ApplicationError;
    if (command == "render")
        return render(rest);
    if (command == "fees")
        return fees(rest);
    if (command == "import-pad")
        return importPad(rest);
    if (command == "show")
        return show(rest);
    return wrongUsage("unknown command '" + command + "'");
}

int RegTextTool::render(const std::vector<std::string>& arguments)
{
    const BackupCommandWords words = backupCommandWords(arguments, "--utf8", "render");
    if (!words.wrong.empty())
        return wrongUsage(words.wrong);
    const bool utf8 = words.option;

    int status = Success;
    const std::optional<ListedRestore> restored = restoreNamedBackup(words.file, status);
    if (!restored)
        return status;
    const PreviewOutcome preview = runPreviewCommand(*restored->entry, BackupText::Skipped);
    if (preview.previewRebuilt && !write(utf8 ? terminalText(preview.previewText) : preview.previewText))
        return ApplicationError;
    return report(preview.outcome);
}

int RegTextTool::show(const std::vector<std::string>& arguments)
{
    const BackupCommandWords words = backupCommandWords(arguments, "--json", "show");
    if (!words.wrong.empty())
        return wrongUsage(words.wrong);
    if (!words.option)
        return wrongUsage("show needs --json");

    int status = Success;
    const std::optional<ListedRestore> restored = restoreNamedBackup(words.file, status);
    if (!restored)
        return status;
    std::string text;
    try {
        JsonWriter out;
        writeEntryJson(out, *restored->entry, restored->sharewareSectionRead);
        text = out.text();
    } catch (const RuntimeError& failure) {
        return report(Outcome::failed(failure));
    }
    return write(text) ? Success : ApplicationError;
}

// The path exactly as given; the SoftwareName is what the load dialog makes of
// its file name, into the window's form at start, with an empty author. The
// digit filter's lines come first, as the window shows them while it restores.
std::optional<ListedRestore> RegTextTool::restoreNamedBackup(const std::string& path, int& status)
{
    const std::filesystem::path file = pathFromNativeBytes(path);
    const ListedBackup backup = listedBackupOf(file);
    const ListedRestore restored = restoreListedBackup(backup, RegistrationEntry());
    for (int i = 0; i < restored.feeFilterMessages; ++i)
        reportLine(std::string(kDigitsOnlyMessage));
    if (!restored.outcome.succeeded()) {
        status = report(restored.outcome);
        return std::nullopt;
    }
    // Unlike the dialog's entry, a path given here that names no backup is still
    // opened, so that a mistyped one is reported; one that opens gives no name.
    if (backup.softwareName.cp932->empty()) {
        try {
            readWholeFile(file);
        } catch (const RuntimeError& failure) {
            status = report(Outcome::failed(failure));
            return std::nullopt;
        }
        reportLine(
            "ファイル名 " + displayText(file.filename()) + " からはソフト名が決まりません（.bak がありません）。");
        status = Refused;
        return std::nullopt;
    }
    return restored;
}

int RegTextTool::fees(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 1)
        return wrongUsage("fees takes one fee");
    const std::string& fee = arguments.front();
    // A fee that CP932 cannot hold is no number either; it is named as given.
    if (firstUnrepresentableCharacter(fee))
        return report(Outcome::failed(RuntimeError::notAnInteger(utf8ForDisplay(fee))));
    const FeeCalculation calculation = calculateFees(cp932FromUtf8(fee));
    if (!calculation.quote)
        return report(calculation.outcome);
    return write(feeStatements(*calculation.quote)) ? Success : ApplicationError;
}

int RegTextTool::wrongUsage(const std::string& reason)
{
    m_err << "tarvo-regtext: " << reason << '\n' << kUsage;
    return WrongUsage;
}

bool RegTextTool::write(std::string_view bytes)
{
    const std::optional<std::string> failure = m_out(bytes);
    if (failure)
        reportLine("tarvo-regtext: cannot write the output: " + *failure);
    return !failure;
}

int RegTextTool::report(const Outcome& outcome)
{
    switch (outcome.kind) {
    case Outcome::Kind::Success:
        if (!outcome.message.empty())
            reportLine(outcome.message);
        return Success;
    case Outcome::Kind::Refused:
        reportLine(outcome.message);
        return Refused;
    case Outcome::Kind::Failed:
        break;
    }
    reportLine(errorBoxText(outcome.message));
    return ApplicationError;
}

void RegTextTool::reportLine(const std::string& utf8Message)
{
    m_err << utf8Message << '\n';
}

} // namespace tarvo
