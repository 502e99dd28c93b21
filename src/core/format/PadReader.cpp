#include "core/format/PadReader.h"

#include "core/files/SystemRandom.h"
#include "core/text/StrictDecoding.h"
#include "core/text/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <expat.h>
#include <memory>
#include <optional>
#include <set>

namespace tarvo {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::size_t kDeclarationSniff = 256;
constexpr std::string_view kRoot = "XML_DIZ_INFO";
constexpr std::string_view kDescriptions = "Program_Descriptions";

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

struct KnownEncoding {
    std::string_view shown; // what the report says
    std::optional<SourceEncoding> source; // none: UTF-8 itself, no conversion
};

// Every Shift_JIS name is read as CP932, the superset that also holds the NEC
// and IBM characters Japanese files carry.
std::optional<KnownEncoding> knownEncoding(std::string_view name)
{
    using enum SourceEncoding;
    static const std::array<std::pair<std::string_view, KnownEncoding>, 19> table { {
        { "utf-8", { "utf-8", std::nullopt } },
        { "utf8", { "utf-8", std::nullopt } },
        { "us-ascii", { "us-ascii", UsAscii } },
        { "ascii", { "us-ascii", UsAscii } },
        { "iso-8859-1", { "iso-8859-1", Latin1 } },
        { "iso_8859-1", { "iso-8859-1", Latin1 } },
        { "latin1", { "iso-8859-1", Latin1 } },
        { "windows-1252", { "windows-1252", Windows1252 } },
        { "cp1252", { "windows-1252", Windows1252 } },
        { "shift_jis", { "shift_jis", Cp932 } },
        { "sjis", { "shift_jis", Cp932 } },
        { "x-sjis", { "shift_jis", Cp932 } },
        { "windows-31j", { "shift_jis", Cp932 } },
        { "cp932", { "shift_jis", Cp932 } },
        { "ms_kanji", { "shift_jis", Cp932 } },
        { "euc-jp", { "euc-jp", EucJpMs } },
        { "utf-16", { "utf-16", Utf16 } },
        { "utf-16le", { "utf-16le", Utf16Le } },
        { "utf-16be", { "utf-16be", Utf16Be } },
    } };
    const std::string lower = lowerAscii(name);
    for (const auto& [key, encoding] : table) {
        if (key == lower)
            return encoding;
    }
    return std::nullopt;
}

// The encoding named by the XML declaration, read as ASCII.
std::string declaredEncoding(std::string_view bytes)
{
    const std::string_view head = bytes.substr(0, std::min(bytes.size(), kDeclarationSniff));
    if (!head.starts_with("<?xml"))
        return {};
    const std::string_view declaration = head.substr(0, head.find("?>"));
    std::size_t at = declaration.find("encoding");
    if (at == std::string_view::npos)
        return {};
    at += 8;
    while (at < declaration.size() && (declaration[at] == ' ' || declaration[at] == '\t'))
        ++at;
    if (at >= declaration.size() || declaration[at] != '=')
        return {};
    ++at;
    while (at < declaration.size() && (declaration[at] == ' ' || declaration[at] == '\t'))
        ++at;
    if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\''))
        return {};
    const char quote = declaration[at++];
    const std::size_t end = declaration.find(quote, at);
    return end == std::string_view::npos ? std::string() : std::string(declaration.substr(at, end - at));
}

std::string place(std::string_view bytes, std::size_t offset)
{
    const std::string_view before = bytes.substr(0, offset);
    const std::size_t line = static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    const std::size_t lineStart = before.rfind('\n');
    const std::size_t column = lineStart == std::string_view::npos ? offset + 1 : offset - lineStart;
    return std::to_string(line) + " 行 " + std::to_string(column) + " 桁";
}

std::string hexByte(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

constexpr std::string_view kCutShort = "ファイルが途中で切れている可能性があります。";

std::size_t firstInvalidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8CharacterLength(text, at);
        if (length == 0)
            return at;
        at += length;
    }
    return std::string_view::npos;
}

std::string checkedUtf8(std::string_view bytes)
{
    const std::size_t bad = firstInvalidUtf8(bytes);
    if (bad == std::string_view::npos)
        return std::string(bytes);
    std::string message = "UTF-8 として正しくないバイト " + hexByte(static_cast<unsigned char>(bytes[bad]))
        + " があります（" + place(bytes, bad) + "）。";
    // A character whose bytes run to the very end was cut off, not mistyped.
    if (bytes.size() - bad < 4)
        message += kCutShort;
    throw PadReadError(message);
}

// Strict: no transliteration, nothing skipped; the first byte that is not a
// character of the encoding stops the read.
std::string convertedToUtf8(std::string_view bytes, std::string_view shown, SourceEncoding source)
{
    StrictDecoding decoded = decodeStrictly(bytes, source);
    if (decoded.stop == StrictDecoding::kComplete)
        return std::move(decoded.utf8);
    std::string message = std::string(shown) + " として正しくないバイト "
        + hexByte(static_cast<unsigned char>(bytes[decoded.stop])) + " があります（" + place(bytes, decoded.stop)
        + "）。";
    if (decoded.cutShort)
        message += kCutShort;
    throw PadReadError(message);
}

struct Decoded {
    std::string encoding;
    std::string utf8;
};

// The byte order of what looks like UTF-16 without a byte-order mark: the
// markup at the start is ASCII, so a NUL stands in every other byte there (a
// Japanese character here and there has none).
std::string_view utf16ByteOrder(std::string_view bytes)
{
    const std::size_t pairs = std::min(bytes.size(), kDeclarationSniff) / 2;
    std::size_t evenNuls = 0;
    std::size_t oddNuls = 0;
    for (std::size_t pair = 0; pair < pairs; ++pair) {
        evenNuls += bytes[2 * pair] == '\0' ? 1 : 0;
        oddNuls += bytes[2 * pair + 1] == '\0' ? 1 : 0;
    }
    if (pairs >= 2 && 2 * oddNuls >= pairs && 4 * evenNuls <= oddNuls)
        return "UTF-16LE";
    if (pairs >= 2 && 2 * evenNuls >= pairs && 4 * oddNuls <= evenNuls)
        return "UTF-16BE";
    return {};
}

Decoded decode(std::string_view bytes, std::string_view inputEncoding)
{
    if (bytes.starts_with(kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    const bool utf16Bom = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    std::string name(inputEncoding);
    if (name.empty())
        name = utf16Bom ? "utf-16" : declaredEncoding(bytes);
    if (name.empty()) {
        if (const std::string_view byteOrder = utf16ByteOrder(bytes); !byteOrder.empty())
            throw PadReadError("バイト順マークのない UTF-16 のファイルのようです。", std::string(byteOrder));
        if (firstInvalidUtf8(bytes) != std::string_view::npos)
            throw PadReadError("文字コードが宣言されておらず、UTF-8 でもありません。", "windows-1252");
        name = "utf-8";
    }
    const std::optional<KnownEncoding> encoding = knownEncoding(name);
    if (!encoding)
        throw PadReadError("文字コード " + utf8ForDisplay(name) + " は扱えません。");
    // A declaration read as ASCII cannot be true of a UTF-16 file.
    if (inputEncoding.empty() && !utf16Bom && encoding->shown.starts_with("utf-16"))
        throw PadReadError("UTF-16 と宣言されていますが、ASCII と同じバイトで書かれています。", "");
    Decoded decoded { std::string(encoding->shown), {} };
    decoded.utf8 = encoding->source ? convertedToUtf8(bytes, encoding->shown, *encoding->source) : checkedUtf8(bytes);
    if (decoded.utf8.starts_with(kUtf8Bom))
        decoded.utf8.erase(0, kUtf8Bom.size());
    if (const std::size_t nul = decoded.utf8.find('\0'); nul != std::string::npos) {
        // "UTF-16" when the byte order cannot be told from the bytes.
        const std::string_view byteOrder = utf16ByteOrder(bytes);
        throw PadReadError("NUL バイトがあります（" + place(decoded.utf8, nul) + "）。"
                + (byteOrder.empty() ? "" : "バイト順マークのない UTF-16 のファイルのようです。"),
            std::string(byteOrder.empty() ? "UTF-16" : byteOrder));
    }
    return decoded;
}

// A C1 control (U+0080 to U+009F) is, in a PAD file, almost always a
// Windows-1252 quote or dash read as ISO-8859-1.
std::optional<std::size_t> firstC1Control(std::string_view utf8)
{
    for (std::size_t at = 0; at + 1 < utf8.size(); ++at) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const auto next = static_cast<unsigned char>(utf8[at + 1]);
        if (lead == 0xC2 && next >= 0x80 && next <= 0x9F)
            return at;
    }
    return std::nullopt;
}

struct XmlParserDeleter {
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

class PadParse {
public:
    explicit PadParse(std::string_view utf8)
        : m_text(utf8)
        // The converted bytes are UTF-8 whatever the document declares.
        , m_parser(XML_ParserCreate("UTF-8"))
    {
        if (!m_parser)
            throw std::bad_alloc();
        unsigned long salt = 0;
        if (!fillFromSystemRandom(&salt, sizeof salt))
            throw PadReadError("乱数を得られないため XML を読めません。");
        XML_SetHashSalt(m_parser.get(), salt);
        XML_SetParamEntityParsing(m_parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);
        XML_SetUserData(m_parser.get(), this);
        XML_SetStartDoctypeDeclHandler(
            m_parser.get(), [](void* self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
                static_cast<PadParse*>(self)->stop(
                    "文書型宣言（DOCTYPE）があるため読みません。PAD ファイルには要りません。");
            });
        XML_SetElementHandler(
            m_parser.get(),
            [](void* self, const XML_Char* name, const XML_Char**) { static_cast<PadParse*>(self)->start(name); },
            [](void* self, const XML_Char*) { static_cast<PadParse*>(self)->end(); });
        XML_SetCharacterDataHandler(m_parser.get(), [](void* self, const XML_Char* text, int length) {
            static_cast<PadParse*>(self)->characters(std::string_view(text, static_cast<std::size_t>(length)));
        });
    }

    PadDocument run(std::string encoding)
    {
        m_document.encoding = std::move(encoding);
        const XML_Status status = XML_Parse(m_parser.get(), m_text.data(), static_cast<int>(m_text.size()), XML_TRUE);
        if (!m_stopReason.empty() && m_stopEncoding)
            throw PadReadError(m_stopReason, *m_stopEncoding);
        if (!m_stopReason.empty())
            throw PadReadError(m_stopReason);
        if (status != XML_STATUS_OK) {
            const XML_Error code = XML_GetErrorCode(m_parser.get());
            std::string message = std::string("XML の誤りです: ") + XML_ErrorString(code) + "（"
                + std::to_string(XML_GetCurrentLineNumber(m_parser.get())) + " 行 "
                + std::to_string(XML_GetCurrentColumnNumber(m_parser.get()) + 1) + " 桁）。";
            const auto index = XML_GetCurrentByteIndex(m_parser.get());
            if (code == XML_ERROR_NO_ELEMENTS || code == XML_ERROR_UNCLOSED_TOKEN || code == XML_ERROR_PARTIAL_CHAR
                || index + 1 >= static_cast<XML_Index>(m_text.size()))
                message += kCutShort;
            throw PadReadError(message);
        }
        return std::move(m_document);
    }

private:
    void stop(const std::string& reason, std::optional<std::string> encoding = std::nullopt)
    {
        if (m_stopReason.empty()) {
            m_stopReason = reason;
            m_stopEncoding = std::move(encoding);
            XML_StopParser(m_parser.get(), XML_FALSE);
        }
    }

    std::string where() const
    {
        return std::to_string(XML_GetCurrentLineNumber(m_parser.get())) + " 行 "
            + std::to_string(XML_GetCurrentColumnNumber(m_parser.get()) + 1) + " 桁";
    }

    void start(std::string_view name)
    {
        if (!m_stopReason.empty())
            return;
        const std::size_t depth = m_pathEnds.size();
        if (depth >= static_cast<std::size_t>(kDeepestPadElement)) {
            stop("要素の入れ子が深すぎます（" + std::to_string(kDeepestPadElement) + " 段まで、" + where() + "）。");
            return;
        }
        if (depth == 0 && name != kRoot) {
            stop("PAD ファイルではありません: ルート要素が XML_DIZ_INFO ではなく " + std::string(name) + " です。");
            return;
        }
        if (!m_children.empty())
            m_children.back() = true;
        // The path grows and shrinks with the open elements instead of being
        // joined anew for each one.
        m_pathEnds.push_back(m_path.size());
        if (depth >= 2)
            m_path += '/';
        if (depth >= 1)
            m_path += name;
        m_texts.emplace_back();
        m_children.push_back(false);
    }

    void end()
    {
        if (!m_stopReason.empty() || m_pathEnds.empty())
            return;
        if (m_pathEnds.size() > 1) {
            if (m_children.back() && m_texts.back().find_first_not_of(" \t\r\n") != std::string::npos
                && !m_mixed.contains(m_path)) {
                m_mixed.insert(m_path);
                m_document.mixedPaths.push_back(m_path);
            }
            const std::size_t nameStart = m_pathEnds.back() + 1;
            if (m_document.addValue(m_path, std::move(m_texts.back()))) {
                // Siblings end in the order they start: the first of each block, in file order.
                if (m_pathEnds.size() == 3 && std::string_view(m_path).substr(0, m_pathEnds.back()) == kDescriptions)
                    m_document.descriptionLanguages.push_back(m_path.substr(nameStart));
            } else if (!m_repeated.contains(m_path)) {
                m_repeated.insert(m_path);
                m_document.repeatedPaths.push_back(m_path);
            }
        }
        m_path.resize(m_pathEnds.back());
        m_pathEnds.pop_back();
        m_texts.pop_back();
        m_children.pop_back();
    }

    void characters(std::string_view text)
    {
        if (!m_stopReason.empty() || m_texts.empty())
            return;
        if (const auto c1 = firstC1Control(text)) {
            char code[8];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned char>(text[*c1 + 1]));
            stop(std::string("制御文字 ") + code + " があります（" + where()
                    + "）。ISO-8859-1 と宣言された Windows-1252 のファイルによくあることです。",
                "windows-1252");
            return;
        }
        m_texts.back() += text;
    }

    std::string_view m_text;
    std::unique_ptr<XML_ParserStruct, XmlParserDeleter> m_parser;
    PadDocument m_document;
    std::string m_path; // of the open element below the root
    std::vector<std::size_t> m_pathEnds; // the path's length before each open element
    std::vector<std::string> m_texts;
    std::vector<bool> m_children; // whether each open element has a child yet
    // Ordered sets: no crafted set of names can make their lookups slow.
    std::set<std::string, std::less<>> m_repeated;
    std::set<std::string, std::less<>> m_mixed;
    std::string m_stopReason;
    std::optional<std::string> m_stopEncoding;
};

} // namespace

std::string_view PadDocument::value(std::string_view path) const
{
    const auto found = m_index.find(path);
    return found == m_index.end() ? std::string_view() : std::string_view(values[found->second].second);
}

bool PadDocument::addValue(std::string_view path, std::string text)
{
    const auto at = m_index.lower_bound(path);
    if (at != m_index.end() && at->first == path)
        return false;
    values.emplace_back(path, std::move(text));
    m_index.emplace_hint(at, values.back().first, values.size() - 1);
    return true;
}

PadDocument readPad(std::string_view fileBytes, std::string_view inputEncoding)
{
    if (fileBytes.size() > kLargestPadFile)
        throw PadReadError("ファイルが大きすぎます（PAD ファイルは 4 MiB まで）。");
    Decoded decoded = decode(fileBytes, inputEncoding);
    if (decoded.utf8.size() > static_cast<std::size_t>(INT32_MAX))
        throw PadReadError("ファイルが大きすぎます（PAD ファイルは 4 MiB まで）。");
    return PadParse(decoded.utf8).run(std::move(decoded.encoding));
}

} // namespace tarvo
