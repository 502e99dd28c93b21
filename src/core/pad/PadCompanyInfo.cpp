// Company_Info: the author, third choice after the settings and the window's
// remembered author.

#include "core/pad/PadMapper.h"

#include "core/text/Cp932.h"
#include "core/text/Utf8.h"

#include <algorithm>

namespace tarvo::pad {

namespace {

bool holdsJapanese(std::string_view utf8)
{
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = std::max<std::size_t>(1, utf8CharacterLength(utf8, at));
        // Three-byte UTF-8 from U+3000 on: kana, kanji and their punctuation.
        if (length == 3 && static_cast<unsigned char>(utf8[at]) >= 0xE3)
            return true;
        if (length == 4)
            return true;
        at += length;
    }
    return false;
}

} // namespace

// Author_First_Name, Author_Last_Name → authorId: family name first for a
// Japanese name, as it is written.
void Mapper::mapCompanyInfo()
{
    constexpr std::string_view source = "Company_Info/Contact_Info";
    constexpr std::string_view firstPath = "Company_Info/Contact_Info/Author_First_Name";
    constexpr std::string_view lastPath = "Company_Info/Contact_Info/Author_Last_Name";
    const std::string first = single("authorId", firstPath);
    const std::string last = single("authorId", lastPath);
    if (m_options.rememberedAuthor && !m_options.rememberedAuthor->empty()) {
        set("authorId", utf8FromCp932(*m_options.rememberedAuthor), "setting.dat");
        add(Level::Info, "authorId", "setting.dat", "作者名はウィンドウが覚えているものにしました。");
        return;
    }
    const std::string between = last.empty() || first.empty() ? "" : " ";
    const std::string name = holdsJapanese(first + last) ? last + between + first : first + between + last;
    if (name.empty()) {
        add(Level::Warning, "authorId", source, "作者名がありません。プレビューで必要です。", { { "authorId", "" } });
        return;
    }
    // A guessed value never makes the import fail.
    if (!isRepresentableInCp932(name)) {
        add(Level::Warning, "authorId", source, "作者名「" + name + "」は Shift-JIS で表せないため使いません。",
            { { "authorId", "" } });
        return;
    }
    set("authorId", name, source);
    use(firstPath);
    use(lastPath);
    add(Level::Info, "authorId", source, "作者名を PAD の名前から作りました。作者登録番号（PA……）がお勧めです。");
}

} // namespace tarvo::pad
