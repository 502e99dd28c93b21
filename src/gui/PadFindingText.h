#pragma once

#include "core/pad/PadMapping.h"

#include <QString>

#include <vector>

namespace tarvo::gui {

// What the window says of a PAD import's findings: the remedy in the window's
// own terms (the field to fill in, by its caption), never a command-line option.
QString windowText(const PadDiagnostic& finding);

// The question to import with replaced characters, listing them, when the
// import was refused only for characters the table replaces; empty otherwise.
QString transliterationQuestion(const std::vector<PadDiagnostic>& findings);

} // namespace tarvo::gui
