#include "core/backup/BackupList.h"

#include "core/backup/BackupFolder.h"

#include "core/errors/IoError.h"
#include "core/errors/RuntimeError.h"
#include "core/files/Folders.h"
#include "core/files/NativePath.h"
#include "core/text/Cp932.h"
#include "core/text/Cp932Characters.h"

#include <algorithm>

namespace tarvo {

namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool hasBackupExtension(std::string_view name)
{
    if (name.size() < kBackupExtension.size())
        return false;
    const std::string_view tail = name.substr(name.size() - kBackupExtension.size());
    return std::equal(
        tail.begin(), tail.end(), kBackupExtension.begin(), [](char a, char b) { return asciiLower(a) == b; });
}

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The CP932 capital of a double-byte small letter (full-width Latin, Greek,
// Cyrillic), or the character itself.
void doubleByteToUpper(unsigned char lead, unsigned char& trail)
{
    if (lead == 0x82 && trail >= 0x81 && trail <= 0x9A)
        trail = static_cast<unsigned char>(trail - 0x21);
    else if (lead == 0x83 && trail >= 0xBF && trail <= 0xD6)
        trail = static_cast<unsigned char>(trail - 0x20);
    else if (lead == 0x84 && trail >= 0x70 && trail <= 0x91 && trail != 0x7F)
        trail = static_cast<unsigned char>(trail - (trail < 0x7F ? 0x30 : 0x31));
}

// Letter case folded only in single-byte characters: the second byte of a
// double-byte character may have the code of a letter. Where the file system
// ignores case (Windows), it compares names as that system does: every letter
// CP932 has in two cases, folded to its capital.
std::string caseFolded(std::string_view cp932Name)
{
    std::string folded(cp932Name);
    for (std::size_t at = 0; at < folded.size(); at += cp932CharacterLength(folded, at)) {
        const std::size_t length = cp932CharacterLength(folded, at);
        if (!kNamesIgnoreCase) {
            if (length == 1)
                folded[at] = asciiLower(folded[at]);
        } else if (length == 1) {
            folded[at] = asciiUpper(folded[at]);
        } else {
            auto trail = static_cast<unsigned char>(folded[at + 1]);
            doubleByteToUpper(static_cast<unsigned char>(folded[at]), trail);
            folded[at + 1] = static_cast<char>(trail);
        }
    }
    return folded;
}

// Names sort by their CP932 form, whatever bytes the file system holds them in;
// a character CP932 lacks sorts as "?".
std::string sortKey(std::string_view nativeName)
{
    const Cp932NameOfFile name = cp932NameOfFile(nativeName);
    return caseFolded(name.cp932 ? *name.cp932 : cp932FromUtf8(name.shown));
}

void sortIgnoringCase(std::vector<std::string>& names)
{
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (auto& name : names)
        keyed.emplace_back(sortKey(name), std::move(name));
    // Names equal but for case keep a fixed order by their bytes.
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto& [key, name] : keyed)
        names.push_back(std::move(name));
}

std::string_view nameBeforeExtension(std::string_view fileName)
{
    const std::size_t at = fileName.find(kBackupExtension);
    return at == std::string_view::npos ? std::string_view() : fileName.substr(0, at);
}

} // namespace

Cp932NameOfFile softwareNameOfBackupFile(std::string_view nativeFileName)
{
    return cp932NameOfFile(nameBeforeExtension(nativeFileName));
}

std::vector<ListedBackup> listBackups(const std::filesystem::path& startDirectory)
{
    const std::filesystem::path folder = backupFolder(startDirectory);
    std::vector<std::string> names = regularFileNames(folder, hasBackupExtension);
    sortIgnoringCase(names);
    std::vector<ListedBackup> listed;
    listed.reserve(names.size());
    for (const std::string& name : names) {
        std::filesystem::path file = folder;
        file += pathFromNativeBytes(nameBeforeExtension(name));
        file += kBackupExtension;
        listed.push_back({ pathFromNativeBytes(name), softwareNameOfBackupFile(name), std::move(file) });
    }
    return listed;
}

ListedBackup listedBackupOf(const std::filesystem::path& file)
{
    return { file.filename(), softwareNameOfBackupFile(nativeBytes(file.filename())), file };
}

namespace {

// `restore` reads the backup into the form it is given.
template <typename Restore>
ListedRestore restoreListed(const ListedBackup* chosen, RegistrationEntry form, const Restore& restore)
{
    ListedRestore restored;
    if (!chosen) {
        restored.outcome = Outcome::failed(RuntimeError::indexOutOfRange(-1));
        return restored;
    }
    if (!chosen->softwareName.cp932) {
        restored.outcome = Outcome::refused(unrepresentableMessage(chosen->softwareName.unrepresentable));
        return restored;
    }
    form.softwareName = *chosen->softwareName.cp932;
    try {
        if (!form.softwareName.empty()) {
            const RestoreReport report = restore(form);
            restored.feeFilterMessages = report.feeFilterMessages;
            restored.sharewareSectionRead = report.sharewareSectionRead;
        }
    } catch (const RuntimeError& failure) {
        restored.outcome = Outcome::failed(failure);
    }
    // Checked on what was read before a failure too: such a value is never shown.
    if (std::optional<std::string> tooLarge = oversizedFieldMessage(form))
        return { std::nullopt, 0, false, Outcome::refused(std::move(*tooLarge)) };
    restored.entry = std::move(form);
    return restored;
}

} // namespace

ListedRestore restoreListedBackup(const std::optional<ListedBackup>& chosen, RegistrationEntry form)
{
    return restoreListed(chosen ? &*chosen : nullptr, std::move(form),
        [&](RegistrationEntry& into) { return restoreBackupFile(chosen->file, into); });
}

ListedRestore restoreListedBytes(const ListedBackup& backup, std::string_view bytes, RegistrationEntry form)
{
    return restoreListed(&backup, std::move(form), [&](RegistrationEntry& into) { return restoreBackup(bytes, into); });
}

} // namespace tarvo
