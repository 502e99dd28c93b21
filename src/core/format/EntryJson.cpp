#include "core/format/EntryJson.h"

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
        text("authorId", e.authorId);
        item("submissionKind", e.submissionKind, lists.submissionKinds);
        m_out.endObject();
        text("originalLibraryNumber", e.originalLibraryNumber);
        text("headline", e.headline);
        lines("description", e.description);
        text("archiveFileName", e.archiveFileName);
        text("publicationFileName", e.publicationFileName);
        text("version", e.version);
        text("machine", e.machine);
        m_out.key("operatingSystems");
        m_out.beginObject();
        for (std::size_t i = 0; i < e.supportedOs.size(); ++i) {
            m_out.key(lists.operatingSystems[i]);
            m_out.boolean(e.supportedOs[i]);
        }
        m_out.endObject();
        text("otherOs", e.otherOs);
        text("requiredSoftware", e.requiredSoftware);
        m_out.key("handling");
        m_out.beginObject();
        text("text", e.handling);
        m_out.key("kind");
        if (e.handlingKind.text().empty())
            m_out.null();
        else
            m_out.number(std::stoll(e.handlingKind.text()));
        m_out.endObject();
        text("category", e.category);
        text("subcategory", e.subcategory);
        item("fileLocation", e.fileLocation, lists.fileLocations);
        if (e.visibility.fileLocationOther)
            text("other", e.fileLocationOther);
        else {
            m_out.key("other");
            m_out.null();
        }
        m_out.endObject();
        permission("printPermission", e.printPermission, e.printRefusalReason);
        permission("webPermission", e.webPermission, e.webRefusalReason);
        lines("notes", e.notes);
        m_out.key("shareware");
        if (sharewareSection)
            shareware();
        else
            m_out.null();
        m_out.endObject();
    }

    void shareware()
    {
        const auto& e = m_entry;
        m_out.beginObject();
        text("fee", e.sharewareFee);
        lines("conditions", e.sharewareConditions);
        text("bankRemittance", e.bankRemittance);
        text("postalRemittance", e.postalRemittance);
        text("registeredProductNumber", e.registeredProductNumber);
        text("niftyRemittance", e.niftyRemittance);
        text("otherRemittance", e.otherRemittance);
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
