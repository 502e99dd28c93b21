#include "core/text/StrictDecoding.h"

#include <gtest/gtest.h>

// glibc's iconv, which the tables are made from, is the reference; the Windows
// build decodes through the same tables, and its PAD imports are compared with
// the Linux build's by same-output-as-linux.sh.
#if __has_include(<iconv.h>)
#include <cerrno>
#include <iconv.h>
#include <string>

namespace tarvo {
namespace {

// Counts the inputs that decodeStrictly and iconv decode differently: text,
// where it stops, whether the character there is cut off.
class SameAsIconv {
public:
    SameAsIconv(SourceEncoding encoding, const char* iconvName)
        : m_encoding(encoding)
        , m_name(iconvName)
    {
    }

    // What iconv said, as a decoding.
    StrictDecoding compare(const std::string& bytes)
    {
        // A fresh converter each time: glibc reads a UTF-16 byte-order mark
        // only in a converter's first call.
        const iconv_t handle = iconv_open("UTF-8", m_name);
        StrictDecoding expected;
        char* in = const_cast<char*>(bytes.data());
        size_t inLeft = bytes.size();
        char buffer[64];
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        if (iconv(handle, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)) {
            expected.stop = bytes.size() - inLeft;
            expected.cutShort = errno == EINVAL;
        }
        iconv_close(handle);
        expected.utf8.assign(buffer, static_cast<size_t>(out - buffer));
        const StrictDecoding decoded = decodeStrictly(bytes, m_encoding);
        if ((decoded.utf8 != expected.utf8 || decoded.stop != expected.stop || decoded.cutShort != expected.cutShort)
            && ++mismatches <= 5)
            ADD_FAILURE() << m_name << " differs from iconv on " << testing::PrintToString(bytes);
        return expected;
    }

    int mismatches = 0;

private:
    SourceEncoding m_encoding;
    const char* m_name;
};

std::string bytesOf(std::initializer_list<int> values)
{
    std::string bytes;
    for (const int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

// Every byte and byte pair, and every third byte after a pair that iconv reads
// as the start of a longer character.
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
        EXPECT_EQ(iconv.mismatches, 0) << name;
    }
}

// Every code unit in both byte orders, alone, cut off and after a character,
// every high surrogate before a low one and before what is none, under every
// byte-order mark.
TEST(StrictDecoding, Utf16DecodesAsIconvDoes)
{
    const std::pair<SourceEncoding, const char*> encodings[] = { { SourceEncoding::Utf16, "UTF-16" },
        { SourceEncoding::Utf16Le, "UTF-16LE" }, { SourceEncoding::Utf16Be, "UTF-16BE" } };
    for (const auto& [encoding, name] : encodings) {
        SameAsIconv iconv(encoding, name);
        for (const std::string mark : { "", "\xFF\xFE", "\xFE\xFF" }) {
            iconv.compare(mark);
            for (int unit = 0; unit < 0x10000; ++unit) {
                const int high = unit >> 8, low = unit & 0xFF;
                for (const std::string& pair : { bytesOf({ low, high }), bytesOf({ high, low }) }) {
                    iconv.compare(mark + pair);
                    iconv.compare(mark + pair + "A");
                    iconv.compare(mark + std::string("A\0", 2) + pair);
                    for (const int next : { 0x0041, 0xD800, 0xDC00, 0xDFFF }) {
                        if (unit >> 10 == 0xD800 >> 10)
                            iconv.compare(mark + pair + bytesOf({ next & 0xFF, next >> 8, next >> 8, next & 0xFF }));
                    }
                }
            }
        }
        EXPECT_EQ(iconv.mismatches, 0) << name;
    }
}

} // namespace
} // namespace tarvo
#endif
