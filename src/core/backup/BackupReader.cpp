#include "backup/BackupLineQueue.h"
#include "backup/BackupStore.h"

#include "entry/EntryLists.h"
#include "fees/FeeQuote.h"
#include "text/Cp932.h"
#include "files/FileIo.h"
#include "text/Lines.h"
#include "errors/RuntimeError.h"

#include <algorithm>

namespace tarvo {

namespace {

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
        if (!m_queue.peek().empty())
            restoreSharewareSection();
        return m_report;
    }

private:
    void restoreCommonSection()
    {
        auto& e = m_entry;
        e.authorId = value();
        e.submissionKind = index(entryLists().submissionKinds.size());
        e.visibility.originalLibraryNumber = e.submissionKind != 0;
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
        e.handling = value();
        e.handlingKind.recompute(e.handling.str());
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
        const bool given = line == "#0";
        permission = given ? 0 : 1;
        reasonShown = !given;
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
        std::string text;
        for (std::string_view line = m_queue.peek(); !line.empty() && line.front() == '@'; line = m_queue.peek()) {
            text += line.substr(1);
            text += kCrLf;
            m_queue.take();
        }
        return text;
    }

    BackupLineQueue m_queue;
    RegistrationEntry& m_entry;
    RestoreReport m_report;
};

} // namespace

RestoreReport restoreBackup(std::string_view fileBytes, RegistrationEntry& entry)
{
    return RestoreRun(fileBytes, entry).run();
}

RestoreReport restoreBackupFile(const std::filesystem::path& file, RegistrationEntry& entry)
{
    const std::string bytes = readWholeFile(file);
    return restoreBackup(bytes, entry);
}

} // namespace tarvo
