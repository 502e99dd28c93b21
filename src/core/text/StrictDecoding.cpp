#include "core/text/StrictDecoding.h"

#include "core/text/DecodingTables.h"

#include <cstdint>

namespace tarvo {

namespace {

namespace tables = decoding_tables;

using Row = std::uint16_t[256];

const Row* rowsOf(SourceEncoding encoding)
{
    switch (encoding) {
    case SourceEncoding::UsAscii:
        return tables::kUsAscii;
    case SourceEncoding::Latin1:
        return tables::kLatin1;
    case SourceEncoding::Windows1252:
        return tables::kWindows1252;
    case SourceEncoding::Cp932:
        return tables::kCp932;
    default:
        return tables::kEucJpMs;
    }
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

StrictDecoding throughRows(std::string_view bytes, const Row* rows)
{
    StrictDecoding decoded;
    decoded.utf8.reserve(bytes.size() * 2);
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t at = start;
        std::uint16_t value = tables::kRowBase;
        while (value >= tables::kRowBase && value < 0xE000) {
            if (at == bytes.size()) {
                decoded.cutShort = true;
                break;
            }
            value = rows[value - tables::kRowBase][static_cast<unsigned char>(bytes[at++])];
        }
        if (decoded.cutShort || value == tables::kNone) {
            decoded.stop = start;
            return decoded;
        }
        appendUtf8(decoded.utf8, value);
        start = at;
    }
    return decoded;
}

StrictDecoding throughUtf16(std::string_view bytes, SourceEncoding encoding)
{
    StrictDecoding decoded;
    decoded.utf8.reserve(bytes.size() * 3 / 2);
    bool bigEndian = encoding == SourceEncoding::Utf16Be;
    std::size_t at = 0;
    if (encoding == SourceEncoding::Utf16 && bytes.size() >= 2) {
        const std::string_view mark = bytes.substr(0, 2);
        bigEndian = mark == "\xFE\xFF";
        if (bigEndian || mark == "\xFF\xFE")
            at = 2;
    }
    const auto unitAt = [&](std::size_t offset) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[offset]);
        const auto second = static_cast<unsigned char>(bytes[offset + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    while (at < bytes.size()) {
        const bool high = bytes.size() - at >= 2 && unitAt(at) >= 0xD800 && unitAt(at) <= 0xDBFF;
        if (bytes.size() - at < (high ? 4U : 2U)) {
            decoded.cutShort = true;
            decoded.stop = at;
            return decoded;
        }
        const char32_t unit = unitAt(at);
        if (!high && unit >= 0xDC00 && unit <= 0xDFFF) {
            decoded.stop = at;
            return decoded;
        }
        if (!high) {
            appendUtf8(decoded.utf8, unit);
            at += 2;
            continue;
        }
        const char32_t low = unitAt(at + 2);
        if (low < 0xDC00 || low > 0xDFFF) {
            decoded.stop = at;
            return decoded;
        }
        appendUtf8(decoded.utf8, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        at += 4;
    }
    return decoded;
}

} // namespace

StrictDecoding decodeStrictly(std::string_view bytes, SourceEncoding encoding)
{
    switch (encoding) {
    case SourceEncoding::Utf16:
    case SourceEncoding::Utf16Le:
    case SourceEncoding::Utf16Be:
        return throughUtf16(bytes, encoding);
    default:
        return throughRows(bytes, rowsOf(encoding));
    }
}

} // namespace tarvo
