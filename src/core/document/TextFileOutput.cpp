#include "document/TextFileOutput.h"

#include "text/Cp932.h"
#include "files/FileIo.h"
#include "files/NativePath.h"
#include "errors/RuntimeError.h"

namespace tarvo {


const TextOutputTexts& textOutputTexts()
{
    static const TextOutputTexts texts {
        .nothingToSave = cp932FromUtf8("「ソフト名称」が記入されていないか、プレビューがありません。"),
        .created = cp932FromUtf8("テキスト文書の作成に成功しました！"),
        .overwritten = cp932FromUtf8("テキスト文書を上書きしました！"),
        .cancelled = cp932FromUtf8("処理は中断されました！"),
        .confirmTitle = cp932FromUtf8("確認"),
    };
    return texts;
}

std::string overwriteQuestion(std::string_view cp932SoftwareName)
{
    static const std::string opening = cp932FromUtf8("「");
    static const std::string closing = cp932FromUtf8("」は存在します。上書きしますか？");
    return opening + std::string(cp932SoftwareName) + closing;
}

std::filesystem::path textFileName(std::string_view cp932SoftwareName)
{
    std::filesystem::path name = fileNameFromCp932(cp932SoftwareName);
    name += ".txt";
    return name;
}

bool textFileExists(std::string_view cp932SoftwareName)
{
    return isOneFileName(cp932SoftwareName) && regularFileExists(textFileName(cp932SoftwareName));
}

void writeTextFile(std::string_view cp932SoftwareName, std::string_view memoBytes)
{
    const std::filesystem::path name = textFileName(cp932SoftwareName);
    if (!isOneFileName(cp932SoftwareName))
        throw RuntimeError::cannotCreate(name);
    writeFileAtomically(name, memoBytes);
}

std::string saveTextFile(
    std::string_view memoBytes, std::string_view cp932SoftwareName, const OverwriteConfirmation& confirmOverwrite)
{
    const TextOutputTexts& texts = textOutputTexts();
    if (memoBytes.empty() || cp932SoftwareName.empty())
        return texts.nothingToSave;
    const std::filesystem::path name = textFileName(cp932SoftwareName);
    // Refused before the question, so that no answer can lead to a write elsewhere.
    if (!isOneFileName(cp932SoftwareName))
        throw RuntimeError::cannotCreate(name);
    if (!regularFileExists(name)) {
        writeFileAtomically(name, memoBytes);
        return texts.created;
    }
    if (!confirmOverwrite(overwriteQuestion(cp932SoftwareName)))
        return texts.cancelled;
    writeFileAtomically(name, memoBytes);
    return texts.overwritten;
}

} // namespace tarvo
