#pragma once

#include "core/entry/EntryFields.h"
#include "core/pad/PadMapping.h"

#include <array>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::pad {

// The mapping's working state. Each PAD section is read in a file of its own
// (PadProgramInfo.cpp, PadOperatingSystems.cpp, PadDescriptions.cpp,
// PadWebInfo.cpp, PadCompanyInfo.cpp); PadMapper.cpp joins them, applies the
// settings and checks every character of the entry it builds.

using Level = PadDiagnostic::Level;
using Kind = PadDiagnostic::Kind;
using Fill = PadDiagnostic::Fill;

inline constexpr std::string_view kBlanks = " \t\r\n";

std::string lowerAscii(std::string_view text);
std::string_view trimmed(std::string_view text);
bool allDigits(std::string_view text);
std::optional<int> smallNumber(std::string_view text);
// "a\n\nb" from the lines.
std::string joinedLines(const std::vector<std::string>& lines);

// What --transliterate puts for a character CP932 cannot hold, or nothing
// (PadCharacters.cpp).
std::optional<std::string> transliteration(char32_t code);
// What CP932 gives back for a character it takes in as another one.
std::optional<std::string_view> oneWayCharacter(char32_t code);

// The file an URL names (PadWebInfo.cpp), or nothing.
std::string fileOfUrl(std::string_view url);

class Mapper {
public:
    Mapper(const PadDocument& document, const PadImportOptions& options);

    PadImport run();

private:
    // Program_Info (PadProgramInfo.cpp).
    void mapProgramInfo();
    void mapHandling();
    void mapFee();
    void yenFee(const std::string& price);
    void mapConditions();
    // Program_Info/Program_OS_Support (PadOperatingSystems.cpp).
    void mapOperatingSystems();
    // Program_Descriptions (PadDescriptions.cpp).
    void mapDescriptions();
    std::vector<std::string_view> languages() const;
    bool describe(std::string_view field, std::initializer_list<std::string_view> names, bool asFallBack);
    // Web_Info (PadWebInfo.cpp).
    void mapWebInfo();
    // Company_Info (PadCompanyInfo.cpp).
    void mapCompanyInfo();

    // The rest (PadMapper.cpp).
    void add(
        Level level, std::string_view key, std::string_view source, std::string message, std::vector<Fill> fills = {});
    void warnOfRepeatedPaths();
    void applySettings();
    void warnOfMissingSharewareFields();
    void listNotImported();
    void buildEntry();
    std::string checkedCp932(const EntryField& field, const std::string& utf8);
    void reportReplacements();
    void checkName(const std::string& cp932Name);

    // The value at the path, untouched; reading it does not use it.
    std::string_view value(std::string_view path) const { return m_doc.value(path); }
    // A single-line value: trimmed, every line break with the blanks around it
    // and every tab one blank.
    std::string single(std::string_view key, std::string_view path);
    // A lines value: indentation and trailing blanks gone, one empty line
    // between paragraphs.
    std::vector<std::string> paragraphs(std::string_view path) const;
    // The entry field's text, and the PAD paths it came from: only these count
    // as imported.
    void set(std::string_view key, std::string value, std::string_view source);
    void use(std::string_view path) { m_used.insert(std::string(path)); }
    const std::string& text(std::string_view key) { return m_text[std::string(key)]; }

    struct Replacement {
        std::string replacement;
        std::string firstField;
        std::set<std::string, std::less<>> fields;
        int count = 0;
    };

    const PadDocument& m_doc;
    const PadImportOptions& m_options;
    PadImport m_result;
    std::map<std::string, std::string, std::less<>> m_text;
    std::map<std::string, std::string, std::less<>> m_source;
    std::set<std::string, std::less<>> m_used;
    std::set<std::string, std::less<>> m_setByOption;
    std::map<std::string, Replacement> m_replacements; // by the replaced character
    std::vector<std::string> m_replacementOrder; // as first met
    std::vector<std::string_view> m_languages; // description blocks (in the document) in the order they serve
    std::array<bool, 6> m_os {};
    bool m_shareware = false;
    int m_submissionKind = 0;
    int m_fileLocation = 0;
    int m_printPermission = 0;
    int m_webPermission = 0;
};

} // namespace tarvo::pad
