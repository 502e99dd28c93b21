#pragma once

#include "core/entry/RegistrationEntry.h"
#include "core/format/JsonWriter.h"

namespace tarvo {

// The entry as one JSON object ("format": "tarvo-entry", "formatVersion": 1),
// keys in field order, lines fields as arrays of their lines; docs/FORMATS.md
// describes it. `sharewareSection` says whether the shareware fields are part
// of the entry ("shareware" is null otherwise). Every field is decoded from
// CP932 strictly: raises "項目 %s の %d バイト目は Shift-JIS の文字ではありません"
// instead of writing a replacement character. An entry whose texts are UTF-8
// already (EntryTexts::Utf8) is written as it stands.
enum class EntryTexts { Cp932, Utf8 };
void writeEntryJson(
    JsonWriter& out, const RegistrationEntry& entry, bool sharewareSection, EntryTexts texts = EntryTexts::Cp932);

} // namespace tarvo
