#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// What the registration document does with the shareware section.
enum class DocumentClass {
    NoSharewareSection = 0,
    SharewareRequired = 1,
    SharewareOptional = 2,
};

// The 1-based position of the Handling item that the Handling text last matched
// exactly. It starts unset and, once set, only ever changes to another number:
// a text that matches no item leaves it as it was.
class HandlingKind {
public:
    // Runs on every change of the Handling text, typed, chosen or restored.
    void recompute(std::string_view cp932HandlingText);

    // The decimal text the window keeps for it; empty while unset.
    const std::string& text() const { return m_text; }
    // A draft brings back the text it kept, as the kind depends on every edit
    // since, not on the last text alone.
    void setText(std::string text) { m_text = std::move(text); }

    // Converts the kept text with the strict conversion (so an unset kind raises
    // "'' は整数ではありません") and classifies the number.
    DocumentClass documentClass() const;

private:
    std::string m_text;
};

DocumentClass documentClassOf(int handlingKind);

} // namespace tarvo
