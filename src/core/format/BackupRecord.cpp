#include "core/format/BackupRecord.h"

#include "core/entry/EntryLists.h"
#include "core/entry/FollowUpRules.h"
#include "core/errors/RuntimeError.h"
#include "core/fees/FeeFilter.h"
#include "core/format/BackupLineQueue.h"
#include "core/text/Cp932.h"
#include "core/text/Lines.h"

#include <algorithm>
#include <vector>

namespace tarvo {

namespace {

constexpr char kValuePrefix = '#';
constexpr char kTextPrefix = '@';

// Appends the record's lines, each followed by CR LF.
class RecordWriter {
public:
    explicit RecordWriter(std::string& record)
        : m_record(record)
    {
    }

    void value(std::string_view value) { valueOfTwo(value, {}); }
    // One value line holding two fields side by side, as rows 11 and 16 to 18 do.
    void valueOfTwo(std::string_view first, std::string_view second)
    {
        m_record += kValuePrefix;
        m_record += first;
        m_record += second;
        m_record += kCrLf;
    }
    void textLines(const LinesText& field)
    {
        field.forEachLine([this](std::string_view line) {
            m_record += kTextPrefix;
            m_record += line;
            m_record += kCrLf;
        });
    }

private:
    std::string& m_record;
};

std::string operatingSystemFlags(const RegistrationEntry& entry)
{
    std::string flags;
    for (const bool on : entry.supportedOs)
        flags += on ? '1' : '0';
    return flags;
}

std::string_view textIf(bool written, const SingleLineText& text)
{
    return written ? std::string_view(text.str()) : std::string_view();
}

void writePermission(RecordWriter& out, int permission, const SingleLineText& reason)
{
    const bool refused = asksForRefusalReason(permission);
    out.valueOfTwo(refused ? "1" : "0", textIf(refused, reason));
}

void writeCommonSection(RecordWriter& out, const RegistrationEntry& e, const LinesText& notes)
{
    out.value(e.authorId.str());
    out.value(std::to_string(e.submissionKind));
    out.value(e.originalLibraryNumber.str());
    out.value(e.softwareName.str());
    out.value(e.headline.str());
    out.textLines(e.description);
    out.value(e.archiveFileName.str());
    out.value(e.publicationFileName.str());
    out.value(e.version.str());
    out.value(e.machine.str());
    out.valueOfTwo(operatingSystemFlags(e), e.otherOs.str());
    out.value(e.requiredSoftware.str());
    out.value(e.handling.str());
    const bool listed = hasListingDirectory(e);
    out.value(textIf(listed, e.category));
    out.value(textIf(listed, e.subcategory));
    out.valueOfTwo(
        std::to_string(e.fileLocation), textIf(asksForFileLocationOther(e.fileLocation), e.fileLocationOther));
    writePermission(out, e.printPermission, e.printRefusalReason);
    writePermission(out, e.webPermission, e.webRefusalReason);
    out.textLines(notes);
}

void writeSharewareSection(RecordWriter& out, const RegistrationEntry& e)
{
    out.value(e.sharewareFee.str());
    out.textLines(e.sharewareConditions);
    out.value(e.bankRemittance.str());
    out.value(e.postalRemittance.str());
    out.value(e.registeredProductNumber.str());
    out.value(e.niftyRemittance.str());
    out.value(e.otherRemittance.str());
}

// Byte positions below count from 0, so the byte after the prefix is at 1.
constexpr std::size_t kValueStart = 1;
constexpr std::size_t kIndexByte = 1;
constexpr std::size_t kFlagsStart = 1;
constexpr std::size_t kTextAfterDigit = 2;

// Fills an entry from the queue in the fixed row order. The record holds no
// names or counts: single values are found by position alone, and only the
// lines fields are delimited, by the "@" of their lines. Every step reads inside
// its line; a byte the line does not hold counts as absent.
class RestoreRun {
public:
    RestoreRun(std::string_view fileBytes, RegistrationEntry& entry)
        : m_queue(fileBytes)
        , m_entry(entry)
    {
    }

    RestoreReport run()
    {
        restoreCommonSection();
        // An empty line after the Notes: the file holds no shareware section, and
        // the shareware fields keep what they held.
        if (!m_queue.peek().empty()) {
            m_report.sharewareSectionRead = true;
            restoreSharewareSection();
        }
        return m_report;
    }

private:
    void restoreCommonSection()
    {
        auto& e = m_entry;
        e.authorId = value();
        e.submissionKind = index(entryLists().submissionKinds.size());
        e.visibility.originalLibraryNumber = asksForOriginalLibraryNumber(e.submissionKind);
        e.originalLibraryNumber = value();
        m_queue.take(); // the name inside the file: the file's own name counts
        e.headline = value();
        e.description = gatheredLines();
        e.archiveFileName = value();
        e.publicationFileName = value();
        e.version = value();
        e.machine = value();
        restoreOperatingSystems();
        e.requiredSoftware = value();
        e.changeHandling(value());
        e.category = value();
        e.subcategory = value();
        restoreFileLocation();
        restorePermission(e.printPermission, e.printRefusalReason, e.visibility.printRefusalReason);
        restorePermission(e.webPermission, e.webRefusalReason, e.visibility.webRefusalReason);
        e.notes = gatheredLines();
    }

    void restoreSharewareSection()
    {
        auto& e = m_entry;
        // Setting the fee runs the field's digit filter, as any change of it does.
        const FeeFilterResult filtered = filterFeeText(value());
        e.sharewareFee = filtered.text;
        m_report.feeFilterMessages = filtered.messageCount;
        e.sharewareConditions = gatheredLines();
        e.bankRemittance = value();
        e.postalRemittance = value();
        e.registeredProductNumber = value();
        e.niftyRemittance = value();
        e.otherRemittance = value();
    }

    void restoreOperatingSystems()
    {
        const std::string_view line = m_queue.take();
        for (std::size_t i = 0; i < m_entry.supportedOs.size(); ++i) {
            const std::size_t at = kFlagsStart + i;
            m_entry.supportedOs[i] = at < line.size() && line[at] != '0';
        }
        const std::size_t otherStart = kFlagsStart + m_entry.supportedOs.size();
        m_entry.otherOs = otherStart < line.size() ? line.substr(otherStart) : std::string_view();
    }

    void restoreFileLocation()
    {
        const std::string_view line = m_queue.peek();
        m_entry.fileLocation = index(entryLists().fileLocations.size());
        // Text after the digit shows the free-text field, whatever the index; a
        // hidden field keeps the text it had.
        const bool other = line.size() > kTextAfterDigit;
        if (other)
            m_entry.fileLocationOther = line.substr(kTextAfterDigit);
        m_entry.visibility.fileLocationOther = other;
    }

    void restorePermission(int& permission, SingleLineText& reason, bool& reasonShown)
    {
        const std::string_view line = m_queue.take();
        // Only the exact line the writer puts there means "given".
        const bool given = line == "#0";
        permission = given ? kPermissionGiven : kPermissionRefused;
        reasonShown = asksForRefusalReason(permission);
        if (!given)
            reason = line.size() > kTextAfterDigit ? line.substr(kTextAfterDigit) : std::string_view();
    }

    std::string_view value()
    {
        const std::string_view line = m_queue.take();
        return line.size() > kValueStart ? line.substr(kValueStart) : std::string_view();
    }

    // Byte 2 alone as a one-digit number; beyond the list it selects the last item.
    // A line too short to hold the byte selects the first item.
    int index(std::size_t itemCount)
    {
        const std::string_view line = m_queue.take();
        if (line.size() <= kIndexByte)
            return 0;
        const char digit = line[kIndexByte];
        if (digit < '0' || digit > '9')
            throw RuntimeError::notAnInteger(utf8FromCp932(std::string_view(&digit, 1)));
        return std::min(digit - '0', static_cast<int>(itemCount) - 1);
    }

    // The author's hard lines, each followed by a line break; the first line that
    // is empty or lacks the "@" stays in the queue for the next step.
    std::string gatheredLines()
    {
        // Measured first, so that a megabyte field is copied once, not regrown.
        m_gathered.clear();
        size_t size = 0;
        for (std::string_view line = m_queue.peek(); !line.empty() && line.front() == kTextPrefix;
             line = m_queue.peek()) {
            m_gathered.push_back(line.substr(1));
            size += line.size() - 1 + kCrLf.size();
            m_queue.take();
        }
        std::string text;
        text.reserve(size);
        for (const std::string_view line : m_gathered) {
            text += line;
            text += kCrLf;
        }
        return text;
    }

    BackupLineQueue m_queue;
    std::vector<std::string_view> m_gathered;
    RegistrationEntry& m_entry;
    RestoreReport m_report;
};

} // namespace

std::string backupRecordOf(const RegistrationEntry& entry, BackupSections sections)
{
    return backupRecordOf(entry, sections, entry.notes);
}

std::string backupRecordOf(const RegistrationEntry& entry, BackupSections sections, const LinesText& notes)
{
    std::string record;
    const size_t fields
        = entry.description.text().size() + notes.text().size() + entry.sharewareConditions.text().size();
    record.reserve(fields + fields / 8 + 2048);
    RecordWriter out(record);
    writeCommonSection(out, entry, notes);
    if (sections == BackupSections::CommonAndShareware)
        writeSharewareSection(out, entry);
    return record;
}

RestoreReport restoreBackup(std::string_view fileBytes, RegistrationEntry& entry)
{
    return RestoreRun(fileBytes, entry).run();
}

} // namespace tarvo
