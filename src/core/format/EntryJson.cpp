#include "core/format/EntryJson.h"

#include "core/entry/EntryFields.h"
#include "core/entry/EntryLists.h"
#include "core/errors/RuntimeError.h"
#include "core/text/Cp932.h"

namespace tarvo {

namespace {

bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The field's text in UTF-8, or the failure naming the first byte that starts
// no CP932 character (counted from 1, the field's line breaks included).
std::string strictUtf8(std::string_view field, std::string_view cp932)
{
    if (isValidCp932(cp932))
        return utf8FromCp932(cp932);
    std::size_t at = 0;
    while (at < cp932.size()) {
        const std::size_t length = isLeadByte(static_cast<unsigned char>(cp932[at])) ? 2 : 1;
        if (at + length > cp932.size() || !isValidCp932(cp932.substr(at, length)))
            break;
        at += length;
    }
    throw RuntimeError(
        "項目 " + std::string(field) + " の " + std::to_string(at + 1) + " バイト目は Shift-JIS の文字ではありません");
}

class EntryJsonRun {
public:
    EntryJsonRun(JsonWriter& out, const RegistrationEntry& entry, EntryTexts texts)
        : m_out(out)
        , m_entry(entry)
        , m_texts(texts)
    {
    }

    std::string utf8(std::string_view key, std::string_view text) const
    {
        return m_texts == EntryTexts::Utf8 ? std::string(text) : strictUtf8(key, text);
    }

    void text(std::string_view key, const SingleLineText& value)
    {
        m_out.key(key);
        m_out.string(utf8(key, value.str()));
    }

    void lines(std::string_view key, const LinesText& value)
    {
        m_out.key(key);
        const std::string text = utf8(key, value.text());
        m_out.beginArray();
        forEachLine(text, [this](std::string_view line) { m_out.string(line); });
        m_out.endArray();
    }

    void item(std::string_view key, int index, const auto& items)
    {
        m_out.key(key);
        m_out.beginObject();
        m_out.key("index");
        m_out.number(index);
        m_out.key("text");
        m_out.string(utf8FromCp932(items.at(static_cast<std::size_t>(index))));
    }

    void permission(std::string_view key, int permission, const SingleLineText& reason)
    {
        m_out.key(key);
        m_out.beginObject();
        m_out.key("given");
        m_out.boolean(permission == 0);
        text("refusalReason", permission == 0 ? SingleLineText() : reason);
        m_out.endObject();
    }

    // The name the JSON object gives the field inside its object.
    static std::string_view nameOf(const EntryField& field) { return field.json.substr(field.json.rfind('.') + 1); }

    void plain(const EntryField& field)
    {
        if (field.lines)
            lines(nameOf(field), m_entry.*field.lines);
        else
            text(nameOf(field), m_entry.*field.single);
    }

    // Every field by the one table of fields, in its order; the name first, as
    // the file name gives it. The items, boxes and follow-up texts nest.
    void run(bool sharewareSection)
    {
        const auto& e = m_entry;
        const auto& lists = entryLists();
        m_out.beginObject();
        m_out.key("format");
        m_out.string("tarvo-entry");
        m_out.key("formatVersion");
        m_out.number(1);
        text("softwareName", e.softwareName);
        for (const EntryField& field : entryFields()) {
            const std::string_view key = field.key;
            if (field.section == EntrySection::Shareware)
                break;
            if (key == "softwareName" || key == "fileLocationOther" || key.ends_with("RefusalReason"))
                continue;
            if (key == "submissionKind") {
                item(key, e.submissionKind, lists.submissionKinds);
                m_out.endObject();
            } else if (key == "operatingSystems") {
                m_out.key(key);
                m_out.beginObject();
                for (std::size_t i = 0; i < e.supportedOs.size(); ++i) {
                    m_out.key(lists.operatingSystems[i]);
                    m_out.boolean(e.supportedOs[i]);
                }
                m_out.endObject();
            } else if (key == "handling")
                handling();
            else if (key == "fileLocation")
                fileLocation();
            else if (key == "printPermission")
                permission(key, e.printPermission, e.printRefusalReason);
            else if (key == "webPermission")
                permission(key, e.webPermission, e.webRefusalReason);
            else
                plain(field);
        }
        m_out.key("shareware");
        if (sharewareSection)
            shareware();
        else
            m_out.null();
        m_out.endObject();
    }

    void handling()
    {
        m_out.key("handling");
        m_out.beginObject();
        text("text", m_entry.handling);
        m_out.key("kind");
        if (m_entry.handlingKind.text().empty())
            m_out.null();
        else
            m_out.number(std::stoll(m_entry.handlingKind.text()));
        m_out.endObject();
    }

    void fileLocation()
    {
        item("fileLocation", m_entry.fileLocation, entryLists().fileLocations);
        if (m_entry.visibility.fileLocationOther)
            text("other", m_entry.fileLocationOther);
        else {
            m_out.key("other");
            m_out.null();
        }
        m_out.endObject();
    }

    void shareware()
    {
        m_out.beginObject();
        for (const EntryField& field : entryFields()) {
            if (field.section == EntrySection::Shareware)
                plain(field);
        }
        m_out.endObject();
    }

private:
    JsonWriter& m_out;
    const RegistrationEntry& m_entry;
    EntryTexts m_texts;
};

} // namespace

void writeEntryJson(JsonWriter& out, const RegistrationEntry& entry, bool sharewareSection, EntryTexts texts)
{
    EntryJsonRun(out, entry, texts).run(sharewareSection);
}

} // namespace tarvo
