#include "core/document/TextFileOutput.h"

#include "core/errors/RuntimeError.h"
#include "core/files/FileIo.h"
#include "core/files/NativePath.h"
#include "core/text/Cp932.h"

namespace tarvo {

namespace {

constexpr std::string_view kTextExtension = ".txt";

} // namespace

std::string overwriteQuestion(std::string_view cp932SoftwareName)
{
    return "「" + utf8FromCp932(cp932SoftwareName) + "」は存在します。上書きしますか？";
}

std::filesystem::path textFileName(std::string_view cp932SoftwareName)
{
    std::filesystem::path name = fileNameFromCp932(cp932SoftwareName);
    name += kTextExtension;
    return name;
}

void writeTextFile(std::string_view cp932SoftwareName, std::string_view memoBytes)
{
    const std::filesystem::path name = textFileName(cp932SoftwareName);
    if (const std::optional<RuntimeError> fault = writeRefusal(cp932SoftwareName, kTextExtension, name))
        throw *fault;
    writeFileAtomically(name, memoBytes);
}

Outcome saveTextFile(
    std::string_view memoBytes, std::string_view cp932SoftwareName, const OverwriteConfirmation& confirmOverwrite)
{
    if (memoBytes.empty() || cp932SoftwareName.empty())
        return Outcome::refused(std::string(kNothingToSaveMessage));
    const std::filesystem::path name = textFileName(cp932SoftwareName);
    // Refused before the question, so that no answer can lead to a write elsewhere
    // or to a file the author does not see.
    if (const std::optional<RuntimeError> fault = writeRefusal(cp932SoftwareName, kTextExtension, name))
        return Outcome::failed(*fault);
    try {
        if (!regularFileExists(name)) {
            writeTextFile(cp932SoftwareName, memoBytes);
            return Outcome::success(std::string(kTextCreatedMessage));
        }
        if (!confirmOverwrite(overwriteQuestion(cp932SoftwareName)))
            return Outcome::refused(std::string(kSaveCancelledMessage));
        writeTextFile(cp932SoftwareName, memoBytes);
    } catch (const RuntimeError& failure) {
        return Outcome::failed(failure);
    }
    return Outcome::success(std::string(kTextOverwrittenMessage));
}

} // namespace tarvo
