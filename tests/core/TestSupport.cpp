#include "TestSupport.h"

#include "core/entry/RegistrationEntry.h"
#include "core/errors/RuntimeError.h"
#include "core/files/NativePath.h"
#include "core/text/Cp932.h"

#include <array>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tarvo::test {

std::string sj(std::string_view utf8)
{
    return cp932FromUtf8(utf8);
}

std::string failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.message();
    }
    return "(no failure)";
}

std::string failureOf(const Outcome& outcome)
{
    return outcome.kind == Outcome::Kind::Failed ? outcome.message : "(no failure)";
}

TemporaryFolder::TemporaryFolder()
{
    thread_local std::mt19937 random { std::random_device {}() };
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_path = std::filesystem::temp_directory_path() / ("tarvo-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(m_path))
            return;
    }
    throw std::runtime_error("cannot create a temporary folder");
}

std::filesystem::path TemporaryFolder::operator/(std::string_view name) const
{
    return m_path / pathFromNativeBytes(name);
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

CurrentDirectory::CurrentDirectory(const std::filesystem::path& path)
    : m_previous(std::filesystem::current_path())
{
    std::filesystem::current_path(path);
}

CurrentDirectory::~CurrentDirectory()
{
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
}

std::vector<std::string> describe(const RegistrationEntry& e)
{
    auto flags = [](const auto& bools) {
        std::string text;
        for (const bool on : bools)
            text += on ? '1' : '0';
        return text;
    };
    const auto& v = e.visibility;
    return {
        "author=" + e.authorId.str(),
        "submission=" + std::to_string(e.submissionKind),
        "original=" + e.originalLibraryNumber.str(),
        "name=" + e.softwareName.str(),
        "headline=" + e.headline.str(),
        "description=" + e.description.text(),
        "archive=" + e.archiveFileName.str(),
        "publication=" + e.publicationFileName.str(),
        "version=" + e.version.str(),
        "machine=" + e.machine.str(),
        "os=" + flags(e.supportedOs),
        "otherOs=" + e.otherOs.str(),
        "required=" + e.requiredSoftware.str(),
        "handling=" + e.handling.str(),
        "handlingKind=" + e.handlingKind.text(),
        "category=" + e.category.str(),
        "subcategory=" + e.subcategory.str(),
        "location=" + std::to_string(e.fileLocation),
        "locationOther=" + e.fileLocationOther.str(),
        "print=" + std::to_string(e.printPermission),
        "printReason=" + e.printRefusalReason.str(),
        "web=" + std::to_string(e.webPermission),
        "webReason=" + e.webRefusalReason.str(),
        "notes=" + e.notes.text(),
        "fee=" + e.sharewareFee.str(),
        "conditions=" + e.sharewareConditions.text(),
        "bank=" + e.bankRemittance.str(),
        "postal=" + e.postalRemittance.str(),
        "product=" + e.registeredProductNumber.str(),
        "nifty=" + e.niftyRemittance.str(),
        "other=" + e.otherRemittance.str(),
        "visible="
            + flags(std::array<bool, 4> {
                v.originalLibraryNumber, v.fileLocationOther, v.printRefusalReason, v.webRefusalReason }),
    };
}

RegistrationEntry sampleSharewareEntry()
{
    RegistrationEntry e;
    e.authorId = sj("山川 一郎");
    e.submissionKind = 1;
    e.originalLibraryNumber = "PS012345";
    e.softwareName = sj("表計算ソフト");
    e.headline = sj("軽くて速い表計算");
    e.description = sj("一行目\r\n\r\n三行目、最後に改行\r\n");
    e.archiveFileName = "calc10.lzh";
    e.publicationFileName = "calc10.lzh";
    e.version = "1.0";
    e.machine = sj("汎用");
    e.supportedOs = { false, true, true, true, false, false };
    e.otherOs = "NT3.51";
    e.requiredSoftware = "VB5";
    e.changeHandling(sj("シェアウェア"));
    e.category = sj("ビジネス");
    e.subcategory = sj("表計算");
    e.fileLocation = 3;
    e.fileLocationOther = "http://example.invalid/calc10.lzh";
    e.printPermission = 1;
    e.printRefusalReason = sj("β版のため");
    e.webPermission = 0;
    e.notes = sj("よろしくお願いします。\r\n");
    e.sharewareFee = "1500";
    e.sharewareConditions = sj("試用期間は30日です。\r\n以後は保存できません。");
    e.bankRemittance = sj("ABC銀行 練馬支店 普通 1234567");
    e.postalRemittance = "230-4-518294";
    e.registeredProductNumber = "SR012345";
    e.niftyRemittance = "";
    e.otherRemittance = sj("現金書留");
    e.visibility = { true, true, true, false };
    return e;
}

std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

FolderSnapshot snapshotOf(const std::filesystem::path& root)
{
    namespace fs = std::filesystem;
    FolderSnapshot snapshot;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        const fs::file_status status = item.symlink_status();
        const std::string key = nativeBytes(fs::relative(item.path(), root));
        const auto mode = std::to_string(static_cast<unsigned>(status.permissions()));
        if (fs::is_symlink(status))
            snapshot[key] = "link " + nativeBytes(fs::read_symlink(item.path()));
        else if (fs::is_directory(status))
            snapshot[key] = "folder " + mode;
        else
            snapshot[key] = "file " + mode + " "
                + std::string(std::istreambuf_iterator<char>(std::ifstream(item.path(), std::ios::binary).rdbuf()), {});
    }
    return snapshot;
}

} // namespace tarvo::test
