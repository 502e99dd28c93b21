// Program_Descriptions: the headline and the description, from the language
// blocks in the order the author is served best.

#include "core/pad/PadMapper.h"

#include <cctype>
#include <set>

namespace tarvo::pad {

namespace {

constexpr std::string_view kBlocks = "Program_Descriptions/";

bool looksLikeHtml(std::string_view text)
{
    // Only a '>' after the last '<' that opens a name counts, so each is looked for once.
    const std::size_t lastClose = text.rfind('>');
    if (lastClose == std::string_view::npos)
        return false;
    for (std::size_t at = text.find('<'); at < lastClose; at = text.find('<', at + 1)) {
        const std::size_t next = at + (at + 1 < text.size() && text[at + 1] == '/' ? 2 : 1);
        if (next < lastClose && std::isalpha(static_cast<unsigned char>(text[next])))
            return true;
    }
    return false;
}

// The file's block of that name, compared without case ("japanese" is Japanese).
std::string_view blockNamed(const PadDocument& document, std::string_view name)
{
    const std::string wanted = lowerAscii(name);
    for (const std::string& block : document.descriptionLanguages) {
        if (lowerAscii(block) == wanted)
            return block;
    }
    return {};
}

} // namespace

// The one block asked for; else Japanese, English, then the rest in file
// order. Only blocks that hold some text count, found in one pass, so that a
// file of many empty blocks costs no more than its size.
std::vector<std::string_view> Mapper::languages() const
{
    // Ordered sets: no crafted set of names can make their lookups slow.
    std::set<std::string_view> filled;
    for (const auto& [path, text] : m_doc.values) {
        if (path.starts_with(kBlocks) && !trimmed(text).empty()) {
            const std::string_view rest = std::string_view(path).substr(kBlocks.size());
            filled.insert(rest.substr(0, rest.find('/')));
        }
    }
    std::vector<std::string_view> order;
    std::set<std::string_view> taken;
    const auto take = [&](std::string_view block) {
        if (!block.empty() && filled.contains(block) && taken.insert(block).second)
            order.push_back(block);
    };
    if (!m_options.language.empty()) {
        take(blockNamed(m_doc, m_options.language));
        return order;
    }
    take(blockNamed(m_doc, "Japanese"));
    take(blockNamed(m_doc, "English"));
    for (const std::string& block : m_doc.descriptionLanguages)
        take(block);
    return order;
}

// The first language that has one of the elements; a language beats a longer
// text. A fall-back (a headline from a description, or the other way round)
// is told.
bool Mapper::describe(std::string_view field, std::initializer_list<std::string_view> names, bool asFallBack)
{
    for (const std::string_view language : m_languages) {
        for (const std::string_view name : names) {
            const std::string path = std::string(kBlocks) + std::string(language) + "/" + std::string(name);
            if (trimmed(value(path)).empty())
                continue;
            if (field == "description")
                set(field, joinedLines(paragraphs(path)), path);
            else
                set(field, single(field, path), path);
            if (lowerAscii(language) != "japanese")
                add(Level::Info, field, path, std::string(language) + " の説明から取りました。");
            if (asFallBack)
                add(Level::Info, field, path,
                    field == "description" ? "内容説明に当たる長い説明がないため、短い説明を使いました。"
                                           : "1行見出しに当たる短い説明がないため、長い説明を使いました。");
            if (looksLikeHtml(text(field)))
                add(Level::Warning, field, path, "HTML のタグのような文字列があります。登録の本文にはそのまま出ます。");
            return true;
        }
    }
    return false;
}

// Char_Desc_80 (else 45) → headline; the longest description → description.
// When the file has only one kind, it serves both.
void Mapper::mapDescriptions()
{
    m_languages = languages();
    if (!describe("headline", { "Char_Desc_80" }, false) && !describe("headline", { "Char_Desc_45" }, false))
        describe("headline", { "Char_Desc_250", "Char_Desc_450", "Char_Desc_2000" }, true);
    if (!describe("description", { "Char_Desc_2000", "Char_Desc_450", "Char_Desc_250" }, false))
        describe("description", { "Char_Desc_80", "Char_Desc_45" }, true);
}

} // namespace tarvo::pad

namespace tarvo {

std::optional<PadDiagnostic> missingLanguage(const PadDocument& document, std::string_view language)
{
    if (language.empty() || !pad::blockNamed(document, language).empty())
        return std::nullopt;
    std::string blocks;
    // The reader names each block once.
    for (const std::string& block : document.descriptionLanguages)
        blocks += (blocks.empty() ? "" : "、") + block;
    PadDiagnostic finding { PadDiagnostic::Level::Error, "description", "Program_Descriptions",
        "説明の言語「" + std::string(language) + "」はこのファイルにありません。"
            + (blocks.empty() ? std::string("説明の言語は一つもありません。") : "あるのは " + blocks + " です。") };
    finding.kind = PadDiagnostic::Kind::MissingLanguage;
    finding.value = language;
    return finding;
}

} // namespace tarvo
