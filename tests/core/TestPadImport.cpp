#include "TestSupport.h"

#include "core/document/PreviewCommand.h"
#include "core/entry/EntryFields.h"
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

// Findings name a field as the JSON entry object does.
bool reported(const PadImport& result, Level level, std::string_view key)
{
    const std::string_view json = entryField(key) ? entryField(key)->json : key;
    return std::any_of(result.diagnostics.begin(), result.diagnostics.end(),
        [&](const PadDiagnostic& d) { return d.level == level && d.field == json; });
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
        MappingCase { "UnknownTypeLeavesHandlingEmpty", program("<Program_Type>Program_Type</Program_Type>"),
            "handling", "", Level::Warning, true },
        MappingCase { "OpenSourceIsFreewareWithTheBetterItemsOffered",
            program("<Program_Type> open-SOURCE </Program_Type>"), "handling", "フリーウェア", Level::Warning, true },
        MappingCase { "DonationwareIsKampaware", program("<Program_Type>Donationware</Program_Type>"), "handling",
            "フリーウェア（寄付歓迎：カンパウェア）", Level::Warning, false },
        MappingCase { "FreeTrialIsASample", program("<Program_Type>Free Trial</Program_Type>"), "handling",
            "サンプル版（正式使用は製品版を購入）", Level::Warning, true },
        MappingCase { "FreemiumBecomesOther", program("<Program_Type>Freemium</Program_Type>"), "handling", "その他",
            Level::Warning, true },
        MappingCase { "VistaEditionsAndBitnessFoldIntoOneNameEach",
            program("<Program_OS_Support>Windows Vista Ultimate x64,Linux,Win7x64,Windows Vista Home Basic,"
                    "Windows Server 2008r2,Mac OS X 10.9,WinXP,Windows 7,Windows Tablet PC Edition 2005,"
                    "Mac OSX,WinServer 2016,Windows10,Linux Gnome,Foo OS,Win98,Windows NT 4.0</Program_OS_Support>"),
            "otherOs",
            "WindowsXP / WindowsVista / Windows7 / Windows10 / WindowsServer2008R2 / WindowsServer2016 / Mac OS X / "
            "Linux / Foo OS",
            Level::Info, true },
        MappingCase { "SourceForgeNamesTheFileBeforeDownload",
            program("",
                "<Web_Info><Download_URLs><Primary_Download_URL>https://sourceforge.net/projects/tool/files/"
                "tool-3.34.exe/download</Primary_Download_URL></Download_URLs></Web_Info>"),
            "archiveFileName", "tool-3.34.exe", Level::Info, true },
        MappingCase { "QueryValueNamesTheFile",
            program("",
                "<Web_Info><Download_URLs><Primary_Download_URL>https://example.com/get.php?id=3&amp;file=dl%2F"
                "Tool.AppImage#top</Primary_Download_URL></Download_URLs></Web_Info>"),
            "archiveFileName", "Tool.AppImage", Level::Info, true },
        MappingCase { "SecondCurrencyIsNamedNotDollarsOnly",
            program("<Program_Type>Shareware</Program_Type><Program_Cost_Dollars>19.95</Program_Cost_Dollars>"
                    "<Program_Cost_Other_Code>EUR</Program_Cost_Other_Code><Program_Cost_Other>17.50"
                    "</Program_Cost_Other>"),
            "sharewareFee", "", Level::Warning, true },
        MappingCase { "PrettyPrintedDescriptionKeepsParagraphsOnly",
            program("",
                "<Program_Descriptions><English><Char_Desc_80>\n      Notes on\n      the desktop\n    "
                "</Char_Desc_80><Char_Desc_2000>\n        A small tool\n        for notes.\n\n\n"
                "        Free of charge.\n      </Char_Desc_2000></English></Program_Descriptions>"),
            "description", "A small tool for notes.\n\nFree of charge.", Level::Info, true },
        MappingCase { "HeadlineFallsBackToTheShortestDescription",
            program("",
                "<Program_Descriptions><Japanese><Char_Desc_450>長い説明</Char_Desc_450><Char_Desc_250>"
                "\n  付箋を\n  貼る\n</Char_Desc_250></Japanese></Program_Descriptions>"),
            "headline", "付箋を 貼る", Level::Info, true },
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
                "<Char_Desc_250>短い\r\n二行目\t </Char_Desc_250></Japanese></Program_Descriptions>"),
            "description", "短い\n二行目", Level::Info, false },
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

// A value counts as imported only when it reaches a field; anything else is
// listed, and repeats are told only where they matter.
TEST(PadNothingDropped, ListsEveryValueThatMissesTheEntry)
{
    const std::string file = program("<Program_Name>Again</Program_Name><Program_Type>Shareware</Program_Type>"
                                     "<Program_Cost_Dollars>19.95"
                                     "</Program_Cost_Dollars><Program_Cost_Other_Code>EUR</Program_Cost_Other_Code>"
                                     "<Program_Cost_Other>17.50</Program_Cost_Other><Expire_Info><Has_Expire_Info>Y"
                                     "</Has_Expire_Info><Expire_Count>30</Expire_Count><Expire_Based_On>Weeks"
                                     "</Expire_Based_On></Expire_Info>",
        "<Web_Info><Download_URLs><Primary_Download_URL>http://e.jp/t.zip</Primary_Download_URL>"
        "<Secondary_Download_URL>http://e.jp/t.dmg</Secondary_Download_URL></Download_URLs></Web_Info>"
        "<Program_Descriptions><German><Keywords>a</Keywords><Keywords>b</Keywords></German></Program_Descriptions>"
        "<Program_Descriptions><English><Char_Desc_80>x</Char_Desc_80></English></Program_Descriptions>");
    const PadImport result = mapped(file);
    for (const std::string_view path : { "Program_Info/Program_Cost_Dollars", "Program_Info/Program_Cost_Other_Code",
             "Program_Info/Program_Cost_Other", "Program_Info/Expire_Info/Has_Expire_Info",
             "Program_Info/Expire_Info/Expire_Count", "Web_Info/Download_URLs/Secondary_Download_URL",
             "Program_Descriptions/German/Keywords" })
        EXPECT_NE(std::find(result.notImported.begin(), result.notImported.end(), path), result.notImported.end())
            << path;
    for (const std::string_view path : { "Web_Info/Download_URLs/Primary_Download_URL", "Program_Info/Program_Name" })
        EXPECT_EQ(std::find(result.notImported.begin(), result.notImported.end(), path), result.notImported.end())
            << path;
    std::string messages;
    for (const PadDiagnostic& d : result.diagnostics)
        messages += d.line() + "\n";
    EXPECT_NE(messages.find("19.95 USD、17.50 EUR"), std::string::npos) << messages;
    EXPECT_EQ(messages.find("US ドルだけ"), std::string::npos) << messages;
    EXPECT_NE(messages.find("http://e.jp/t.dmg"), std::string::npos) << messages;
    // Told for the imported name, not for the unused German keywords.
    EXPECT_NE(messages.find("(Program_Info/Program_Name): この項目が何度も"), std::string::npos) << messages;
    EXPECT_EQ(messages.find("Keywords): この項目が何度も"), std::string::npos) << messages;
}

// Without the table, one refusal per character, each offering its replacement;
// with it, one warning per character, counted.
TEST(PadTransliteration, ReplacesRealFilesCharactersAndCountsThem)
{
    const std::string file = program("<Program_Version>1</Program_Version>",
        "<Program_Descriptions><English><Char_Desc_80>Caf&#233; &#171;Men&#252;&#187; &#8211; caf&#233;&#8209;bar"
        "&#8230;</Char_Desc_80><Char_Desc_2000>&#8226; Cr&#232;me&#8482; &#322;&#246;d&#339;</Char_Desc_2000>"
        "</English></Program_Descriptions>");
    const PadImport refused = mapped(file);
    ASSERT_TRUE(refused.refused());
    for (const PadDiagnostic& d : refused.diagnostics) {
        if (d.level == Level::Error) {
            EXPECT_TRUE(d.kind == PadDiagnostic::Kind::Unrepresentable && d.count == 1) << d.line();
        }
    }
    PadImportOptions options;
    options.transliterate = true;
    const PadImport result = mapped(file, options);
    ASSERT_FALSE(result.refused());
    EXPECT_EQ(field(result.entry, "headline"), "Cafe 《Menu》 - cafe-bar…");
    EXPECT_EQ(field(result.entry, "description"), "・ Creme(TM) lodoe");
    std::map<std::string, int> counts;
    for (const PadDiagnostic& d : result.diagnostics) {
        if (d.kind == PadDiagnostic::Kind::Replaced)
            counts[d.value + ">" + d.replacement] += d.count;
    }
    const std::map<std::string, int> expected { { "é>e", 2 }, { "«>《", 1 }, { "»>》", 1 }, { "ü>u", 1 }, { "–>-", 1 },
        { "‑>-", 1 }, { "•>・", 1 }, { "è>e", 1 }, { "™>(TM)", 1 }, { "ł>l", 1 }, { "ö>o", 1 }, { "œ>oe", 1 } };
    EXPECT_EQ(counts, expected);
}

// A block asked for by name is found whatever its case; a missing one is an
// error naming the blocks there are.
TEST(PadLanguages, AreComparedWithoutCaseAndAMissingOneListsTheOthers)
{
    const std::string file = program("",
        "<Program_Descriptions><english><Char_Desc_80>E</Char_Desc_80></english><GERMAN><Char_Desc_80>G"
        "</Char_Desc_80></GERMAN></Program_Descriptions>");
    PadImportOptions options;
    options.language = "German";
    EXPECT_EQ(field(mapped(file, options).entry, "headline"), "G");
    EXPECT_EQ(field(mapped(file).entry, "headline"), "E");
    options.language = "French";
    const PadImport missing = mapped(file, options);
    ASSERT_TRUE(missing.refused());
    EXPECT_EQ(missing.diagnostics.back().kind, PadDiagnostic::Kind::MissingLanguage);
    EXPECT_NE(missing.diagnostics.back().message.find("english、GERMAN"), std::string::npos);
}

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
            "headline", 13, 3, "Program_Descriptions/Last/Char_Desc_80" },
        { "<Program_Info>" + repeated(90'000, [](std::size_t) { return "<Program_Type>Freeware<b/></Program_Type>"; })
                + "</Program_Info>",
            "handling", 18, 2, "Program_Info/Program_Type" },
        { "<Program_Info><Program_OS_Support>"
                + repeated(300'000, [](std::size_t i) { return "Q" + std::to_string(i % 100'000) + ","; })
                + "</Program_OS_Support></Program_Info>",
            "otherOs", 588'890 + 3 * 99'999, 2, "Program_Info/Program_OS_Support" },
        { "<Program_Descriptions><English><Char_Desc_80>" + repeated(600'000, [](std::size_t) { return "&lt;a"; })
                + "</Char_Desc_80></English></Program_Descriptions>",
            "headline", 1'200'000, 4, "Program_Descriptions/English/Char_Desc_80" },
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
