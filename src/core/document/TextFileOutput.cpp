#include "document/TextFileOutput.h"

#include "text/Cp932.h"
#include "text/FileIo.h"
#include "text/RuntimeError.h"

namespace tarvo {

namespace {

bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Looks at whole characters: the second byte of many kanji (ソ, 表, 能...) is 0x5C
// and must not count as a backslash. A NUL would cut the name short on its way
// to the system.
bool holdsPathSeparatorOrNul(std::string_view cp932Name)
{
    for (size_t i = 0; i < cp932Name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(cp932Name[i]);
        if (isLeadByte(byte)) {
            ++i;
            continue;
        }
        if (byte == '/' || byte == '\\' || byte == '\0')
            return true;
    }
    return false;
}

} // namespace

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

std::string textFileName(std::string_view cp932SoftwareName)
{
    return std::string(cp932SoftwareName) + ".txt";
}

bool textFileExists(std::string_view cp932SoftwareName)
{
    const std::string name = textFileName(cp932SoftwareName);
    return !holdsPathSeparatorOrNul(name) && regularFileExists(name);
}

void writeTextFile(std::string_view cp932SoftwareName, std::string_view memoBytes)
{
    const std::string name = textFileName(cp932SoftwareName);
    if (holdsPathSeparatorOrNul(name))
        throw RuntimeError::cannotCreate(name);
    writeFileAtomically(name, memoBytes);
}

std::string saveTextFile(
    std::string_view memoBytes, std::string_view cp932SoftwareName, const OverwriteConfirmation& confirmOverwrite)
{
    const TextOutputTexts& texts = textOutputTexts();
    if (memoBytes.empty() || cp932SoftwareName.empty())
        return texts.nothingToSave;
    const std::string name = textFileName(cp932SoftwareName);
    // Refused before the question, so that no answer can lead to a write elsewhere.
    if (holdsPathSeparatorOrNul(name))
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
