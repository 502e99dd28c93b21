#pragma once

#include "core/catalog/CategoryCatalog.h"
#include "core/entry/RegistrationEntry.h"
#include "core/format/BackupRecord.h"
#include "core/format/PadReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvo {

// One finding of a PAD import. Level, kind and field are the interface
// (scripts test them); the message is for the author and names no option of any
// front end: each words the remedy its own way, the command line with its
// options, the window with its fields and questions.
struct PadDiagnostic {
    enum class Level { Error, Warning, Info };
    enum class Kind {
        Note, // nothing to do beyond reading it
        FillIn, // fill in the fields of `fills`
        BackupExists, // the backup is there already: replace it, or keep it
        Unrepresentable, // `value` is a character CP932 cannot hold; `replacement` when the table has one
        Replaced, // `value` became `replacement`, `count` times
        MissingLanguage, // `value` names no description block; the message lists those there are
        Encoding, // the file reads in another encoding: `value`, or empty when only the author knows it
    };
    // A field to fill in and what to put there: an item number ("4", "1..10")
    // or a pattern ("SR……"); empty when any text will do.
    struct Fill {
        std::string field; // the entry field's key
        std::string value;
    };

    Level level = Level::Info;
    std::string field; // the entry field's JSON name, or "-"
    std::string source; // the PAD path, or empty
    std::string message; // UTF-8, Japanese; quotes what CP932 cannot hold
    Kind kind = Kind::Note;
    std::vector<Fill> fills {};
    std::string value {}; // UTF-8
    std::string replacement {}; // UTF-8
    int count = 0;

    // "LEVEL FIELD (SOURCE): message", the source part left out when empty.
    std::string line() const;
};

std::string_view levelName(PadDiagnostic::Level level);

struct PadImportOptions {
    // Descriptions only from this block ("English"); empty: Japanese, English,
    // then the others in file order.
    std::string language;
    // Replace the characters of a small fixed table instead of refusing them.
    bool transliterate = false;
    // FIELD=VALUE (UTF-8) in the order given, applied after the PAD rules;
    // Handling as its text (handlingItemOf() reads a number).
    std::vector<std::pair<std::string, std::string>> settings;
    // The author the window remembers (CP932), when its start folder holds one.
    std::optional<std::string> rememberedAuthor;
    // The start folder's catalogue, to check a category given by a setting.
    std::optional<CategoryCatalog> catalog;
};

struct PadImport {
    std::string padVersion;
    // The entry as the backup is to hold it (CP932). Meaningless when refused().
    RegistrationEntry entry;
    // The same entry with UTF-8 texts, characters CP932 cannot hold included,
    // to show what a refused import would have written.
    RegistrationEntry shownEntry;
    BackupSections sections = BackupSections::CommonOnly;
    std::vector<PadDiagnostic> diagnostics;
    // Every non-empty PAD value the entry does not use, by path.
    std::vector<std::string> notImported;

    bool refused() const;
};

// Maps the document onto one registration entry. Never refuses silently: every
// value left out, chosen by a rule or changed is reported.
PadImport mapPad(const PadDocument& document, const PadImportOptions& options);

// The error for descriptions asked from a block the file does not have
// (compared without case), listing those it has; nothing when it has it.
std::optional<PadDiagnostic> missingLanguage(const PadDocument& document, std::string_view language);

// The reason a FIELD=VALUE setting cannot be used (unknown field, or a number
// out of its range), or nothing.
std::optional<std::string> settingProblem(std::string_view field, std::string_view value);

} // namespace tarvo
