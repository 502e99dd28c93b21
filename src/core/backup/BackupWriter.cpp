#include "backup/BackupStore.h"

#include "text/Cp932Characters.h"
#include "text/FileIo.h"
#include "text/RuntimeError.h"

namespace tarvo {

namespace {

// A name holding a separator would address another folder, and a NUL byte would
// silently shorten the name; neither names one file of the backup folder. The
// test walks whole characters, since "ソ" and "表" carry 0x5C as second byte.
bool isOneFileName(std::string_view cp932Name)
{
    for (std::size_t at = 0; at < cp932Name.size(); at += cp932CharacterLength(cp932Name, at)) {
        if (cp932CharacterLength(cp932Name, at) != 1)
            continue;
        const char c = cp932Name[at];
        if (c == '/' || c == '\\' || c == '\0')
            return false;
    }
    return true;
}

} // namespace

void writeBackup(std::string_view cp932StartDirectory, std::string_view cp932SoftwareName, std::string_view backupText)
{
    const std::string path = backupPath(cp932StartDirectory, cp932SoftwareName);
    if (!isOneFileName(cp932SoftwareName))
        throw RuntimeError::cannotCreate(path);
    writeFileAtomically(path, backupText);
}

} // namespace tarvo
