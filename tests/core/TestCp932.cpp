#include "TestSupport.h"

#include "core/text/Cp932.h"
#include "core/text/Utf8.h"

#include <cerrno>
#if __has_include(<iconv.h>)
#include <iconv.h>
#endif

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct RoundTrip {
    const char* name;
    std::string utf8;
    std::string cp932;
};

class Cp932RoundTrip : public testing::TestWithParam<RoundTrip> { };

TEST_P(Cp932RoundTrip, EncodesToTheExpectedBytesAndDecodesBack)
{
    const RoundTrip& c = GetParam();
    EXPECT_EQ(cp932FromUtf8(c.utf8), c.cp932);
    EXPECT_EQ(utf8FromCp932(c.cp932), c.utf8);
    EXPECT_TRUE(isRepresentableInCp932(c.utf8));
}

INSTANTIATE_TEST_SUITE_P(Texts, Cp932RoundTrip,
    testing::Values(RoundTrip { "Empty", "", "" },
        RoundTrip { "Ascii", "Windows95 / MS-DOS\r\n", "Windows95 / MS-DOS\r\n" },
        RoundTrip { "Hiragana", "あん", "\x82\xA0\x82\xF1" }, RoundTrip { "HalfWidthKatakana", "ｱｲ", "\xB1\xB2" },
        // Trail bytes 0x5C and 0x7C look like "\" and "|" to byte-minded code.
        RoundTrip { "TrailByteBackslash", "表ソ", "\x95\x5C\x83\x5C" },
        RoundTrip { "FullWidthSigns", "「」：　", "\x81\x75\x81\x76\x81\x46\x81\x40" },
        RoundTrip { "NecSpecial", "①", "\x87\x40" }, RoundTrip { "IbmExtension", "纊", "\xFA\x5C" },
        RoundTrip { "Mixed", "ソフト登録フォーム (99.07.21版)",
            "\x83\x5C\x83\x74\x83\x67\x93\x6F\x98\x5E\x83\x74\x83\x48\x81\x5B\x83\x80 (99.07.21\x94\xC5)" }),
    [](const testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST(Cp932, WaveDashAndItsFullWidthTildeVariantBothBecome8160)
{
    EXPECT_EQ(cp932FromUtf8("\u301C"), "\x81\x60");
    EXPECT_EQ(cp932FromUtf8("\uFF5E"), "\x81\x60");
    EXPECT_TRUE(isRepresentableInCp932("\u301C"));
}

TEST(Cp932, NecSelectedDuplicateDecodesToTheSameCharacterAsTheIbmOne)
{
    EXPECT_EQ(utf8FromCp932("\xED\x40"), "纊");
}

TEST(Cp932, MinusSignVariantsBecome817C)
{
    EXPECT_EQ(cp932FromUtf8("\u2212"), "\x81\x7C");
    EXPECT_EQ(cp932FromUtf8("\uFF0D"), "\x81\x7C");
}

struct BadBytes {
    const char* name;
    std::string cp932;
    std::string utf8;
};

class Cp932BadBytes : public testing::TestWithParam<BadBytes> { };

TEST_P(Cp932BadBytes, EachInvalidByteBecomesOneReplacementCharacter)
{
    EXPECT_EQ(utf8FromCp932(GetParam().cp932), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Bytes, Cp932BadBytes,
    testing::Values(BadBytes { "Byte80", "\x80", "\uFFFD" }, BadBytes { "ByteA0", "a\xA0z", "a\uFFFDz" },
        BadBytes { "BytesFDtoFF", "\xFD\xFE\xFF", "\uFFFD\uFFFD\uFFFD" },
        // A lead byte followed by a byte that cannot trail it: only the lead is
        // lost, the next byte is read on its own.
        BadBytes { "LeadThenBlank", "\x81 z", "\uFFFD z" }, BadBytes { "LeadThenLineBreak", "\x82\r\n", "\uFFFD\r\n" },
        BadBytes { "TruncatedLeadAtEnd", "ab\x82", "ab\uFFFD" }, BadBytes { "LoneLeadByteOnly", "\x81", "\uFFFD" },
        BadBytes { "BadBytesBetweenGoodText", "\x82\xA0\xFF\x82\xF1", "あ\uFFFDん" }),
    [](const testing::TestParamInfo<BadBytes>& info) { return std::string(info.param.name); });

TEST(Cp932, DecodingALongRunOfBadBytesKeepsOneReplacementPerByte)
{
    const std::string bad(10000, '\xFF');
    std::string expected;
    for (int i = 0; i < 10000; ++i)
        expected += "\uFFFD";
    EXPECT_EQ(utf8FromCp932(bad), expected);
}

TEST(Cp932, DecodingMoreThanOneBufferOfTextKeepsEveryCharacter)
{
    std::string utf8;
    for (int i = 0; i < 5000; ++i)
        utf8 += "あa";
    EXPECT_EQ(utf8FromCp932(cp932FromUtf8(utf8)), utf8);
}

struct Unrepresentable {
    const char* name;
    std::string utf8;
    std::optional<std::string> first;
};

class Cp932Unrepresentable : public testing::TestWithParam<Unrepresentable> { };

TEST_P(Cp932Unrepresentable, ReportsTheFirstCharacterCp932CannotHold)
{
    const Unrepresentable& c = GetParam();
    EXPECT_EQ(firstUnrepresentableCharacter(c.utf8), c.first);
    EXPECT_EQ(isRepresentableInCp932(c.utf8), !c.first.has_value());
}

INSTANTIATE_TEST_SUITE_P(Texts, Cp932Unrepresentable,
    testing::Values(Unrepresentable { "Empty", "", std::nullopt },
        Unrepresentable { "Japanese", "テストソフト 1.0", std::nullopt },
        Unrepresentable { "Emoji", "ab😀z", std::string("😀") },
        Unrepresentable { "CjkExtensionB", "𠮟る", std::string("𠮟") },
        Unrepresentable { "CjkExtensionA", "x㐂", std::string("㐂") },
        Unrepresentable { "FirstOfSeveral", "é😀", std::string("é") },
        Unrepresentable { "Hangul", "한", std::string("한") }),
    [](const testing::TestParamInfo<Unrepresentable>& info) { return std::string(info.param.name); });

TEST(Cp932, UnrepresentableCharactersEncodeAsOneQuestionMarkEach)
{
    EXPECT_EQ(cp932FromUtf8("a😀b𠮟c"), "a?b?c");
}

TEST(Cp932, InvalidUtf8EncodesAsQuestionMarksWithoutLosingTheRest)
{
    EXPECT_EQ(cp932FromUtf8("a\xFFz"), "a?z");
    EXPECT_EQ(cp932FromUtf8("a\xE3\x81"), "a??");
}

// glibc's iconv, which the tables are made from, is the reference; the Windows
// build has none and uses the same tables.
#if __has_include(<iconv.h>)
// The conversion as iconv does it, one converter call per run of good text: what
// the tables must reproduce, invalid input included.
std::string throughIconv(
    const char* to, const char* from, std::string_view input, std::string_view replacement, bool skipWholeUtf8Character)
{
    const iconv_t handle = iconv_open(to, from);
    std::string output;
    while (!input.empty()) {
        char buffer[64];
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(handle, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        output.append(buffer, static_cast<size_t>(out - buffer));
        input.remove_prefix(input.size() - inLeft);
        if (result == static_cast<size_t>(-1) && error != E2BIG) {
            output += replacement;
            const size_t length = skipWholeUtf8Character ? utf8CharacterLength(input, 0) : 0;
            input.remove_prefix(length == 0 ? 1 : length);
        }
    }
    iconv_close(handle);
    return output;
}

std::string utf16Bytes(std::u16string_view text)
{
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(Cp932Tables, DecodeEveryByteAndBytePairAsIconvDoes)
{
    int mismatches = 0;
    for (int lead = 0; lead < 256; ++lead) {
        for (int trail = -1; trail < 256; ++trail) {
            std::string cp932(1, static_cast<char>(lead));
            if (trail >= 0)
                cp932 += static_cast<char>(trail);
            const std::string utf8 = throughIconv("UTF-8", "CP932", cp932, kReplacementCharacter, false);
            std::u16string utf16(cp932.size(), u'\0');
            utf16.resize(utf16FromCp932(cp932, utf16.data()));
            const bool same = utf8FromCp932(cp932) == utf8
                && utf16Bytes(utf16) == throughIconv("UTF-16LE", "CP932", cp932, "\xFD\xFF", false)
                && isValidCp932(cp932) == (utf8.find(kReplacementCharacter) == std::string::npos);
            if (!same && ++mismatches <= 5)
                ADD_FAILURE() << "bytes " << lead << ' ' << trail;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Cp932Tables, EncodeEveryBmpCharacterAsIconvDoes)
{
    int mismatches = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const std::u16string utf16(1, static_cast<char16_t>(c));
        const std::string utf8 = throughIconv("UTF-8", "UTF-16LE", utf16Bytes(utf16), "", false);
        const std::string cp932 = throughIconv("CP932", "UTF-8", utf8, "?", true);
        const bool lost = cp932 == "?" && c != U'?';
        const bool same = cp932FromUtf8(utf8) == cp932 && cp932FromUtf16(utf16) == cp932
            && firstUnrepresentableCharacter(utf8) == (lost ? std::optional(utf8) : std::nullopt);
        if (!same && ++mismatches <= 5)
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Cp932Tables, EncodeMalformedAndMixedTextAsIconvDoes)
{
    for (const std::string_view utf8 : { "a\xC1\x81z", "\xED\xA0\x80x", "\xF4\x90\x80\x80", "\xE3\x81", "\x80\xBF",
             "\xF0\x9F\x98\x80\xE3\x81\x82\xEF\xBD\x9E\xC2\xA5\xE2\x80\xBE", "\xFE\xFF\xE3\x81\x41" }) {
        EXPECT_EQ(cp932FromUtf8(utf8), throughIconv("CP932", "UTF-8", utf8, "?", true)) << testing::PrintToString(utf8);
        EXPECT_TRUE(firstUnrepresentableCharacter(utf8).has_value());
    }
}
#endif

TEST(Cp932Tables, Utf16LineFeedsBecomeCrLfOnlyWhenAsked)
{
    EXPECT_EQ(cp932FromUtf16(u"あ\nb\r\n"), "\x82\xA0\nb\r\n");
    EXPECT_EQ(cp932FromUtf16(u"あ\nb\r\n", LineFeeds::AsCrLf), "\x82\xA0\r\nb\r\r\n");
    EXPECT_EQ(cp932FromUtf16(u"\xD83D\xDE00|\xD83D|\xDE00|\xD83D"), "?|?|?|?");
}

} // namespace
} // namespace tarvo
