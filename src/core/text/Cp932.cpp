#include "core/text/Cp932.h"

#include "core/text/Cp932Tables.h"
#include "core/text/Utf8.h"

#include <cstring>

namespace tarvo {

namespace {

using namespace cp932_tables;

// The Unicode character of the CP932 character at `at`, or kNone for a byte that
// starts none; `length` is the bytes it takes (one for a byte that starts none,
// so that the byte after it is read on its own).
std::uint16_t decodeAt(std::string_view cp932, size_t at, size_t& length)
{
    const auto byte = static_cast<unsigned char>(cp932[at]);
    const std::uint16_t single = kSingle[byte];
    length = 1;
    if (single != kLead)
        return single;
    if (at + 1 == cp932.size())
        return kNone;
    const std::uint16_t pair = kPairs[kLeadRow[byte]][static_cast<unsigned char>(cp932[at + 1])];
    if (pair != kNone)
        length = 2;
    return pair;
}

std::uint16_t encodeCharacter(std::uint32_t codePoint)
{
    return codePoint > 0xFFFF ? kNone : kBlocks[kBlockOf[codePoint >> 8]][codePoint & 0xFF];
}

char* putCp932(char* out, std::uint16_t code)
{
    if (code == kNone) {
        *out++ = '?';
    } else if (code > 0xFF) {
        *out++ = static_cast<char>(code >> 8);
        *out++ = static_cast<char>(code & 0xFF);
    } else {
        *out++ = static_cast<char>(code);
    }
    return out;
}

char* putUtf8(char* out, std::uint16_t codePoint)
{
    if (codePoint < 0x80) {
        *out++ = static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        *out++ = static_cast<char>(0xC0 | (codePoint >> 6));
        *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        *out++ = static_cast<char>(0xE0 | (codePoint >> 12));
        *out++ = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
}

// The code point of the well-formed UTF-8 character of `length` bytes at `at`.
std::uint32_t codePointAt(std::string_view utf8, size_t at, size_t length)
{
    const auto byte
        = [&](size_t offset) { return static_cast<std::uint32_t>(static_cast<unsigned char>(utf8[at + offset])); };
    if (length == 1)
        return byte(0);
    std::uint32_t value = byte(0) & (0x7F >> length);
    for (size_t offset = 1; offset < length; ++offset)
        value = (value << 6) | (byte(offset) & 0x3F);
    return value;
}

// Length of the run of ASCII bytes (which both encodings keep as they are) from `at`.
size_t asciiRun(std::string_view text, size_t at)
{
    size_t end = at;
    while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80)
        ++end;
    return end - at;
}

} // namespace

std::string utf8FromCp932(std::string_view cp932)
{
    // A CP932 byte becomes at most three UTF-8 bytes: a sized buffer, grown in
    // the rare text that needs more, and no second pass to measure it.
    std::string result(cp932.size() + cp932.size() / 2 + 3, '\0');
    size_t written = 0;
    size_t at = 0;
    while (at < cp932.size()) {
        const size_t ascii = asciiRun(cp932, at);
        if (result.size() - written < ascii + 3)
            result.resize(2 * result.size() + ascii + 3);
        std::memcpy(result.data() + written, cp932.data() + at, ascii);
        written += ascii;
        at += ascii;
        while (at < cp932.size() && static_cast<unsigned char>(cp932[at]) >= 0x80) {
            if (result.size() - written < 3)
                result.resize(2 * result.size());
            size_t length = 0;
            const std::uint16_t character = decodeAt(cp932, at, length);
            char* out = result.data() + written;
            if (character == kNone) {
                std::memcpy(out, kReplacementCharacter.data(), kReplacementCharacter.size());
                written += kReplacementCharacter.size();
            } else {
                written += static_cast<size_t>(putUtf8(out, character) - out);
            }
            at += length;
        }
    }
    result.resize(written);
    return result;
}

std::string cp932FromUtf8(std::string_view utf8)
{
    // Every character becomes no more bytes than its UTF-8 form has.
    std::string result(utf8.size(), '\0');
    char* out = result.data();
    size_t at = 0;
    while (at < utf8.size()) {
        const size_t ascii = asciiRun(utf8, at);
        std::memcpy(out, utf8.data() + at, ascii);
        out += ascii;
        at += ascii;
        if (at == utf8.size())
            break;
        const size_t length = utf8CharacterLength(utf8, at);
        if (length == 0) {
            *out++ = '?';
            ++at;
            continue;
        }
        out = putCp932(out, encodeCharacter(codePointAt(utf8, at, length)));
        at += length;
    }
    result.resize(static_cast<size_t>(out - result.data()));
    return result;
}

size_t utf16FromCp932(std::string_view cp932, char16_t* out)
{
    char16_t* const start = out;
    size_t at = 0;
    while (at < cp932.size()) {
        const auto byte = static_cast<unsigned char>(cp932[at]);
        if (byte < 0x80) {
            *out++ = byte;
            ++at;
            continue;
        }
        size_t length = 0;
        const std::uint16_t character = decodeAt(cp932, at, length);
        *out++ = character == kNone ? char16_t { 0xFFFD } : character;
        at += length;
    }
    return static_cast<size_t>(out - start);
}

std::string cp932FromUtf16(std::u16string_view utf16, LineFeeds lineFeeds)
{
    // Two bytes at most for each UTF-16 unit, a line feed as CR LF included.
    std::string result(2 * utf16.size(), '\0');
    char* out = result.data();
    for (size_t at = 0; at < utf16.size(); ++at) {
        const char16_t unit = utf16[at];
        if (unit < 0x80) {
            if (unit == u'\n' && lineFeeds == LineFeeds::AsCrLf)
                *out++ = '\r';
            *out++ = static_cast<char>(unit);
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            // Beyond the BMP, or half of a pair: nothing CP932 holds.
            if (unit <= 0xDBFF && at + 1 < utf16.size() && utf16[at + 1] >= 0xDC00 && utf16[at + 1] <= 0xDFFF)
                ++at;
            *out++ = '?';
        } else {
            out = putCp932(out, encodeCharacter(unit));
        }
    }
    result.resize(static_cast<size_t>(out - result.data()));
    return result;
}

std::optional<std::string> firstUnrepresentableCharacter(std::string_view utf8)
{
    size_t at = 0;
    while (at < utf8.size()) {
        at += asciiRun(utf8, at);
        if (at == utf8.size())
            break;
        const size_t length = utf8CharacterLength(utf8, at);
        if (length == 0)
            return std::string(kReplacementCharacter);
        if (encodeCharacter(codePointAt(utf8, at, length)) == kNone)
            return std::string(utf8.substr(at, length));
        at += length;
    }
    return std::nullopt;
}

bool isValidCp932(std::string_view cp932)
{
    size_t at = 0;
    while (at < cp932.size()) {
        size_t length = 0;
        if (decodeAt(cp932, at, length) == kNone)
            return false;
        at += length;
    }
    return true;
}

std::string unrepresentableMessage(std::string_view utf8Character)
{
    return "「" + std::string(utf8Character) + "」はShift-JISで表せないため使えません。";
}

} // namespace tarvo
