#include "TestSupport.h"

#include "entry/RegistrationEntry.h"
#include "errors/RuntimeError.h"
#include "files/NativePath.h"
#include "text/Cp932.h"

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

} // namespace tarvo::test
