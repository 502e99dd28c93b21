#pragma once

#include "core/entry/RegistrationEntry.h"

#include <span>
#include <string_view>

namespace tarvo {

enum class EntrySection { Common, Shareware };

// One field of the entry as every outside view names it: `key` in the import's
// settings and findings, `json` in the JSON entry object (a dot where the object
// nests it), `caption` as the window labels it. A text field points at its
// member; the item choices and the check boxes point at none.
struct EntryField {
    std::string_view key;
    std::string_view json;
    std::string_view caption; // UTF-8
    EntrySection section;
    SingleLineText RegistrationEntry::*single = nullptr;
    LinesText RegistrationEntry::*lines = nullptr;
};

// Every field, in the entry's order.
std::span<const EntryField> entryFields();

// The field named by its key or by its JSON name, or null.
const EntryField* entryField(std::string_view keyOrJson);

} // namespace tarvo
