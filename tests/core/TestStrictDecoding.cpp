#include "core/text/StrictDecoding.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#if __has_include(<iconv.h>)
#include <iconv.h>
#endif

namespace tarvo {
namespace {

// The Windows build decodes through the same tables; these pin a few of them
// there as well.
TEST(StrictDecoding, DecodesAndStopsAtTheFirstByteThatIsNoCharacter)
{
    struct Case {
        SourceEncoding encoding;
        std::string bytes;
        std::string utf8;
        std::size_t stop;
        bool cutShort;
    };
    constexpr auto kComplete = StrictDecoding::kComplete;
    using namespace std::string_literals;
    const std::vector<Case> cases {
        { SourceEncoding::Windows1252, "Caf\xE9 \x93q\x94 \x81", "Café “q” ", 9, false },
        { SourceEncoding::Latin1, "\x81\xFF", "\xC2\x81ÿ", kComplete, false },
        { SourceEncoding::UsAscii, "ab\x80", "ab", 2, false },
        { SourceEncoding::Cp932, "\x83\x5C\x87\x40\xFA\x40\x82", "ソ①ⅰ", 6, true },
        { SourceEncoding::EucJpMs, "\xA5\xBD\x8E\xB1\x8F\xF3\xF3\xA1", "ソｱⅰ", 7, true },
        { SourceEncoding::Utf16, "\xFE\xFF\x00\x41\xD8\x3D\xDE\x00"s, "A😀", kComplete, false },
        { SourceEncoding::Utf16, "A\0\xFF\xFE"s, "A\xEF\xBB\xBF", kComplete, false },
        { SourceEncoding::Utf16Le, "\xFF\xFE\x00\xDC"s, "\xEF\xBB\xBF", 2, false },
        { SourceEncoding::Utf16Be, "\x00\x41\xD8\x3D"s, "A", 2, true },
    };
    for (const Case& c : cases) {
        const StrictDecoding decoded = decodeStrictly(c.bytes, c.encoding);
        EXPECT_EQ(decoded.utf8, c.utf8) << c.bytes;
        EXPECT_EQ(decoded.stop, c.stop) << c.bytes;
        EXPECT_EQ(decoded.cutShort, c.cutShort) << c.bytes;
    }
}

#if __has_include(<iconv.h>)
// glibc's iconv, which the tables are made from, is the reference.
class SameAsIconv {
public:
    SameAsIconv(SourceEncoding encoding, const char* iconvName)
        : m_encoding(encoding)
        , m_name(iconvName)
        , m_handle(iconv_open("UTF-8", iconvName))
    {
    }
    ~SameAsIconv() { iconv_close(m_handle); }
    SameAsIconv(const SameAsIconv&) = delete;
    SameAsIconv& operator=(const SameAsIconv&) = delete;

    // Decodes through both; returns what iconv said, as a decoding.
    StrictDecoding compare(const std::string& bytes)
    {
        // glibc reads a UTF-16 byte-order mark only in a converter's first call.
        if (m_encoding == SourceEncoding::Utf16) {
            iconv_close(m_handle);
            m_handle = iconv_open("UTF-8", m_name);
        }
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        StrictDecoding expected;
        char* in = const_cast<char*>(bytes.data());
        size_t inLeft = bytes.size();
        char buffer[64];
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        if (iconv(m_handle, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)) {
            expected.stop = bytes.size() - inLeft;
            expected.cutShort = errno == EINVAL;
        }
        expected.utf8.assign(buffer, static_cast<size_t>(out - buffer));
        const StrictDecoding decoded = decodeStrictly(bytes, m_encoding);
        if ((decoded.utf8 != expected.utf8 || decoded.stop != expected.stop || decoded.cutShort != expected.cutShort)
            && ++m_mismatches <= 5)
            ADD_FAILURE() << "differs from iconv on " << testing::PrintToString(bytes);
        return expected;
    }
    int mismatches() const { return m_mismatches; }

private:
    SourceEncoding m_encoding;
    const char* m_name;
    iconv_t m_handle;
    int m_mismatches = 0;
};

std::string bytesOf(std::initializer_list<int> values)
{
    std::string bytes;
    for (const int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

// Every byte and byte pair, and every third byte after a pair that iconv
// reads as the start of a longer character.
TEST(StrictDecoding, ByteEncodingsDecodeEveryShortSequenceAsIconvDoes)
{
    const std::pair<SourceEncoding, const char*> encodings[] = { { SourceEncoding::UsAscii, "US-ASCII" },
        { SourceEncoding::Latin1, "ISO-8859-1" }, { SourceEncoding::Windows1252, "CP1252" },
        { SourceEncoding::Cp932, "CP932" }, { SourceEncoding::EucJpMs, "EUC-JP-MS" } };
    for (const auto& [encoding, name] : encodings) {
        SameAsIconv iconv(encoding, name);
        for (int first = 0; first < 256; ++first) {
            iconv.compare(bytesOf({ first }));
            for (int second = 0; second < 256; ++second) {
                const StrictDecoding pair = iconv.compare(bytesOf({ first, second }));
                for (int third = 0; pair.cutShort && pair.stop == 0 && third < 256; ++third)
                    iconv.compare(bytesOf({ first, second, third, 'A' }));
            }
        }
        EXPECT_EQ(iconv.mismatches(), 0) << name;
    }
}

// Every code unit in both byte orders, every high surrogate before a low one,
// a character and nothing, and every byte-order mark.
TEST(StrictDecoding, Utf16DecodesAsIconvDoes)
{
    const std::pair<SourceEncoding, const char*> encodings[] = { { SourceEncoding::Utf16, "UTF-16" },
        { SourceEncoding::Utf16Le, "UTF-16LE" }, { SourceEncoding::Utf16Be, "UTF-16BE" } };
    for (const auto& [encoding, name] : encodings) {
        SameAsIconv iconv(encoding, name);
        for (const std::string mark : { "", "\xFF\xFE", "\xFE\xFF" }) {
            for (int unit = 0; unit < 0x10000; ++unit) {
                const int high = unit >> 8, low = unit & 0xFF;
                for (const std::string& pair : { bytesOf({ low, high }), bytesOf({ high, low }) }) {
                    iconv.compare(mark + pair);
                    iconv.compare(mark + pair + "A");
                    iconv.compare(mark + std::string("A\0", 2) + pair);
                    if (unit >= 0xD800 && unit < 0xDC00) {
                        for (const int next : { 0xDC00, 0xDFFF, 0x0041, 0xD800 })
                            iconv.compare(mark + pair + bytesOf({ next & 0xFF, next >> 8 })
                                + bytesOf({ next >> 8, next & 0xFF }));
                    }
                }
            }
            iconv.compare(mark);
            iconv.compare(mark + "A");
        }
        EXPECT_EQ(iconv.mismatches(), 0) << name;
    }
}
#endif

} // namespace
} // namespace tarvo
