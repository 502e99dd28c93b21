#pragma once

// The path rules build on the conversions between a path and its text.
#include "core/text/PathText.h"

#include "core/errors/RuntimeError.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace tarvo {

// A path is the bytes the system gives (std::filesystem::path holds them as they
// are) and is used as it stands. Only what a person reads is converted, and only
// the entry's CP932 SoftwareName ever becomes part of a file name.

// The file name that a CP932 name (SoftwareName) stands for: its characters in
// UTF-8, the file system's encoding.
std::filesystem::path fileNameFromCp932(std::string_view cp932Name);

// What keeps a CP932 name (SoftwareName) followed by `extension` from being one
// file name of a folder: a "/" or "\" would address another folder, and a NUL
// byte would silently shorten it. The test walks whole characters, since "ソ"
// and "表" carry 0x5C as second byte. On Windows also what windowsRefusesName()
// finds in the file name that is made: "name .bak" is a name Windows stores,
// though "name " alone is not.
struct FileNameFault {
    enum class Kind { None, Separator, RefusedCharacter, DeviceName };
    Kind kind = Kind::None;
    // The refused character, or the device's name, as a person reads it (UTF-8).
    std::string what;
};
FileNameFault fileNameFault(std::string_view cp932Name, std::string_view extension);

inline bool isOneFileName(std::string_view cp932Name, std::string_view extension)
{
    return fileNameFault(cp932Name, extension).kind == FileNameFault::Kind::None;
}

// Why the name cannot name its backup, in the words a person reads (UTF-8);
// empty for a fault of kind None.
std::string backupNameFaultMessage(const FileNameFault& fault);

// True for a name that starts with ".": on this platform such a file is hidden
// (the backup list never shows it), and "." and ".." name folders.
bool isHiddenFileName(std::string_view cp932Name);

// Why `file`, named by the CP932 name (SoftwareName) followed by `extension`,
// cannot be written, checked before anything is: RuntimeError::cannotCreate(file)
// when the name is not one file name, the invalid-name error when it names a
// hidden file; nothing when it can be written.
std::optional<RuntimeError> writeRefusal(
    std::string_view cp932Name, std::string_view extension, const std::filesystem::path& file);

// True for a CP932 name that Windows would refuse, alter or take for a device:
// one of < > : " | ? *, a control character, a trailing dot or blank, or CON,
// PRN, AUX, NUL, COM1-COM9, LPT1-LPT9 with any extension.
bool windowsRefusesName(std::string_view cp932Name);

// The CP932 name that a file name stands for, the way back from
// fileNameFromCp932(): a UTF-8 name converted, or, for a name in Shift-JIS bytes
// (copied from an old Windows disk), those bytes as they are.
struct Cp932NameOfFile {
    // Empty when the name holds a character CP932 cannot hold, or is neither
    // UTF-8 nor CP932.
    std::optional<std::string> cp932;
    // The name as a person reads it (UTF-8).
    std::string shown;
    // The first character that stops it (U+FFFD for a bad byte); empty when
    // there is a CP932 name.
    std::string unrepresentable;
};

Cp932NameOfFile cp932NameOfFile(std::string_view nativeName);

// True where names that differ only in letter case name one file (Windows).
inline constexpr bool kNamesIgnoreCase = !std::is_same_v<std::filesystem::path::value_type, char>;

// The one separator that ends a folder path of the platform.
inline constexpr char kPathSeparator = std::filesystem::path::preferred_separator;

} // namespace tarvo
