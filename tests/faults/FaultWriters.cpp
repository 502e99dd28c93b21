#include "FaultWriters.h"

#include "core/backup/BackupFolder.h"
#include "core/backup/BackupList.h"
#include "core/document/TextFileOutput.h"
#include "core/errors/RuntimeError.h"
#include "core/files/NativePath.h"
#include "core/settings/Settings.h"
#include "core/settings/StartDirectory.h"

namespace tarvo::test {

namespace fs = std::filesystem;

std::string faultSoftwareName()
{
    return sj("同期 ツール 表");
}

void prepareStartFolder(const fs::path& startFolder)
{
    fs::create_directories(startFolder / "data");
    writeBytes(startFolder / "data" / "同期 ツール 表.bak", "#earlier backup\r\n");
    writeBytes(startFolder / "data" / "other.bak", "#another software\r\n");
    writeBytes(startFolder / "setting.dat", sj("#以前の作者\r\n"));
    writeBytes(startFolder / "同期 ツール 表.txt", sj("以前のテキスト\r\n"));
}

const std::vector<FaultWriter>& faultWriters()
{
    static const std::vector<FaultWriter> writers {
        { "Backup",
            [](const fs::path& folder, const std::string& bytes) {
                writeBackup(startDirectoryFrom(folder), faultSoftwareName(), bytes);
            },
            "data/同期 ツール 表.bak",
            [](const fs::path& folder) {
                return "ファイル " + (startDirectoryFrom(folder) / "data/同期 ツール 表.bak").string()
                    + " を作成できません";
            } },
        { "Settings",
            [](const fs::path&, std::string bytes) {
                std::erase_if(bytes, [](char c) { return c == '\r' || c == '\n'; });
                writeAuthorSetting(bytes);
            },
            "setting.dat", [](const fs::path&) { return std::string("ファイル setting.dat を作成できません"); } },
        { "TextFile", [](const fs::path&, const std::string& bytes) { writeTextFile(faultSoftwareName(), bytes); },
            "同期 ツール 表.txt",
            [](const fs::path&) { return std::string("ファイル 同期 ツール 表.txt を作成できません"); } },
    };
    return writers;
}

} // namespace tarvo::test
