#include "RegTextTool.h"

#include "backup/BackupStore.h"
#include "document/PreviewCommand.h"
#include "fees/FeeQuote.h"
#include "text/Cp932.h"
#include "text/FileIo.h"
#include "text/NativePath.h"
#include "text/RuntimeError.h"

#include <filesystem>

namespace tarvo {

namespace {

constexpr const char* kUsage = R"(Usage: tarvo-regtext COMMAND ...

  render FILE.bak [--utf8]  Restore the backup FILE.bak into a new form (the software
                            name taken from the file name) and write the registration
                            text, CP932 with CR LF; with --utf8, UTF-8 with LF.
  fees FEE                  Write what a user pays and what the author receives.
  --help                    Show this text.
  --version                 Show the version.

Standard error gets the message the window would show, one line each.
Exit status: 0 success, 1 refused by a check, 2 application error, 64 wrong usage.
render never writes a backup file.
)";

std::string terminalText(const std::string& cp932Text)
{
    std::string utf8 = utf8FromCp932(cp932Text);
    std::string text;
    text.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size(); ++at) {
        if (utf8[at] == '\r' && at + 1 < utf8.size() && utf8[at + 1] == '\n')
            continue;
        text += utf8[at];
    }
    return text;
}

int statusOf(PreviewStatus status)
{
    switch (status) {
    case PreviewStatus::Success:
        return RegTextTool::Success;
    case PreviewStatus::Refused:
        return RegTextTool::Refused;
    case PreviewStatus::Error:
        break;
    }
    return RegTextTool::ApplicationError;
}

// What the load dialog makes of a file name: the name up to the first ".bak".
std::string softwareNameOf(const std::string& utf8File)
{
    return dialogEntryFor(cp932FromNativePath(std::filesystem::path(utf8File).filename()));
}

} // namespace

RegTextTool::RegTextTool(std::ostream& out, std::ostream& err)
    : m_out(out)
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
    if ((command == "--help" || command == "-h") && rest.empty()) {
        m_out << kUsage;
        return Success;
    }
    if (command == "--version" && rest.empty()) {
        m_out << "tarvo-regtext " << TARVO_VERSION << '\n';
        return Success;
    }
    if (command == "render")
        return render(rest);
    if (command == "fees")
        return fees(rest);
    return wrongUsage("unknown command '" + command + "'");
}

int RegTextTool::render(const std::vector<std::string>& arguments)
{
    bool utf8 = false;
    std::vector<std::string> files;
    for (const auto& argument : arguments) {
        if (argument == "--utf8")
            utf8 = true;
        else if (argument.starts_with("-"))
            return wrongUsage("unknown option '" + argument + "'");
        else
            files.push_back(argument);
    }
    if (files.size() != 1)
        return wrongUsage("render takes one backup file");

    // The window's form at start, with an empty author.
    RegistrationEntry entry;
    entry.softwareName = softwareNameOf(files.front());
    try {
        const std::string bytes = readWholeFile(cp932FromUtf8(files.front()));
        // Like the dialog, a file whose name gives no software name is not restored.
        if (!entry.softwareName.empty()) {
            const RestoreReport restored = restoreBackup(bytes, entry);
            for (int i = 0; i < restored.feeFilterMessages; ++i)
                report(feeFilterMessage());
        }
    } catch (const RuntimeError& error) {
        report(errorBoxText(error.messageCp932()));
        return ApplicationError;
    }

    const PreviewOutcome outcome = runPreviewCommand(entry);
    if (outcome.previewRebuilt)
        m_out << (utf8 ? terminalText(outcome.previewText) : outcome.previewText);
    report(outcome.status == PreviewStatus::Error ? errorBoxText(outcome.message) : outcome.message);
    return statusOf(outcome.status);
}

int RegTextTool::fees(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 1)
        return wrongUsage("fees takes one fee");
    const FeeOutcome outcome = evaluateFeeText(cp932FromUtf8(arguments.front()));
    switch (outcome.kind) {
    case FeeOutcome::Kind::Quote:
        for (const auto& line : userStatement(*outcome.quote))
            m_out << utf8FromCp932(line) << '\n';
        for (const auto& line : authorStatement(*outcome.quote))
            m_out << utf8FromCp932(line) << '\n';
        return Success;
    case FeeOutcome::Kind::NotANumber:
        report(errorBoxText(outcome.message));
        return ApplicationError;
    case FeeOutcome::Kind::Empty:
    case FeeOutcome::Kind::OutOfRange:
        break;
    }
    report(outcome.message);
    return Refused;
}

int RegTextTool::wrongUsage(const std::string& reason)
{
    m_err << "tarvo-regtext: " << reason << '\n' << kUsage;
    return WrongUsage;
}

void RegTextTool::report(const std::string& cp932Message)
{
    m_err << utf8FromCp932(cp932Message) << '\n';
}

} // namespace tarvo
