#pragma once

#include "core/text/Lines.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The value of a single-line field (CP932). It can never hold CR or LF: a line
// break inside a value would split its backup row and shift every later field, so
// both are dropped on the way in.
class SingleLineText {
public:
    SingleLineText() = default;
    SingleLineText(std::string_view cp932); // NOLINT: assigning text is the point
    SingleLineText(const char* cp932)
        : SingleLineText(std::string_view(cp932))
    {
    }
    SingleLineText(const std::string& cp932)
        : SingleLineText(std::string_view(cp932))
    {
    }

    const std::string& str() const { return m_text; }
    bool empty() const { return m_text.empty(); }

    friend bool operator==(const SingleLineText&, const SingleLineText&) = default;

private:
    std::string m_text;
};

// The value of a lines field: the text as the author typed it, line breaks
// included, read as its hard lines (never as the lines word wrap shows).
class LinesText {
public:
    LinesText() = default;
    LinesText(std::string_view cp932)
        : m_text(cp932)
    {
    } // NOLINT
    LinesText(const char* cp932)
        : m_text(cp932)
    {
    }
    LinesText(std::string cp932)
        : m_text(std::move(cp932))
    {
    }

    const std::string& text() const { return m_text; }
    bool empty() const { return m_text.empty(); }
    std::vector<std::string> lines() const { return splitLines(m_text); }

    template <typename Visitor> void forEachLine(Visitor&& visit) const
    {
        tarvo::forEachLine(m_text, std::forward<Visitor>(visit));
    }

    // True for an empty field and for a text that begins with a line break.
    bool firstLineEmpty() const;
    void replaceEmptyFirstLine(std::string_view cp932Line);

    friend bool operator==(const LinesText&, const LinesText&) = default;

private:
    std::string m_text;
};

} // namespace tarvo
