// What becomes of characters CP932 holds only one way, or not at all.

#include "core/pad/PadMapper.h"

#include <map>

namespace tarvo::pad {

namespace {

// Base letters of U+00C0 to U+017F without their marks, as NFD gives them
// ('?': a letter of its own, in the table below, or no letter).
constexpr std::string_view kLatinBases = "AAAAAA?CEEEEIIII?NOOOOO??UUUUY??aaaaaa?ceeeeiiii?nooooo??uuuuy?yAaAaAaCcCc"
                                         "CcCcDd??EeEeEeEeEeGgGgGgGgHh??IiIiIiIiI???JjKk?LlLlLl????NnNnNn???OoOoOo??"
                                         "RrRrRrSsSsSsSsTtTt??UuUuUuUuUuUuWwYyYZzZzZz?";

} // namespace

// Latin letters become their base letters, European quotes the Japanese
// brackets of their shape, dashes a hyphen-minus, the marks their usual
// spelling; Japanese text knows ・ for a bullet.
std::optional<std::string> transliteration(char32_t code)
{
    static const std::map<char32_t, std::string> table {
        { 0x00C6, "AE" },
        { 0x00D0, "D" },
        { 0x00D8, "O" },
        { 0x00DE, "Th" },
        { 0x00DF, "ss" },
        { 0x00E6, "ae" },
        { 0x00F0, "d" },
        { 0x00F8, "o" },
        { 0x00FE, "th" },
        { 0x0110, "D" },
        { 0x0111, "d" },
        { 0x0126, "H" },
        { 0x0127, "h" },
        { 0x0131, "i" },
        { 0x0132, "IJ" },
        { 0x0133, "ij" },
        { 0x0138, "k" },
        { 0x013F, "L" },
        { 0x0140, "l" },
        { 0x0141, "L" },
        { 0x0142, "l" },
        { 0x0149, "'n" },
        { 0x014A, "N" },
        { 0x014B, "n" },
        { 0x0152, "OE" },
        { 0x0153, "oe" },
        { 0x0166, "T" },
        { 0x0167, "t" },
        { 0x017F, "s" },
        { 0x00AB, "《" },
        { 0x00BB, "》" },
        { 0x2039, "〈" },
        { 0x203A, "〉" },
        { 0x2011, "-" },
        { 0x2012, "-" },
        { 0x2013, "-" },
        { 0x00AD, "" },
        { 0x22EF, "…" },
        { 0x2022, "・" },
        { 0x00B7, "・" },
        { 0x2027, "・" },
        { 0x00A9, "(C)" },
        { 0x00AE, "(R)" },
        { 0x2122, "(TM)" },
        { 0x00A0, " " },
        { 0x20AC, "EUR" },
    };
    if (const auto found = table.find(code); found != table.end())
        return found->second;
    if (code >= 0xC0 && code <= 0x17F && kLatinBases[code - 0xC0] != '?')
        return std::string(1, kLatinBases[code - 0xC0]);
    return std::nullopt;
}

std::optional<std::string_view> oneWayCharacter(char32_t code)
{
    switch (code) {
    case 0x301C:
        return "～ (U+FF5E)";
    case 0x2212:
        return "－ (U+FF0D)";
    case 0x2016:
        return "∥ (U+2225)";
    case 0x2014:
        return "― (U+2015)";
    case 0x00A2:
        return "￠ (U+FFE0)";
    case 0x00A3:
        return "￡ (U+FFE1)";
    case 0x00AC:
        return "￢ (U+FFE2)";
    case 0x00A5:
        return "\\ (U+005C)";
    default:
        return std::nullopt;
    }
}

} // namespace tarvo::pad
