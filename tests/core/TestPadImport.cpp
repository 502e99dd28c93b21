#include "TestSupport.h"

#include "core/document/PreviewCommand.h"
#include "core/pad/PadMapping.h"
#include "core/text/Cp932.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace tarvo {
namespace {

using Level = PadDiagnostic::Level;
using test::PrintTo;

std::string pad(std::string_view body, std::string_view declaration = R"(<?xml version="1.0" encoding="UTF-8"?>)")
{
    return std::string(declaration) + "<XML_DIZ_INFO>" + std::string(body) + "</XML_DIZ_INFO>";
}

// A program named "Tool" with the given elements.
std::string program(std::string_view inner, std::string_view after = {})
{
    return pad("<Program_Info><Program_Name>Tool</Program_Name>" + std::string(inner) + "</Program_Info>"
        + std::string(after));
}

PadImport mapped(const std::string& file, const PadImportOptions& options = {})
{
    return mapPad(readPad(file), options);
}

// A field of the mapped entry as UTF-8, lines joined by LF.
std::string field(const RegistrationEntry& e, std::string_view key)
{
    const std::map<std::string_view, std::string> fields { { "softwareName", e.softwareName.str() },
        { "authorId", e.authorId.str() }, { "headline", e.headline.str() }, { "description", e.description.text() },
        { "archiveFileName", e.archiveFileName.str() }, { "machine", e.machine.str() }, { "otherOs", e.otherOs.str() },
        { "handling", e.handling.str() }, { "sharewareFee", e.sharewareFee.str() },
        { "sharewareConditions", e.sharewareConditions.text() }, { "fileLocationOther", e.fileLocationOther.str() } };
    std::string text = utf8FromCp932(fields.at(key));
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.replace(at, 2, at + 2 == text.size() ? "" : "\n");
    return text;
}

bool reported(const PadImport& result, Level level, std::string_view key)
{
    return std::any_of(result.diagnostics.begin(), result.diagnostics.end(),
        [&](const PadDiagnostic& d) { return d.level == level && d.field == key; });
}

struct MappingCase {
    const char* name;
    std::string file;
    std::string_view key; // the field to look at
    std::string_view value; // UTF-8
    Level level; // a finding of this level for the field must be there...
    bool finding; // ...when true
};

class PadMapping : public testing::TestWithParam<MappingCase> { };

TEST_P(PadMapping, SetsTheFieldAndReportsIt)
{
    const MappingCase& c = GetParam();
    PadImportOptions options;
    if (std::string_view(c.name) == "RememberedAuthorBeatsPadNames")
        options.rememberedAuthor = test::sj("作者番号PA000001");
    const PadImport result = mapped(c.file, options);
    EXPECT_EQ(field(result.entry, c.key), c.value);
    EXPECT_EQ(reported(result, c.level, c.key), c.finding);
}

const std::string kJapaneseAuthor = "<Company_Info><Contact_Info><Author_First_Name>一郎</Author_First_Name>"
                                    "<Author_Last_Name>山川</Author_Last_Name></Contact_Info></Company_Info>";

INSTANTIATE_TEST_SUITE_P(Rules, PadMapping,
    testing::Values(MappingCase { "OldWindowsNamesTickBoxesNewOnesAreText",
                        program("<Program_OS_Support>Win95,Win98, WinNT 4.x,WinME,WinXP,Win10 x64,Other, WinXP"
                                "</Program_OS_Support>"),
                        "otherOs", "WindowsMe / WindowsXP / Windows10", Level::Info, true },
        MappingCase { "WindowsMeansGeneralPurposeMachine", program("<Program_OS_Support>Win98</Program_OS_Support>"),
            "machine", "汎用", Level::Warning, false },
        MappingCase { "LinuxOnlyLeavesTheMachineOpen", program("<Program_OS_Support>Linux</Program_OS_Support>"),
            "machine", "", Level::Warning, true },
        MappingCase { "CommercialBecomesOther", program("<Program_Type>Commercial</Program_Type>"), "handling",
            "その他", Level::Warning, true },
        MappingCase { "UnknownTypeLeavesHandlingEmpty", program("<Program_Type>Open Source</Program_Type>"), "handling",
            "", Level::Warning, true },
        MappingCase { "WholeYenTaken",
            program("<Program_Type>Shareware</Program_Type><Program_Cost_Other_Code>jpy</Program_Cost_Other_Code>"
                    "<Program_Cost_Other>01500.00</Program_Cost_Other>"),
            "sharewareFee", "1500", Level::Info, true },
        MappingCase { "YenWithAFractionRefused",
            program("<Program_Type>Shareware</Program_Type><Program_Cost_Other_Code>JPY</Program_Cost_Other_Code>"
                    "<Program_Cost_Other>1500.50</Program_Cost_Other>"),
            "sharewareFee", "", Level::Warning, true },
        MappingCase { "FeeOutOfRangeKeptWithAWarning",
            program("<Program_Type>Shareware</Program_Type><Program_Cost_Other_Code>JPY</Program_Cost_Other_Code>"
                    "<Program_Cost_Other>20000</Program_Cost_Other>"),
            "sharewareFee", "20000", Level::Warning, true },
        MappingCase { "DollarsAreNeverConverted",
            program("<Program_Type>Shareware</Program_Type><Program_Cost_Dollars>19.95</Program_Cost_Dollars>"),
            "sharewareFee", "", Level::Warning, true },
        MappingCase { "FreewarePriceIsNoFee",
            program("<Program_Type>Freeware</Program_Type><Program_Cost_Other_Code>JPY</Program_Cost_Other_Code>"
                    "<Program_Cost_Other>1000</Program_Cost_Other>"),
            "sharewareFee", "", Level::Info, true },
        MappingCase { "TrialLinesFromTheTemplates",
            program("<Program_Type>Shareware</Program_Type><Expire_Info><Has_Expire_Info>y</Has_Expire_Info>"
                    "<Expire_Count>14</Expire_Count><Expire_Based_On>Either/Or</Expire_Based_On>"
                    "<Expire_Year>2027</Expire_Year><Expire_Month>04</Expire_Month><Expire_Day>01</Expire_Day>"
                    "<Expire_Other_Info> Saving is off.  \n\n</Expire_Other_Info></Expire_Info>"),
            "sharewareConditions", "試用は14日間または14回までです。\n試用期限は2027年4月1日です。\nSaving is off.",
            Level::Info, true },
        MappingCase {
            "JapaneseNamesFamilyFirst", program("", kJapaneseAuthor), "authorId", "山川 一郎", Level::Info, true },
        MappingCase { "RememberedAuthorBeatsPadNames", program("", kJapaneseAuthor), "authorId", "作者番号PA000001",
            Level::Info, true },
        MappingCase { "JapaneseBlockBeatsALongerEnglishOne",
            program("",
                "<Program_Descriptions><English><Char_Desc_2000>Long</Char_Desc_2000></English><Japanese>"
                "<Char_Desc_250>短い\r\n  二行目\t </Char_Desc_250></Japanese></Program_Descriptions>"),
            "description", "短い\n  二行目", Level::Info, false },
        MappingCase { "FileFromTheFirstUrlThatNamesOne",
            program("",
                "<Web_Info><Download_URLs><Primary_Download_URL>https://example.com/download?id=4"
                "</Primary_Download_URL><Secondary_Download_URL>HTTP://example.com/f/%E3%81%B5.lzh?x=1"
                "</Secondary_Download_URL></Download_URLs></Web_Info>"),
            "archiveFileName", "ふ.lzh", Level::Info, true },
        MappingCase { "YenSignRefusedInTheName", pad("<Program_Info><Program_Name>A¥B</Program_Name></Program_Info>"),
            "softwareName", "A\\B", Level::Error, true },
        MappingCase { "HiddenNameRefused", pad("<Program_Info><Program_Name>.tool</Program_Name></Program_Info>"),
            "softwareName", ".tool", Level::Error, true },
        MappingCase { "BakInsideTheNameRefused",
            pad("<Program_Info><Program_Name>My.bakery</Program_Name></Program_Info>"), "softwareName", "My.bakery",
            Level::Error, true },
        MappingCase { "UnrepresentableNameRefused",
            pad("<Program_Info><Program_Name>Caf&#233;</Program_Name></Program_Info>"), "softwareName", "Caf?",
            Level::Error, true }));

struct EncodingCase {
    const char* name;
    std::string bytes;
    std::string_view inputEncoding;
};

class PadEncodings : public testing::TestWithParam<EncodingCase> { };

TEST_P(PadEncodings, DecodeToTheSameName)
{
    const PadDocument document = readPad(GetParam().bytes, GetParam().inputEncoding);
    EXPECT_EQ(document.value("Program_Info/Program_Name"), "Café ソフト");
}

std::string utf16le(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text)
        bytes += std::string { static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8) };
    return bytes;
}

const std::string kNameElement = "<Program_Info><Program_Name>Café ソフト</Program_Name></Program_Info>";

INSTANTIATE_TEST_SUITE_P(Encodings, PadEncodings,
    testing::Values(EncodingCase { "Utf8WithBom", "\xEF\xBB\xBF" + pad(kNameElement), "" },
        EncodingCase { "Utf16WithBom",
            utf16le(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><XML_DIZ_INFO><Program_Info><Program_Name>"
                    u"Café ソフト</Program_Name></Program_Info></XML_DIZ_INFO>"),
            "" },
        EncodingCase { "ShiftJisDeclared",
            pad("<Program_Info><Program_Name>Caf&#xE9; \x83\x5C\x83\x74\x83\x67</Program_Name></Program_Info>",
                R"(<?xml version="1.0" encoding="Shift_JIS"?>)"),
            "" },
        EncodingCase { "Windows1252GivenForAnUndeclaredFile",
            pad("<Program_Info><Program_Name>Caf\xE9 &#x30BD;&#x30D5;&#x30C8;</Program_Name></Program_Info>", ""),
            "windows-1252" }));

// The worst shapes a file under the size cap can take, built here and read to
// the end (a search inside a loop over them would not end for hours; their time
// per MiB is measured in bench/PadImportBench.cpp): the size of the field they
// feed, and how many findings name their PAD path.
TEST(PadLargeShapes, AreReadToTheEnd)
{
    const auto repeated = [](std::size_t times, const auto& piece) {
        std::string text;
        for (std::size_t i = 0; i < times; ++i)
            text += piece(i);
        return text;
    };
    const std::tuple<std::string, std::string_view, std::size_t, std::size_t, std::string_view> shapes[] {
        { "<Program_Descriptions>"
                + repeated(400'000, [](std::size_t i) { return "<L" + std::to_string(100'000 + i) + "/>"; })
                + "<Last><Char_Desc_80>from the last</Char_Desc_80></Last></Program_Descriptions>",
            "headline", 13, 1, "Program_Descriptions/Last/Char_Desc_80" },
        { "<Program_Info>" + repeated(90'000, [](std::size_t) { return "<Program_Type>Freeware<b/></Program_Type>"; })
                + "</Program_Info>",
            "handling", 18, 2, "Program_Info/Program_Type" },
        { "<Program_Info><Program_OS_Support>"
                + repeated(300'000, [](std::size_t i) { return "Q" + std::to_string(i % 100'000) + ","; })
                + "</Program_OS_Support></Program_Info>",
            "otherOs", 588'890 + 3 * 99'999, 300'001, "Program_Info/Program_OS_Support" },
        { "<Program_Descriptions><English><Char_Desc_80>" + repeated(600'000, [](std::size_t) { return "&lt;a"; })
                + "</Char_Desc_80></English></Program_Descriptions>",
            "headline", 1'200'000, 1, "Program_Descriptions/English/Char_Desc_80" },
    };
    for (const auto& [body, key, bytes, findings, source] : shapes) {
        // A file over the cap would not be read at all, and fail here.
        const PadImport result = mapped(pad("<Program_Info><Program_Name>Tool</Program_Name></Program_Info>" + body));
        EXPECT_EQ(field(result.entry, key).size(), bytes) << source;
        const auto fromShape = [&](const PadDiagnostic& d) { return d.source == source; };
        EXPECT_EQ(std::count_if(result.diagnostics.begin(), result.diagnostics.end(), fromShape), findings) << source;
    }
}

// The backup the import writes is byte for byte the one the preview writes for
// the same entry, once the preview accepts it.
TEST(PadBackupRows, EqualThePreviewsBackup)
{
    const std::vector<std::string> bodies {
        program("<Program_Type>Freeware</Program_Type><Program_OS_Support>Win98,Linux</Program_OS_Support>",
            "<Web_Info><Download_URLs><Primary_Download_URL>http://example.jp/a.zip</Primary_Download_URL>"
            "</Download_URLs><Application_URLs><Application_Info_URL>http://example.jp/</Application_Info_URL>"
            "</Application_URLs></Web_Info>"),
        program("<Program_Type>Shareware</Program_Type><Program_Cost_Other_Code>JPY</Program_Cost_Other_Code>"
                "<Program_Cost_Other>800</Program_Cost_Other><Expire_Info><Has_Expire_Info>Y</Has_Expire_Info>"
                "<Expire_Count>30</Expire_Count><Expire_Based_On>Uses</Expire_Based_On></Expire_Info>",
            "<Web_Info><Download_URLs><Primary_Download_URL>ftp://example.jp/b.lzh</Primary_Download_URL>"
            "</Download_URLs></Web_Info>"),
        program("<Program_Type>Demo</Program_Type>",
            "<Web_Info><Download_URLs><Primary_Download_URL>"
            "http://example.jp/c.exe</Primary_Download_URL></Download_URLs></Web_Info>"),
    };
    for (const std::string& body : bodies) {
        PadImportOptions options;
        options.settings = { { "authorId", "PA000001" }, { "registeredProductNumber", "SR000001" } };
        const PadImport result = mapped(body, options);
        ASSERT_FALSE(result.refused());
        const PreviewOutcome preview = runPreviewCommand(result.entry);
        ASSERT_TRUE(preview.outcome.succeeded()) << preview.outcome.message;
        RegistrationEntry asPreviewed = result.entry;
        if (preview.filledNotes)
            asPreviewed.notes = *preview.filledNotes;
        EXPECT_EQ(backupRecordOf(asPreviewed, result.sections), preview.backupText) << body;
    }
}

} // namespace
} // namespace tarvo
