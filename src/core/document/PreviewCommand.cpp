#include "core/document/PreviewCommand.h"

#include "core/document/DocumentTexts.h"
#include "core/entry/EntryLists.h"
#include "core/entry/FollowUpRules.h"
#include "core/errors/RuntimeError.h"
#include "core/fees/FeeRange.h"
#include "core/format/BackupRecord.h"

namespace tarvo {

namespace {

// Appends the lines of the registration text, each followed by CR LF.
class DocumentWriter {
public:
    explicit DocumentWriter(std::string& text)
        : m_text(text)
    {
    }

    void line(std::string_view content)
    {
        m_text += content;
        m_text += kCrLf;
    }
    void lineIfNotEmpty(std::string_view content)
    {
        if (!content.empty())
            line(content);
    }
    void emptyLine() { m_text += kCrLf; }
    void section(std::string_view header, std::string_view value)
    {
        line(header);
        line(value);
        emptyLine();
    }
    void optionalSection(std::string_view header, std::string_view value)
    {
        line(header);
        lineIfNotEmpty(value);
        emptyLine();
    }
    // The section of a lines field. Lines that end in CR LF are copied in runs,
    // break included; only a lone CR or LF, or a missing final break, ends a run.
    void linesSection(std::string_view header, const LinesText& field)
    {
        line(header);
        const std::string_view text = field.text();
        const char* const end = text.data() + text.size();
        const char* run = text.data();
        field.forEachLine([&](std::string_view each) {
            const char* const after = each.data() + each.size();
            if (end - after >= 2 && after[0] == '\r' && after[1] == '\n')
                return;
            m_text.append(run, after);
            m_text += kCrLf;
            run = after == end ? end : after + 1;
        });
        m_text.append(run, end);
        emptyLine();
    }

private:
    std::string& m_text;
};

std::string operatingSystemLine(const RegistrationEntry& entry)
{
    const auto& texts = documentTexts();
    const auto& captions = entryLists().operatingSystems;
    std::string line;
    auto append = [&](std::string_view part) {
        if (!line.empty())
            line += texts.operatingSystemSeparator;
        line += part;
    };
    for (size_t i = 0; i < captions.size(); ++i) {
        if (entry.supportedOs[i])
            append(captions[i]);
    }
    if (!entry.otherOs.empty())
        append(entry.otherOs.str());
    return line;
}

std::string_view itemOf(const auto& items, int index)
{
    return items.at(static_cast<size_t>(index));
}

class PreviewRun {
public:
    PreviewRun(const RegistrationEntry& entry, BackupText backupText)
        : m_entry(entry)
        , m_backupText(backupText)
        , m_texts(documentTexts())
        , m_out(m_outcome.previewText)
    {
    }

    PreviewOutcome run()
    {
        if (missingRequiredField())
            return refuse(kMissingRequiredMessage);
        DocumentClass documentClass;
        try {
            documentClass = m_entry.handlingKind.documentClass();
        } catch (const RuntimeError& failure) {
            return fail(failure);
        }

        m_outcome.previewRebuilt = true;
        reserveOutput();
        writeCommonSection();
        return complete(documentClass);
    }

private:
    bool missingRequiredField() const
    {
        return m_entry.authorId.empty() || m_entry.softwareName.empty() || m_entry.archiveFileName.empty()
            || m_entry.handling.empty();
    }

    void reserveOutput()
    {
        const size_t fields = m_entry.description.text().size() + m_entry.notes.text().size()
            + m_entry.sharewareConditions.text().size();
        m_outcome.previewText.reserve(fields + fields / 8 + 4096);
    }

    const LinesText& notes() const { return m_outcome.filledNotes ? *m_outcome.filledNotes : m_entry.notes; }

    void writeCommonSection()
    {
        const auto& e = m_entry;
        const auto& lists = entryLists();
        m_out.line(m_texts.formTitle);
        m_out.emptyLine();
        m_out.section(m_texts.authorHeader, e.authorId.str());
        m_out.section(m_texts.submissionKindHeader, itemOf(lists.submissionKinds, e.submissionKind));
        m_out.line(m_texts.originalLibraryNumberHeader);
        if (asksForOriginalLibraryNumber(e.submissionKind))
            m_out.line(e.originalLibraryNumber.str());
        m_out.emptyLine();
        m_out.section(m_texts.softwareNameHeader, e.softwareName.str());
        m_out.optionalSection(m_texts.headlineHeader, e.headline.str());
        m_out.linesSection(m_texts.descriptionHeader, e.description);
        m_out.section(m_texts.archiveFileNameHeader, e.archiveFileName.str());
        m_out.optionalSection(m_texts.publicationFileNameHeader, e.publicationFileName.str());
        m_out.optionalSection(m_texts.versionHeader, e.version.str());
        m_out.optionalSection(m_texts.machineHeader, e.machine.str());
        m_out.optionalSection(m_texts.operatingSystemsHeader, operatingSystemLine(e));
        m_out.optionalSection(m_texts.requiredSoftwareHeader, e.requiredSoftware.str());
        m_out.section(m_texts.handlingHeader, e.handling.str());
        m_out.optionalSection(m_texts.directoryHeader,
            hasListingDirectory(e) ? e.category.str() + m_texts.directoryArrow + e.subcategory.str() : std::string());
        writeFileLocation();
        writePermission(m_texts.printPermissionHeader, e.printPermission, e.printRefusalReason);
        writePermission(m_texts.webPermissionHeader, e.webPermission, e.webRefusalReason);

        if (e.notes.firstLineEmpty()) {
            std::string filled;
            filled.reserve(m_texts.notesFiller.size() + e.notes.text().size());
            filled += m_texts.notesFiller;
            filled += e.notes.text();
            m_outcome.filledNotes = LinesText(std::move(filled));
        }
        m_out.linesSection(m_texts.notesHeader, notes());
    }

    void writeFileLocation()
    {
        const auto& e = m_entry;
        std::string line(itemOf(entryLists().fileLocations, e.fileLocation));
        if (asksForFileLocationOther(e.fileLocation))
            line += m_texts.otherLocationColon + e.fileLocationOther.str();
        m_out.section(m_texts.fileLocationHeader, line);
    }

    void writePermission(const std::string& header, int permission, const SingleLineText& reason)
    {
        m_out.section(header,
            asksForRefusalReason(permission) ? m_texts.permissionRefused + reason.str() : m_texts.permissionGiven);
    }

    PreviewOutcome complete(DocumentClass documentClass)
    {
        const auto& fee = m_entry.sharewareFee;
        if (documentClass == DocumentClass::NoSharewareSection)
            return succeed(BackupSections::CommonOnly);
        if (fee.empty() && documentClass != DocumentClass::SharewareRequired)
            return succeed(BackupSections::CommonOnly);
        const ParsedFee parsed = parseFee(fee.str(), kMissingFeeMessage, kFeeOutOfRangeInPreviewMessage);
        if (!parsed.fee)
            return end(parsed.outcome);

        writeSharewareSectionUpToPostal();
        if (m_entry.registeredProductNumber.empty())
            return refuse(kMissingProductNumberMessage);
        writeSharewareSectionRest();
        return succeed(BackupSections::CommonAndShareware);
    }

    void writeSharewareSectionUpToPostal()
    {
        const auto& e = m_entry;
        m_out.line(m_texts.sharewareSeparator);
        m_out.emptyLine();
        m_out.section(m_texts.feeHeader, e.sharewareFee.str() + m_texts.yen);
        m_out.linesSection(m_texts.conditionsHeader, e.sharewareConditions);
        m_out.optionalSection(m_texts.bankHeader, e.bankRemittance.str());
        m_out.optionalSection(m_texts.postalHeader, e.postalRemittance.str());
    }

    void writeSharewareSectionRest()
    {
        const auto& e = m_entry;
        m_out.section(m_texts.productNumberHeader, e.registeredProductNumber.str());
        m_out.optionalSection(m_texts.niftyHeader, e.niftyRemittance.str());
        m_out.optionalSection(m_texts.otherRemittanceHeader, e.otherRemittance.str());
    }

    // The backup holds the entry as the document saw it, Notes filled in.
    PreviewOutcome succeed(BackupSections sections)
    {
        m_outcome.outcome = Outcome::success(std::string(kPreviewSuccessMessage));
        if (m_backupText == BackupText::Made)
            m_outcome.backupText = backupRecordOf(m_entry, sections, notes());
        return std::move(m_outcome);
    }

    PreviewOutcome refuse(std::string_view message) { return end(Outcome::refused(std::string(message))); }

    PreviewOutcome fail(const RuntimeError& failure) { return end(Outcome::failed(failure)); }

    PreviewOutcome end(Outcome outcome)
    {
        m_outcome.outcome = std::move(outcome);
        return std::move(m_outcome);
    }

    const RegistrationEntry& m_entry;
    const BackupText m_backupText;
    const DocumentTexts& m_texts;
    PreviewOutcome m_outcome;
    DocumentWriter m_out;
};

} // namespace

PreviewOutcome runPreviewCommand(const RegistrationEntry& entry, BackupText backupText)
{
    return PreviewRun(entry, backupText).run();
}

} // namespace tarvo
