#include "core/backup/BackupFolder.h"

#include "core/errors/RuntimeError.h"
#include "core/files/FileIo.h"
#include "core/files/NativePath.h"

namespace tarvo {

namespace {

constexpr std::string_view kBackupFolderName = "data";

using Entry = RegistrationEntry;

// The one-line fields a backup restores, by their captions; SoftwareName comes
// from the file's name.
struct NamedLine {
    SingleLineText Entry::*field;
    std::string_view name;
};

constexpr NamedLine kRestoredLines[] = {
    { &Entry::authorId, "作者名、或いはライブラリ作者番号" },
    { &Entry::originalLibraryNumber, "元のライブラリ番号" },
    { &Entry::headline, "1行見出し" },
    { &Entry::archiveFileName, "アーカイブファイルの名前" },
    { &Entry::publicationFileName, "インターネット・書籍公開用ファイル名" },
    { &Entry::version, "バージョン" },
    { &Entry::machine, "動作可能機種" },
    { &Entry::otherOs, "動作可能OSのその他" },
    { &Entry::requiredSoftware, "OS、配布ファイル以外に必要なソフト" },
    { &Entry::handling, "ソフトウェアの取り扱い" },
    { &Entry::category, "希望掲載ディレクトリ" },
    { &Entry::subcategory, "希望掲載ディレクトリ（第2階層）" },
    { &Entry::fileLocationOther, "ファイルの所在のその他" },
    { &Entry::printRefusalReason, "弊社出版物への掲載許諾の理由" },
    { &Entry::webRefusalReason, "弊社インターネットサイトでの公開許諾の理由" },
    { &Entry::sharewareFee, "シェアウェア料金" },
    { &Entry::bankRemittance, "銀行送金方法" },
    { &Entry::postalRemittance, "郵便振替送金方法" },
    { &Entry::registeredProductNumber, "レジ作品番号" },
    { &Entry::niftyRemittance, "Nifty送金方法" },
    { &Entry::otherRemittance, "その他の送金方法" },
};

} // namespace

std::filesystem::path backupFolder(const std::filesystem::path& startDirectory)
{
    std::filesystem::path folder = startDirectory;
    folder += kBackupFolderName;
    folder += kPathSeparator;
    return folder;
}

std::filesystem::path backupPath(const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName)
{
    std::filesystem::path path = backupFolder(startDirectory);
    path += fileNameFromCp932(cp932SoftwareName);
    path += kBackupExtension;
    return path;
}

void writeBackup(
    const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName, std::string_view backupText)
{
    const std::filesystem::path path = backupPath(startDirectory, cp932SoftwareName);
    if (const std::optional<RuntimeError> fault = writeRefusal(cp932SoftwareName, kBackupExtension, path))
        throw *fault;
    writeFileAtomically(path, backupText);
}

std::optional<std::string> oversizedFieldMessage(const RegistrationEntry& restored)
{
    for (const NamedLine& line : kRestoredLines) {
        if ((restored.*line.field).str().size() > kMostBytesOfARestoredLine)
            return "バックアップの「" + std::string(line.name) + "」は大きすぎて読み込めません！";
    }
    return std::nullopt;
}

Outcome saveBackup(
    const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName, std::string_view backupText)
{
    try {
        writeBackup(startDirectory, cp932SoftwareName, backupText);
    } catch (const RuntimeError& failure) {
        return Outcome::failed(failure);
    }
    return Outcome::success();
}

RestoreReport restoreBackupFile(const std::filesystem::path& file, RegistrationEntry& entry)
{
    const std::string bytes = readWholeFile(file);
    return restoreBackup(bytes, entry);
}

} // namespace tarvo
