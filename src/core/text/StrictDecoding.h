#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvo {

// The encodings other than UTF-8 that PAD files come in. Each decodes as glibc's
// iconv decodes it (US-ASCII, ISO-8859-1, CP1252, CP932, EUC-JP-MS, UTF-16,
// UTF-16LE, UTF-16BE), through tables made from iconv when the program is
// built, so that every platform reads a file alike.
enum class SourceEncoding { UsAscii, Latin1, Windows1252, Cp932, EucJpMs, Utf16, Utf16Le, Utf16Be };

struct StrictDecoding {
    static constexpr std::size_t kComplete = std::string_view::npos;

    std::string utf8; // everything before `stop`
    // The offset of the first character that is not one of the encoding, or
    // kComplete.
    std::size_t stop = kComplete;
    bool cutShort = false; // the bytes end inside the character at `stop`
};

// Decodes strictly: nothing is replaced or skipped, the first byte sequence
// that is no character stops the decoding. UTF-16 takes a leading byte-order
// mark as its byte order and drops it, and without one is little-endian;
// UTF-16LE and UTF-16BE keep a mark as U+FEFF.
StrictDecoding decodeStrictly(std::string_view bytes, SourceEncoding encoding);

} // namespace tarvo
