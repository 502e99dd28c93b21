#include "core/format/DraftRecord.h"

#include "core/entry/EntryLists.h"
#include "core/format/BackupLineQueue.h"
#include "core/text/Lines.h"

#include <algorithm>

namespace tarvo {

namespace {

constexpr char kValuePrefix = '#';
constexpr char kTextPrefix = '@';
constexpr std::string_view kEndLine = "=\r\n";
constexpr std::size_t kVisibilityFlags = 4;

// Every row of the backup record, but written whole: what the window shows or
// hides, and what the preview leaves out, is all kept.
class DraftWriter {
public:
    explicit DraftWriter(std::string& record)
        : m_record(record)
    {
    }

    void value(std::string_view first, std::string_view second = {})
    {
        m_record += kValuePrefix;
        m_record += first;
        m_record += second;
        m_record += kCrLf;
    }
    void choice(int index, std::string_view text = {}) { value(std::to_string(index), text); }
    // A text line for every piece between line breaks, so that a last line
    // without a break of its own, or an empty one, comes back as it was; an
    // empty field has no line.
    void text(std::string_view field)
    {
        if (field.empty())
            return;
        for (std::size_t start = 0;;) {
            const std::size_t end = findLineBreak(field, start);
            m_record += kTextPrefix;
            m_record += field.substr(start, end - start);
            m_record += kCrLf;
            if (end == field.size())
                return;
            start = end + lineBreakLength(field, end);
        }
    }

private:
    std::string& m_record;
};

char flag(bool on)
{
    return on ? '1' : '0';
}

// Reads the rows back as strictly as they were written: a row of another kind,
// a choice out of its list or a missing end line spoils the whole record.
class DraftReader {
public:
    explicit DraftReader(std::string_view fileBytes)
        : m_bytes(fileBytes)
        , m_queue(fileBytes)
    {
    }

    bool intact() const { return m_intact; }

    std::string_view value()
    {
        const std::string_view line = m_queue.take();
        if (line.empty() || line.front() != kValuePrefix) {
            m_intact = false;
            return {};
        }
        return line.substr(1);
    }
    // One digit naming an item of a list of `count`; `rest` takes what follows it.
    int choice(std::size_t count, std::string_view* rest = nullptr)
    {
        const std::string_view line = value();
        const bool valid
            = !line.empty() && line.front() >= '0' && line.front() < char('0' + count) && (rest || line.size() == 1);
        if (!valid) {
            m_intact = false;
            return 0;
        }
        if (rest)
            *rest = line.substr(1);
        return line.front() - '0';
    }
    // Flags of "0" and "1"; `rest` takes what follows them.
    template <std::size_t N> std::array<bool, N> flags(std::string_view* rest = nullptr)
    {
        const std::string_view line = value();
        std::array<bool, N> on {};
        m_intact = m_intact && line.size() >= N && (rest || line.size() == N);
        for (std::size_t i = 0; m_intact && i < N; ++i) {
            m_intact = line[i] == '0' || line[i] == '1';
            on[i] = line[i] == '1';
        }
        if (rest && m_intact)
            *rest = line.substr(N);
        return on;
    }
    std::string text()
    {
        std::string field;
        bool first = true;
        for (std::string_view line = m_queue.peek(); !line.empty() && line.front() == kTextPrefix;
             line = m_queue.peek()) {
            if (!first)
                field += kCrLf;
            first = false;
            field += line.substr(1);
            m_queue.take();
        }
        return field;
    }
    // The end line, and nothing after it.
    void end()
    {
        const std::string_view line = m_queue.take();
        m_intact = m_intact && line == kEndLine.substr(0, 1)
            && m_bytes.substr(static_cast<std::size_t>(line.data() - m_bytes.data())) == kEndLine;
    }

private:
    std::string_view m_bytes;
    BackupLineQueue m_queue;
    bool m_intact = true;
};

} // namespace

std::string draftRecordOf(const Draft& draft)
{
    const RegistrationEntry& e = draft.entry;
    std::string record;
    DraftWriter out(record);
    out.value(e.authorId.str());
    out.choice(e.submissionKind);
    out.value(e.originalLibraryNumber.str());
    out.value(e.softwareName.str());
    out.value(e.headline.str());
    out.text(e.description.text());
    out.value(e.archiveFileName.str());
    out.value(e.publicationFileName.str());
    out.value(e.version.str());
    out.value(e.machine.str());
    std::string systems;
    for (const bool on : e.supportedOs)
        systems += flag(on);
    out.value(systems, e.otherOs.str());
    out.value(e.requiredSoftware.str());
    out.value(e.handling.str());
    out.value(e.category.str());
    out.value(e.subcategory.str());
    out.choice(e.fileLocation, e.fileLocationOther.str());
    out.choice(e.printPermission, e.printRefusalReason.str());
    out.choice(e.webPermission, e.webRefusalReason.str());
    out.text(e.notes.text());
    out.value(e.sharewareFee.str());
    out.text(e.sharewareConditions.text());
    out.value(e.bankRemittance.str());
    out.value(e.postalRemittance.str());
    out.value(e.registeredProductNumber.str());
    out.value(e.niftyRemittance.str());
    out.value(e.otherRemittance.str());
    const FollowUpVisibility& shown = e.visibility;
    out.value(std::string { flag(shown.originalLibraryNumber), flag(shown.fileLocationOther),
        flag(shown.printRefusalReason), flag(shown.webRefusalReason) });
    out.value(e.handlingKind.text());
    out.text(draft.previewText);
    record += kEndLine;
    return record;
}

bool holdsOnlyTheAuthor(const Draft& draft)
{
    Draft withoutAuthor = draft;
    withoutAuthor.entry.authorId = {};
    return draftRecordOf(withoutAuthor) == draftRecordOf(Draft {});
}

std::optional<Draft> draftFromRecord(std::string_view fileBytes)
{
    const EntryLists& lists = entryLists();
    Draft draft;
    RegistrationEntry& e = draft.entry;
    DraftReader in(fileBytes);
    std::string_view rest;
    e.authorId = in.value();
    e.submissionKind = in.choice(lists.submissionKinds.size());
    e.originalLibraryNumber = in.value();
    e.softwareName = in.value();
    e.headline = in.value();
    e.description = in.text();
    e.archiveFileName = in.value();
    e.publicationFileName = in.value();
    e.version = in.value();
    e.machine = in.value();
    e.supportedOs = in.flags<6>(&rest);
    e.otherOs = rest;
    e.requiredSoftware = in.value();
    e.handling = in.value();
    e.category = in.value();
    e.subcategory = in.value();
    e.fileLocation = in.choice(lists.fileLocations.size(), &rest);
    e.fileLocationOther = rest;
    e.printPermission = in.choice(lists.permissions.size(), &rest);
    e.printRefusalReason = rest;
    e.webPermission = in.choice(lists.permissions.size(), &rest);
    e.webRefusalReason = rest;
    e.notes = in.text();
    e.sharewareFee = in.value();
    e.sharewareConditions = in.text();
    e.bankRemittance = in.value();
    e.postalRemittance = in.value();
    e.registeredProductNumber = in.value();
    e.niftyRemittance = in.value();
    e.otherRemittance = in.value();
    const auto shown = in.flags<kVisibilityFlags>();
    e.visibility = { shown[0], shown[1], shown[2], shown[3] };
    const std::string_view kind = in.value();
    if (!std::all_of(kind.begin(), kind.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    e.handlingKind.setText(std::string(kind));
    draft.previewText = in.text();
    in.end();
    if (!in.intact())
        return std::nullopt;
    return draft;
}

} // namespace tarvo
