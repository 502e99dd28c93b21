#include "text/Cp932Characters.h"

namespace tarvo {

std::size_t cp932LastCharacterStart(std::string_view text)
{
    // Only a walk from the front tells a trail byte from a single-byte character.
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); at += cp932CharacterLength(text, at))
        start = at;
    return start;
}

} // namespace tarvo
