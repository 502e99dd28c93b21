#include "document/PreviewCommand.h"

#include "document/DocumentTexts.h"
#include "entry/EntryLists.h"
#include "text/Cp932.h"
#include "errors/RuntimeError.h"
#include "text/StrictInteger.h"

namespace tarvo {

namespace {

constexpr int kLowestFee = 500;
constexpr int kHighestFee = 15000;

// Appends the registration text and the backup lines in one pass, so that both
// always visit the fields in the same order.
class DocumentWriter {
public:
    DocumentWriter(std::string& text, std::string& backup)
        : m_text(text)
        , m_backup(backup)
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
    // The section of a lines field and its backup text lines, in one pass over the
    // field. Lines that end in CR LF are copied to the text in runs, break
    // included; only a lone CR or LF, or a missing final break, ends a run.
    void linesSection(std::string_view header, const LinesText& field)
    {
        line(header);
        const std::string_view text = field.text();
        const char* const end = text.data() + text.size();
        const char* run = text.data();
        field.forEachLine([&](std::string_view each) {
            const char* const after = each.data() + each.size();
            const bool crLf = end - after >= 2 && after[0] == '\r' && after[1] == '\n';
            m_backup += '@';
            if (crLf) {
                m_backup.append(each.data(), each.size() + kCrLf.size());
                return;
            }
            m_backup += each;
            m_backup += kCrLf;
            m_text.append(run, after);
            m_text += kCrLf;
            run = after == end ? end : after + 1;
        });
        m_text.append(run, end);
        emptyLine();
    }

    void backupValue(std::string_view value)
    {
        m_backup += '#';
        m_backup += value;
        m_backup += kCrLf;
    }
    void backupValue(std::string_view first, std::string_view second)
    {
        m_backup += '#';
        m_backup += first;
        m_backup += second;
        m_backup += kCrLf;
    }

private:
    std::string& m_text;
    std::string& m_backup;
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

std::string operatingSystemFlags(const RegistrationEntry& entry)
{
    std::string flags;
    for (const bool on : entry.supportedOs)
        flags += on ? '1' : '0';
    return flags;
}

std::string_view itemOf(const auto& items, int index)
{
    return items.at(static_cast<size_t>(index));
}

class PreviewRun {
public:
    explicit PreviewRun(RegistrationEntry& entry)
        : m_entry(entry)
        , m_texts(documentTexts())
        , m_out(m_outcome.previewText, m_outcome.backupText)
    {
    }

    PreviewOutcome run()
    {
        if (missingRequiredField())
            return refuse(m_texts.missingRequiredMessage);
        DocumentClass documentClass;
        try {
            documentClass = m_entry.handlingKind.documentClass();
        } catch (const RuntimeError& error) {
            return fail(error);
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
        m_outcome.backupText.reserve(fields + fields / 8 + 2048);
    }

    void writeCommonSection()
    {
        const auto& e = m_entry;
        const auto& lists = entryLists();
        m_out.line(m_texts.formTitle);
        m_out.emptyLine();

        m_out.section(m_texts.authorHeader, e.authorId.str());
        m_out.backupValue(e.authorId.str());

        m_out.section(m_texts.submissionKindHeader, itemOf(lists.submissionKinds, e.submissionKind));
        m_out.backupValue(std::to_string(e.submissionKind));

        m_out.line(m_texts.originalLibraryNumberHeader);
        if (e.submissionKind != 0)
            m_out.line(e.originalLibraryNumber.str());
        m_out.emptyLine();
        m_out.backupValue(e.originalLibraryNumber.str());

        m_out.section(m_texts.softwareNameHeader, e.softwareName.str());
        m_out.backupValue(e.softwareName.str());

        m_out.optionalSection(m_texts.headlineHeader, e.headline.str());
        m_out.backupValue(e.headline.str());

        m_out.linesSection(m_texts.descriptionHeader, e.description);

        m_out.section(m_texts.archiveFileNameHeader, e.archiveFileName.str());
        m_out.backupValue(e.archiveFileName.str());
        m_out.optionalSection(m_texts.publicationFileNameHeader, e.publicationFileName.str());
        m_out.backupValue(e.publicationFileName.str());
        m_out.optionalSection(m_texts.versionHeader, e.version.str());
        m_out.backupValue(e.version.str());
        m_out.optionalSection(m_texts.machineHeader, e.machine.str());
        m_out.backupValue(e.machine.str());

        m_out.optionalSection(m_texts.operatingSystemsHeader, operatingSystemLine(e));
        m_out.backupValue(operatingSystemFlags(e), e.otherOs.str());

        m_out.optionalSection(m_texts.requiredSoftwareHeader, e.requiredSoftware.str());
        m_out.backupValue(e.requiredSoftware.str());

        m_out.section(m_texts.handlingHeader, e.handling.str());
        m_out.backupValue(e.handling.str());

        writeDirectory();
        writeFileLocation();
        writePermission(m_texts.printPermissionHeader, e.printPermission, e.printRefusalReason);
        writePermission(m_texts.webPermissionHeader, e.webPermission, e.webRefusalReason);

        m_entry.notes.replaceEmptyFirstLine(m_texts.notesFiller);
        m_out.linesSection(m_texts.notesHeader, e.notes);
    }

    void writeDirectory()
    {
        const auto& e = m_entry;
        const bool bothGiven = !e.category.empty() && !e.subcategory.empty();
        m_out.line(m_texts.directoryHeader);
        if (bothGiven)
            m_out.line(e.category.str() + m_texts.directoryArrow + e.subcategory.str());
        m_out.emptyLine();
        m_out.backupValue(bothGiven ? e.category.str() : std::string());
        m_out.backupValue(bothGiven ? e.subcategory.str() : std::string());
    }

    void writeFileLocation()
    {
        const auto& e = m_entry;
        const std::string_view item = itemOf(entryLists().fileLocations, e.fileLocation);
        const bool other = e.fileLocation == 3;
        m_out.section(m_texts.fileLocationHeader,
                      other ? std::string(item) + m_texts.otherLocationColon + e.fileLocationOther.str()
                            : std::string(item));
        m_out.backupValue(std::to_string(e.fileLocation), other ? e.fileLocationOther.str() : std::string());
    }

    void writePermission(const std::string& header, int permission, const SingleLineText& reason)
    {
        const bool refused = permission != 0;
        m_out.section(header, refused ? m_texts.permissionRefused + reason.str() : m_texts.permissionGiven);
        m_out.backupValue(refused ? "1" : "0", refused ? reason.str() : std::string());
    }

    PreviewOutcome complete(DocumentClass documentClass)
    {
        const auto& fee = m_entry.sharewareFee;
        if (documentClass == DocumentClass::NoSharewareSection)
            return succeed();
        if (fee.empty())
            return documentClass == DocumentClass::SharewareRequired ? refuse(m_texts.missingFeeMessage) : succeed();

        int value = 0;
        try {
            value = toInt32(fee.str());
        } catch (const RuntimeError& error) {
            return fail(error);
        }
        if (value < kLowestFee || value > kHighestFee)
            return refuse(m_texts.feeOutOfRangeMessage);

        writeSharewareSectionUpToPostal();
        if (m_entry.registeredProductNumber.empty())
            return refuse(m_texts.missingProductNumberMessage);
        writeSharewareSectionRest();
        return succeed();
    }

    void writeSharewareSectionUpToPostal()
    {
        const auto& e = m_entry;
        m_out.line(m_texts.sharewareSeparator);
        m_out.emptyLine();
        m_out.section(m_texts.feeHeader, e.sharewareFee.str() + m_texts.yen);
        m_out.backupValue(e.sharewareFee.str());
        m_out.linesSection(m_texts.conditionsHeader, e.sharewareConditions);
        m_out.optionalSection(m_texts.bankHeader, e.bankRemittance.str());
        m_out.backupValue(e.bankRemittance.str());
        m_out.optionalSection(m_texts.postalHeader, e.postalRemittance.str());
        m_out.backupValue(e.postalRemittance.str());
    }

    void writeSharewareSectionRest()
    {
        const auto& e = m_entry;
        m_out.section(m_texts.productNumberHeader, e.registeredProductNumber.str());
        m_out.backupValue(e.registeredProductNumber.str());
        m_out.optionalSection(m_texts.niftyHeader, e.niftyRemittance.str());
        m_out.backupValue(e.niftyRemittance.str());
        m_out.optionalSection(m_texts.otherRemittanceHeader, e.otherRemittance.str());
        m_out.backupValue(e.otherRemittance.str());
    }

    PreviewOutcome succeed()
    {
        m_outcome.status = PreviewStatus::Success;
        m_outcome.message = m_texts.successMessage;
        m_outcome.writeBackup = true;
        return std::move(m_outcome);
    }

    PreviewOutcome refuse(const std::string& message)
    {
        m_outcome.status = PreviewStatus::Refused;
        m_outcome.message = message;
        return std::move(m_outcome);
    }

    PreviewOutcome fail(const RuntimeError& error)
    {
        m_outcome.status = PreviewStatus::Error;
        m_outcome.message = cp932FromUtf8(error.message());
        return std::move(m_outcome);
    }

    RegistrationEntry& m_entry;
    const DocumentTexts& m_texts;
    PreviewOutcome m_outcome;
    DocumentWriter m_out;
};

} // namespace

PreviewOutcome runPreviewCommand(RegistrationEntry& entry)
{
    return PreviewRun(entry).run();
}

} // namespace tarvo
