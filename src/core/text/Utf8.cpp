#include "core/text/Utf8.h"

namespace tarvo {

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::size_t utf8CharacterLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t offset) { return static_cast<unsigned char>(text[at + offset]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    // The range of the second byte rules out overlong forms, surrogates and
    // values beyond U+10FFFF.
    unsigned char lowest = 0x80;
    unsigned char highest = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            lowest = 0xA0;
        else if (lead == 0xED)
            highest = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            lowest = 0x90;
        else if (lead == 0xF4)
            highest = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - at < length || byte(1) < lowest || byte(1) > highest)
        return 0;
    for (std::size_t offset = 2; offset < length; ++offset) {
        if (!isContinuation(byte(offset)))
            return 0;
    }
    return length;
}

bool isValidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8CharacterLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string utf8ForDisplay(std::string_view bytes)
{
    std::string shown;
    shown.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = utf8CharacterLength(bytes, at);
        if (length == 0) {
            shown += kReplacementCharacter;
            ++at;
            continue;
        }
        shown.append(bytes, at, length);
        at += length;
    }
    return shown;
}

} // namespace tarvo
