#pragma once

#include "core/document/PreviewCommand.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvo::test {

using Lines = std::vector<std::string>;

// CP932 lines of UTF-8 literals.
Lines sjLines(const std::vector<std::string_view>& utf8Lines);

// An entry with only the four required fields filled in, the handling chosen from
// the list (so that HandlingKind follows it); everything else as at start.
RegistrationEntry requiredFieldsOnly(std::string_view handlingUtf8 = "フリーウェア");

// The same entry with every shareware field filled in (fee "1000").
RegistrationEntry withSharewareFields(std::string_view handlingUtf8);

// The 47 lines of the common section that requiredFieldsOnly() gives.
Lines commonSectionOfRequiredFieldsOnly(std::string_view handlingUtf8 = "フリーウェア");

// Rows S1 to S23 (or S1 to S14) for the shareware fields of withSharewareFields().
Lines sharewareSectionOfFilledFields(std::string_view feeText, bool throughProductNumber = true);

// The 18 backup lines that requiredFieldsOnly() gives.
Lines commonBackupOfRequiredFieldsOnly(std::string_view handlingUtf8 = "フリーウェア");

// Backup rows 20 to 26 for the shareware fields of withSharewareFields().
Lines sharewareBackupOfFilledFields(std::string_view feeText);

// The lines between a section header and the next header: its value lines and the
// closing empty line.
Lines sectionAfter(const Lines& document, std::string_view headerCp932);

// The document with the lines after `headerCp932` (up to the next header) replaced.
Lines withSection(Lines document, std::string_view headerCp932, const Lines& section);

Lines concatenated(Lines first, const Lines& second);

} // namespace tarvo::test
