#include "core/files/NativePath.h"

#include "core/errors/IoError.h"
#include "core/text/Cp932.h"
#include "core/text/Cp932Characters.h"
#include "core/text/Utf8.h"

#include <array>
#include <cstdio>
#include <optional>
#include <type_traits>

namespace tarvo {

namespace {

constexpr bool kWidePaths = !std::is_same_v<std::filesystem::path::value_type, char>;

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The device Windows takes the name for (CON, COM1...), or nothing. The device
// is named by what comes before the first dot, blanks after it not counting.
std::string deviceNameOf(std::string_view cp932Name)
{
    std::string_view stem = cp932Name.substr(0, cp932Name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    std::string upper;
    for (const char c : stem)
        upper += asciiUpper(c);
    static constexpr std::array<std::string_view, 4> kDevices { "CON", "PRN", "AUX", "NUL" };
    for (const std::string_view device : kDevices) {
        if (upper == device)
            return upper;
    }
    const bool numbered = upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && upper[3] >= '1'
        && upper[3] <= '9';
    return numbered ? upper : std::string();
}

// The first single-byte character Windows takes in no name (a control
// character, or one of < > : " | ? *), or nothing.
std::optional<char> windowsRefusedCharacter(std::string_view cp932Name)
{
    for (std::size_t at = 0; at < cp932Name.size(); at += cp932CharacterLength(cp932Name, at)) {
        if (cp932CharacterLength(cp932Name, at) != 1)
            continue;
        const auto c = static_cast<unsigned char>(cp932Name[at]);
        if (c < 0x20 || std::string_view("<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return static_cast<char>(c);
    }
    return std::nullopt;
}

// A control character by its code, since it shows as nothing.
std::string shownCharacter(char c)
{
    if (static_cast<unsigned char>(c) >= 0x20)
        return std::string(1, c);
    char code[8];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return code;
}

} // namespace

std::filesystem::path fileNameFromCp932(std::string_view cp932Name)
{
    return pathFromNativeBytes(utf8FromCp932(cp932Name));
}

bool windowsRefusesName(std::string_view cp932Name)
{
    if (cp932Name.empty())
        return false;
    // Neither byte can end a double-byte character.
    if (cp932Name.back() == '.' || cp932Name.back() == ' ')
        return true;
    return windowsRefusedCharacter(cp932Name) || !deviceNameOf(cp932Name).empty();
}

bool isHiddenFileName(std::string_view cp932Name)
{
    return cp932Name.starts_with('.');
}

FileNameFault fileNameFault(std::string_view cp932Name, std::string_view extension)
{
    for (std::size_t at = 0; at < cp932Name.size(); at += cp932CharacterLength(cp932Name, at)) {
        if (cp932CharacterLength(cp932Name, at) != 1)
            continue;
        const char c = cp932Name[at];
        if (c == '/' || c == '\\' || c == '\0')
            return { FileNameFault::Kind::Separator, {} };
    }
    if (!kWidePaths)
        return {};
    const std::string file = std::string(cp932Name) + std::string(extension);
    if (const auto refused = windowsRefusedCharacter(file))
        return { FileNameFault::Kind::RefusedCharacter, shownCharacter(*refused) };
    if (std::string device = deviceNameOf(file); !device.empty())
        return { FileNameFault::Kind::DeviceName, std::move(device) };
    if (windowsRefusesName(file))
        return { FileNameFault::Kind::RefusedCharacter, shownCharacter(file.back()) };
    return {};
}

std::string backupNameFaultMessage(const FileNameFault& fault)
{
    switch (fault.kind) {
    case FileNameFault::Kind::None:
        break;
    case FileNameFault::Kind::Separator:
        return "ソフト名に「/」「\\」（「¥」を含む）があるため、バックアップのファイル名にできません。";
    case FileNameFault::Kind::RefusedCharacter:
        return "ソフト名の「" + fault.what
            + "」は Windows のファイル名に使えない文字のため、バックアップのファイル名にできません。";
    case FileNameFault::Kind::DeviceName:
        return "ソフト名は Windows の装置名「" + fault.what
            + "」と見なされるため、バックアップのファイル名にできません。";
    }
    return {};
}

std::optional<RuntimeError> writeRefusal(
    std::string_view cp932Name, std::string_view extension, const std::filesystem::path& file)
{
    if (!isOneFileName(cp932Name, extension))
        return RuntimeError::cannotCreate(file);
    if (isHiddenFileName(cp932Name))
        return RuntimeError::ioError(ioCode::invalidName);
    return std::nullopt;
}

Cp932NameOfFile cp932NameOfFile(std::string_view nativeName)
{
    if (isValidUtf8(nativeName)) {
        const std::string utf8(nativeName);
        if (const auto refused = firstUnrepresentableCharacter(utf8))
            return { std::nullopt, utf8, *refused };
        return { cp932FromUtf8(utf8), utf8, {} };
    }
    if (isValidCp932(nativeName))
        return { std::string(nativeName), utf8FromCp932(nativeName), {} };
    const std::string shown = utf8ForDisplay(nativeName);
    return { std::nullopt, shown, firstUnrepresentableCharacter(shown).value_or(std::string()) };
}

} // namespace tarvo
