// Writes the CP932 conversion tables that text/Cp932.cpp converts through, as
// glibc's iconv converts "CP932" on the machine that builds. It runs on the
// build host only, so a cross build converts exactly as a native Linux one.
//
//   make_cp932_tables OUTPUT

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iconv.h>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t kLead = 0xFFFE;
constexpr std::uint16_t kNone = 0xFFFF;

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "make_cp932_tables: %s\n", why.c_str());
    std::exit(1);
}

enum class Result { Converted, Invalid, Incomplete };

// Converts all of `input`, or reports why not.
Result convert(iconv_t handle, const std::string& input, std::string& output)
{
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    char buffer[64];
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    if (iconv(handle, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1))
        return errno == EINVAL ? Result::Incomplete : Result::Invalid;
    output.assign(buffer, static_cast<size_t>(out - buffer));
    return Result::Converted;
}

std::uint32_t singleCodePoint(const std::string& utf32)
{
    if (utf32.size() != 4)
        fail("one CP932 character decodes to more than one code point");
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(utf32[static_cast<size_t>(i)]);
    if (value >= kLead)
        fail("a CP932 character decodes beyond U+FFFD");
    return value;
}

std::string utf8Of(std::uint32_t cp)
{
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

// A table of one row is written as a plain array.
void writeArray(std::ofstream& out, const char* name, const std::vector<std::uint16_t>& values)
{
    const size_t rows = values.size() / 256;
    out << "inline constexpr std::uint16_t " << name;
    if (rows > 1)
        out << "[" << rows << "]";
    out << "[256] = {\n";
    for (size_t row = 0; row < rows; ++row) {
        out << (rows > 1 ? "{" : "");
        for (size_t i = 0; i < 256; ++i)
            out << values[row * 256 + i] << ',';
        out << (rows > 1 ? "},\n" : "\n");
    }
    out << "};\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        fail("usage: make_cp932_tables OUTPUT");
    const iconv_t decoder = iconv_open("UTF-32LE", "CP932");
    const iconv_t encoder = iconv_open("CP932", "UTF-8");
    if (decoder == reinterpret_cast<iconv_t>(-1) || encoder == reinterpret_cast<iconv_t>(-1))
        fail("iconv cannot convert CP932");

    // Decoding: every single byte, then every pair after a byte that iconv
    // reads as the start of a longer character.
    std::vector<std::uint16_t> single(256, kNone);
    std::vector<std::uint16_t> leadRow(256, 0);
    std::vector<std::uint16_t> pairs;
    std::string utf32;
    for (int lead = 0; lead < 256; ++lead) {
        const std::string one(1, static_cast<char>(lead));
        const Result result = convert(decoder, one, utf32);
        if (result == Result::Converted) {
            single[static_cast<size_t>(lead)] = static_cast<std::uint16_t>(singleCodePoint(utf32));
            continue;
        }
        if (result == Result::Invalid)
            continue;
        single[static_cast<size_t>(lead)] = kLead;
        leadRow[static_cast<size_t>(lead)] = static_cast<std::uint16_t>(pairs.size() / 256);
        for (int trail = 0; trail < 256; ++trail) {
            const std::string two { static_cast<char>(lead), static_cast<char>(trail) };
            const Result pair = convert(decoder, two, utf32);
            if (pair == Result::Incomplete)
                fail("a CP932 character longer than two bytes");
            pairs.push_back(pair == Result::Converted ? static_cast<std::uint16_t>(singleCodePoint(utf32)) : kNone);
        }
    }

    // Encoding: every BMP code point but the surrogates, in blocks of 256; block
    // 0 holds nothing, for the blocks without a single CP932 character.
    std::vector<std::uint16_t> blocks(256, kNone);
    std::vector<std::uint16_t> blockOf(256, 0);
    std::string cp932;
    for (std::uint32_t high = 0; high < 256; ++high) {
        std::vector<std::uint16_t> block(256, kNone);
        bool any = false;
        for (std::uint32_t low = 0; low < 256; ++low) {
            const std::uint32_t cp = (high << 8) | low;
            if (cp >= 0xD800 && cp <= 0xDFFF)
                continue;
            if (convert(encoder, utf8Of(cp), cp932) != Result::Converted)
                continue;
            if (cp932.empty() || cp932.size() > 2)
                fail("a character encodes to neither one nor two CP932 bytes");
            std::uint16_t code = static_cast<unsigned char>(cp932[0]);
            if (cp932.size() == 2)
                code = static_cast<std::uint16_t>((code << 8) | static_cast<unsigned char>(cp932[1]));
            block[low] = code;
            any = true;
        }
        if (!any)
            continue;
        blockOf[high] = static_cast<std::uint16_t>(blocks.size() / 256);
        blocks.insert(blocks.end(), block.begin(), block.end());
    }
    iconv_close(decoder);
    iconv_close(encoder);
    // The converters copy runs of ASCII as they are.
    for (std::uint16_t ascii = 0; ascii < 0x80; ++ascii) {
        if (single[ascii] != ascii || blocks[256 * blockOf[0] + ascii] != ascii)
            fail("CP932 does not keep ASCII as it is");
    }

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << "// Generated by make_cp932_tables from iconv \"CP932\"; do not edit.\n";
    out << "#pragma once\n#include <cstdint>\nnamespace tarvo::cp932_tables {\n";
    out << "inline constexpr std::uint16_t kLead = " << kLead << ";\n";
    out << "inline constexpr std::uint16_t kNone = " << kNone << ";\n";
    writeArray(out, "kSingle", single);
    writeArray(out, "kLeadRow", leadRow);
    writeArray(out, "kPairs", pairs);
    writeArray(out, "kBlockOf", blockOf);
    writeArray(out, "kBlocks", blocks);
    out << "} // namespace tarvo::cp932_tables\n";
    out.close();
    if (!out)
        fail(std::string("cannot write ") + argv[1]);
    return 0;
}
