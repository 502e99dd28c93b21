#include "core/pad/PadMapper.h"

#include "core/backup/BackupFolder.h"
#include "core/entry/EntryLists.h"
#include "core/files/NativePath.h"
#include "core/text/Cp932.h"
#include "core/text/Lines.h"
#include "core/text/Utf8.h"

#include <algorithm>
#include <cstdio>

namespace tarvo {

namespace pad {

namespace {

constexpr std::size_t kLongestNameFileBytes = 239;
constexpr std::size_t kDescriptionGuideBytes = 1024;

// Settings that choose an item by its 1-based number, and how many there are.
struct NumberedSetting {
    std::string_view key;
    int items;
};
constexpr std::array<NumberedSetting, 4> kNumberedSettings { { { "submissionKind", 4 }, { "fileLocation", 4 },
    { "printPermission", 2 }, { "webPermission", 2 } } };

char32_t codePointAt(std::string_view utf8, std::size_t at, std::size_t length)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[at + i]); };
    switch (length) {
    case 1:
        return byte(0);
    case 2:
        return ((byte(0) & 0x1Fu) << 6) | (byte(1) & 0x3Fu);
    case 3:
        return ((byte(0) & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
    default:
        return ((byte(0) & 0x07u) << 18) | ((byte(1) & 0x3Fu) << 12) | ((byte(2) & 0x3Fu) << 6) | (byte(3) & 0x3Fu);
    }
}

std::string codePointName(char32_t code)
{
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Japanese runs on without a blank where a line break is layout.
bool endsInAscii(std::string_view text)
{
    return !text.empty() && static_cast<unsigned char>(text.back()) < 0x80;
}

} // namespace

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<int> smallNumber(std::string_view text)
{
    if (!allDigits(text) || text.size() > 6)
        return std::nullopt;
    return std::stoi(std::string(text));
}

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\n") + lines[i];
    return text;
}

Mapper::Mapper(const PadDocument& document, const PadImportOptions& options)
    : m_doc(document)
    , m_options(options)
{
}

PadImport Mapper::run()
{
    m_result.padVersion = std::string(trimmed(value("MASTER_PAD_VERSION_INFO/MASTER_PAD_VERSION")));
    if (const auto missing = missingLanguage(m_doc, m_options.language)) {
        m_result.diagnostics.push_back(*missing);
        return std::move(m_result);
    }
    mapProgramInfo();
    mapDescriptions();
    mapWebInfo();
    mapCompanyInfo();
    // Free text cannot be read as the author's legal yes or no.
    add(Level::Warning, "printPermission", "Permissions/Distribution_Permissions",
        "掲載許諾（出版物・インターネット）は PAD から決められないため「許可」のままです。",
        { { "printPermission", "1..2" }, { "webPermission", "1..2" } });
    applySettings();
    warnOfMissingSharewareFields();
    warnOfRepeatedPaths();
    listNotImported();
    buildEntry();
    return std::move(m_result);
}

void Mapper::add(
    Level level, std::string_view key, std::string_view source, std::string message, std::vector<Fill> fills)
{
    const EntryField* field = entryField(key);
    PadDiagnostic finding { level, std::string(field ? field->json : key), std::string(source), std::move(message) };
    if (!fills.empty()) {
        finding.kind = Kind::FillIn;
        finding.fills = std::move(fills);
    }
    m_result.diagnostics.push_back(std::move(finding));
}

std::string Mapper::single(std::string_view key, std::string_view path)
{
    const std::string_view text = trimmed(value(path));
    std::string result;
    bool joined = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '\r' || c == '\n' || c == '\t') {
            while (!result.empty() && result.back() == ' ')
                result.pop_back();
            while (at + 1 < text.size() && (kBlanks.find(text[at + 1]) != std::string_view::npos))
                ++at;
            result += ' ';
            joined = true;
            continue;
        }
        result += c;
    }
    if (joined && key != "-")
        add(Level::Info, key, path, "改行やタブを空白に置き換えました。");
    return result;
}

// Pretty-printed XML indents every line after the first: there the line
// breaks are layout, so each paragraph becomes one line (the window wraps it),
// and an empty line still parts paragraphs. Text written flush keeps its lines.
std::vector<std::string> Mapper::paragraphs(std::string_view path) const
{
    std::vector<std::string> lines = splitLines(trimmed(value(path)));
    bool indented = lines.size() > 1;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        lines[i].erase(lines[i].find_last_not_of(" \t") + 1);
        indented = indented && (lines[i].empty() || isBlank(lines[i].front()));
    }
    if (!lines.empty())
        lines.front().erase(lines.front().find_last_not_of(" \t") + 1);
    std::vector<std::string> result;
    bool paragraphEnded = true;
    for (std::string& line : lines) {
        if (indented)
            line.erase(0, line.find_first_not_of(" \t"));
        if (line.empty()) {
            if (!result.empty() && !(indented && result.back().empty()))
                result.emplace_back();
            paragraphEnded = true;
            continue;
        }
        if (indented && !paragraphEnded && !result.empty()) {
            const bool blank = endsInAscii(result.back()) || static_cast<unsigned char>(line.front()) < 0x80;
            result.back() += (blank ? " " : "") + line;
            continue;
        }
        result.push_back(std::move(line));
        paragraphEnded = !indented;
    }
    while (!result.empty() && result.back().empty())
        result.pop_back();
    return result;
}

void Mapper::set(std::string_view key, std::string value, std::string_view source)
{
    m_text[std::string(key)] = std::move(value);
    m_source[std::string(key)] = std::string(source);
    use(source);
}

// Repeats and markup matter only where the value reaches the entry.
void Mapper::warnOfRepeatedPaths()
{
    for (const std::string& path : m_doc.repeatedPaths) {
        if (m_used.contains(path))
            add(Level::Warning, "-", path, "この項目が何度も出てきます。最初のものだけを使いました。");
    }
    for (const std::string& path : m_doc.mixedPaths) {
        if (m_used.contains(path))
            add(Level::Warning, "-", path, "値の中に要素（HTML のタグなど）があります。その中の文字は取り込みません。");
    }
}

void Mapper::applySettings()
{
    // Handling comes as it is meant: an item chosen by its number is its text here.
    for (const auto& [name, value] : m_options.settings) {
        // A JSON name ("shareware.fee") sets the same field as its key.
        const EntryField* field = entryField(name);
        const std::string key(field ? field->key : std::string_view(name));
        m_setByOption.insert(key);
        const auto number = smallNumber(value);
        if (key == "submissionKind")
            m_submissionKind = *number - 1;
        else if (key == "fileLocation")
            m_fileLocation = *number - 1;
        else if (key == "printPermission")
            m_printPermission = *number - 1;
        else if (key == "webPermission")
            m_webPermission = *number - 1;
        else if (field && field->lines)
            set(key, joinedLines(splitLines(value)), "--set");
        else
            set(key, value, "--set");
    }
    if ((m_setByOption.contains("category") || m_setByOption.contains("subcategory")) && m_options.catalog) {
        const auto entries = m_options.catalog->subcategoriesFor(cp932FromUtf8(text("category")));
        if (std::find(entries.begin(), entries.end(), cp932FromUtf8(text("subcategory"))) == entries.end())
            add(Level::Warning, "category", "--set", "この分類の組は category.dat にありません。");
    }
}

// What the preview will ask of a shareware, once the settings are in.
void Mapper::warnOfMissingSharewareFields()
{
    if (text("handling") != utf8FromCp932(entryLists().handlings[2]))
        return;
    if (text("sharewareFee").empty())
        add(Level::Warning, "sharewareFee", "", "シェアウェアには送金額が必要です（プレビューで求められます）。",
            { { "sharewareFee", "" } });
    if (text("registeredProductNumber").empty())
        add(Level::Warning, "registeredProductNumber", "", "シェアウェアには登録製品番号が必要です。",
            { { "registeredProductNumber", "SR……" } });
}

// A value counts as imported only when it reached a field of the entry.
void Mapper::listNotImported()
{
    std::size_t count = 0;
    for (const auto& [path, value] : m_doc.values) {
        if (trimmed(value).empty() || m_used.contains(path))
            continue;
        m_result.notImported.push_back(path);
        ++count;
    }
    if (count > 0)
        add(Level::Info, "-", "", "取り込まなかった PAD の項目が " + std::to_string(count) + " 個あります。");
}

// Checks every character of a field: what CP932 cannot hold is refused (or,
// when asked, replaced from the table); what it holds one way only is told.
std::string Mapper::checkedCp932(const EntryField& field, const std::string& utf8)
{
    const std::string key(field.key);
    const std::string& source = m_source[key];
    const bool mayReplace = m_options.transliterate && !m_setByOption.contains(key);
    std::string result;
    std::size_t line = 1;
    std::size_t column = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = std::max<std::size_t>(1, utf8CharacterLength(utf8, at));
        const std::string character = utf8.substr(at, length);
        const char32_t code = codePointAt(utf8, at, length);
        at += length;
        ++column;
        if (character == "\n") {
            ++line;
            column = 0;
            result += character;
            continue;
        }
        // Worded only for a finding: most characters have none.
        const auto where = [&] {
            return field.lines ? std::to_string(line) + " 行 " + std::to_string(column) + " 文字目"
                               : std::to_string(column) + " 文字目";
        };
        if (!isRepresentableInCp932(character)) {
            const std::optional<std::string> replacement = transliteration(code);
            if (replacement && mayReplace) {
                Replacement& replaced = m_replacements[character];
                if (replaced.count++ == 0) {
                    m_replacementOrder.push_back(character);
                    replaced.replacement = *replacement;
                    replaced.firstField = key;
                }
                replaced.fields.insert(key);
                result += *replacement;
                continue;
            }
            add(Level::Error, key, source,
                unrepresentableMessage(character) + "（" + codePointName(code) + "、" + where() + "）");
            PadDiagnostic& refused = m_result.diagnostics.back();
            refused.kind = Kind::Unrepresentable;
            refused.value = character;
            refused.replacement = replacement.value_or(std::string());
            refused.count = replacement ? 1 : 0;
            result += character;
            continue;
        }
        if (const auto back = oneWayCharacter(code))
            add(code == 0xA5 ? Level::Warning : Level::Info, key, source,
                "「" + character + "」(" + codePointName(code) + ") は読み戻すと「" + std::string(*back)
                    + "」になります（" + where() + "）。");
        result += character;
    }
    return result;
}

void Mapper::checkName(const std::string& cp932Name)
{
    const auto refuse
        = [&](std::string message) { add(Level::Error, "softwareName", m_source["softwareName"], std::move(message)); };
    if (cp932Name.empty())
        refuse("ソフト名がありません。バックアップのファイル名になるため必要です。");
    else if (const FileNameFault fault = fileNameFault(cp932Name, kBackupExtension);
             fault.kind != FileNameFault::Kind::None)
        refuse(backupNameFaultMessage(fault));
    else if (cp932Name.front() == '.')
        refuse("ソフト名が「.」で始まるため、読込の一覧に出ません。");
    else if (cp932Name.find(".bak") != std::string::npos)
        refuse("ソフト名に「.bak」があるため、読込で別の名前になります。");
    else if (fileNameFromCp932(cp932Name).native().size() > kLongestNameFileBytes)
        refuse("ソフト名が長すぎて、バックアップのファイル名にできません。");
}

void Mapper::buildEntry()
{
    RegistrationEntry& e = m_result.entry;
    RegistrationEntry& shown = m_result.shownEntry;
    bool anyShareware = false;
    for (const EntryField& field : entryFields()) {
        if (!field.single && !field.lines)
            continue;
        const std::string utf8 = checkedCp932(field, text(field.key));
        const std::string cp932 = cp932FromUtf8(utf8);
        if (field.lines) {
            shown.*field.lines = LinesText(utf8ForDisplay(utf8));
            std::string lines;
            forEachLine(cp932, [&](std::string_view line) {
                lines += line;
                lines += kCrLf;
            });
            e.*field.lines = LinesText(std::move(lines));
        } else {
            shown.*field.single = utf8ForDisplay(utf8);
            e.*field.single = cp932;
        }
        anyShareware = anyShareware || (field.section == EntrySection::Shareware && !cp932.empty());
    }
    reportReplacements();
    if (!m_result.refused())
        checkName(e.softwareName.str());
    e.supportedOs = m_os;
    e.submissionKind = m_submissionKind;
    e.fileLocation = m_fileLocation;
    e.printPermission = m_printPermission;
    e.webPermission = m_webPermission;
    e.changeHandling(e.handling.str());
    shown.supportedOs = m_os;
    shown.submissionKind = m_submissionKind;
    shown.fileLocation = m_fileLocation;
    shown.printPermission = m_printPermission;
    shown.webPermission = m_webPermission;
    shown.handlingKind = e.handlingKind;
    shown.visibility.fileLocationOther = m_fileLocation == 3 && !shown.fileLocationOther.empty();
    std::size_t bytes = 0;
    e.description.forEachLine([&](std::string_view line) { bytes += line.size(); });
    if (bytes > kDescriptionGuideBytes)
        add(Level::Warning, "description", m_source["description"],
            "「" + std::string(entryField("description")->caption) + "」が " + std::to_string(bytes)
                + " バイトあります（1キロバイト程度が目安です）。");
    const std::string& kind = e.handlingKind.text();
    const DocumentClass documentClass
        = kind.empty() ? DocumentClass::SharewareOptional : documentClassOf(std::stoi(kind));
    // As the preview decides: an optional section goes with its fee.
    const bool withShareware = documentClass == DocumentClass::SharewareRequired
        || (documentClass == DocumentClass::SharewareOptional
            && (kind.empty() ? anyShareware : !e.sharewareFee.empty()));
    if (!withShareware && anyShareware)
        add(Level::Warning, "sharewareFee", "", "この取扱いでは送金額がないとシェアウェアの項目は書かれません。");
    m_result.sections = withShareware ? BackupSections::CommonAndShareware : BackupSections::CommonOnly;
}

// Each replaced character once, with how often and where.
void Mapper::reportReplacements()
{
    for (const std::string& character : m_replacementOrder) {
        const Replacement& replaced = m_replacements[character];
        std::string fields;
        for (const EntryField& field : entryFields()) {
            if (replaced.fields.contains(std::string(field.key)))
                fields += (fields.empty() ? "" : "、") + std::string(field.caption);
        }
        const char32_t code = codePointAt(character, 0, character.size());
        add(Level::Warning, replaced.firstField, m_source[replaced.firstField],
            "「" + character + "」(" + codePointName(code) + ") を「" + replaced.replacement + "」に置き換えました（"
                + std::to_string(replaced.count) + " か所：" + fields + "）。"
                + (replaced.fields.contains("softwareName") ? "バックアップのファイル名も変わります。" : ""));
        PadDiagnostic& finding = m_result.diagnostics.back();
        finding.kind = Kind::Replaced;
        finding.value = character;
        finding.replacement = replaced.replacement;
        finding.count = replaced.count;
    }
}

} // namespace pad

std::string_view levelName(PadDiagnostic::Level level)
{
    switch (level) {
    case PadDiagnostic::Level::Error:
        return "error";
    case PadDiagnostic::Level::Warning:
        return "warning";
    case PadDiagnostic::Level::Info:
        break;
    }
    return "info";
}

std::string PadDiagnostic::line() const
{
    std::string text = std::string(levelName(level)) + " " + field;
    if (!source.empty())
        text += " (" + source + ")";
    return text + ": " + message;
}

bool PadImport::refused() const
{
    return std::any_of(diagnostics.begin(), diagnostics.end(),
        [](const PadDiagnostic& diagnostic) { return diagnostic.level == PadDiagnostic::Level::Error; });
}

PadImport mapPad(const PadDocument& document, const PadImportOptions& options)
{
    return pad::Mapper(document, options).run();
}

std::optional<std::string> settingProblem(std::string_view field, std::string_view value)
{
    for (const pad::NumberedSetting& setting : pad::kNumberedSettings) {
        if (setting.key != field)
            continue;
        const auto number = pad::smallNumber(value);
        if (!number || *number < 1 || *number > setting.items)
            return std::string(field) + " takes a number from 1 to " + std::to_string(setting.items);
        return std::nullopt;
    }
    const EntryField* entry = entryField(field);
    if (!entry || (!entry->single && !entry->lines))
        return "unknown field '" + std::string(field) + "'";
    // The fee field keeps digits only; anything else would not load back.
    if (entry->key == "sharewareFee" && !value.empty() && !pad::allDigits(value))
        return "sharewareFee takes digits only";
    return std::nullopt;
}

} // namespace tarvo
