// Writes the seed corpus: files as the program itself writes them (backups from
// the preview command, a settings file, the shipped catalogue converted) and the
// malformed shapes that the unit tests feed the readers.
// Usage: fuzz_write_seeds <corpus folder> <data folder of the sources>

#include "TestSupport.h"

#include "core/document/PreviewCommand.h"
#include "core/entry/EntryLists.h"
#include "core/format/SettingsFile.h"
#include "core/settings/Settings.h"
#include "core/text/Cp932.h"
#include "core/text/Lines.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace tarvo;
using test::sj;

void write(const fs::path& path, std::string_view bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

RegistrationEntry freewareEntry()
{
    RegistrationEntry e;
    e.authorId = sj("山川 一郎");
    e.softwareName = sj("同期ツール");
    e.headline = sj("フォルダを同期");
    e.description = sj("二つのフォルダを同期します。\r\n\r\n速い。\r\n");
    e.archiveFileName = "sync.lzh";
    e.version = "1.02";
    e.machine = entryLists().machines.at(6);
    e.supportedOs = { false, true, true, false, false, false };
    e.changeHandling(entryLists().handlings.at(0));
    e.category = sj("ユーティリティ");
    e.subcategory = sj("ファイル管理");
    e.printPermission = 1;
    return e;
}

std::string backupOf(RegistrationEntry entry)
{
    const PreviewOutcome outcome = runPreviewCommand(entry);
    if (!outcome.outcome.succeeded())
        throw std::runtime_error("the seed entry does not preview");
    return outcome.backupText;
}

void writeBackupSeeds(const fs::path& folder)
{
    const std::string freeware = backupOf(freewareEntry());
    const std::string shareware = backupOf(test::sampleSharewareEntry());
    write(folder / "freeware.bak", freeware);
    write(folder / "shareware.bak", shareware);
    write(folder / "empty.bak", "");
    std::string lfOnly;
    forEachLine(shareware, [&lfOnly](std::string_view line) { lfOnly.append(line).append("\n"); });
    write(folder / "lf-only.bak", lfOnly);
    write(folder / "unterminated.bak", shareware.substr(0, shareware.size() - 2));
    write(folder / "cut-in-the-middle.bak", shareware.substr(0, shareware.size() / 2));
    write(folder / "index-not-a-digit.bak", "#a\r\n#x\r\n");
    write(folder / "short-rows.bak",
        "#\r\n#\r\n#\r\n#\r\n#\r\n@\r\n#\r\n#\r\n#\r\n#\r\n#0\r\n#\r\n#\r\n#\r\n#\r\n#\r\n#\r\n#\r\n");
    write(folder / "missing-prefixes.bak", "a\r\n1\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
}

void writeCatalogSeeds(const fs::path& folder, const fs::path& sources)
{
    std::string shipped;
    forEachLine(readFile(sources / "category.dat"), [&shipped](std::string_view line) {
        shipped += cp932FromUtf8(line);
        shipped += kCrLf;
    });
    const auto names = splitLines(shipped);
    const std::string firstName = names.empty() ? std::string() : names.front().substr(1);
    // The key up to the first NUL byte, then the file.
    write(folder / "shipped.bin", firstName + '\0' + shipped);
    write(folder / "small.bin", std::string("A\0", 2) + "stray\r\n#A\r\nx\r\ny\r\n#B\r\nz\r\n#A\r\nw\r\n#\r\n#A \r\n");
    write(folder / "lf-only.bin", std::string("B\0", 2) + "#A\nx\n#B\nz\n");
    write(folder / "empty.bin", std::string("\0", 1));
}

void writeSettingsSeeds(const fs::path& folder)
{
    write(folder / "written.dat", settingsTextFor(sj(" 山川 一郎 ")));
    write(folder / "empty-author.dat", settingsTextFor(""));
    write(folder / "empty.dat", "");
    write(folder / "no-hash.dat", "author\r\nsecond\r\n");
    write(folder / "double-byte-first.dat", sj("表author\n"));
}

void writeLinesSeeds(const fs::path& folder)
{
    write(folder / "crlf.txt", sj("一行目\r\n二行目\r\n"));
    write(folder / "mixed-breaks.txt", "a\rb\nc\r\n\n\r\r\nd");
    write(folder / "backslash-trail-bytes.txt", sj("C:\\表\\ソ\\能") + "\x81");
    write(folder / "nec-ibm-duplicates.txt", "\x87\x90\xED\x40\xFA\x5C\x81\x60\xA0\xFD");
    write(folder / "utf8.txt", "\xE3\x80\x9C wave \xF0\x9F\x98\x80 \xED\xA0\x80 \xC0\xAF");
}

void writeFeeSeeds(const fs::path& folder)
{
    const std::vector<std::pair<const char*, std::string>> fees {
        { "500", "500" },
        { "leading-zero", "0500" },
        { "15001", "15001" },
        { "overflow", "2147483648" },
        { "negative", "-1" },
        { "letters", "1a2b" },
        { "full-width", sj("１") },
        { "empty", "" },
    };
    for (const auto& [name, text] : fees)
        write(folder / (std::string(name) + ".txt"), text);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_write_seeds <corpus folder> <data folder>\n");
        return 64;
    }
    const fs::path corpus = argv[1];
    writeBackupSeeds(corpus / "fuzz_backup_reader");
    writeCatalogSeeds(corpus / "fuzz_catalog", argv[2]);
    writeSettingsSeeds(corpus / "fuzz_settings");
    writeLinesSeeds(corpus / "fuzz_lines_cp932");
    writeFeeSeeds(corpus / "fuzz_fees");
    return 0;
}
