#include "core/entry/FieldText.h"

#include <algorithm>

namespace tarvo {

SingleLineText::SingleLineText(std::string_view cp932)
{
    m_text.reserve(cp932.size());
    std::copy_if(cp932.begin(), cp932.end(), std::back_inserter(m_text), [](char c) { return c != '\r' && c != '\n'; });
}

bool LinesText::firstLineEmpty() const
{
    return m_text.empty() || m_text.front() == '\r' || m_text.front() == '\n';
}

void LinesText::replaceEmptyFirstLine(std::string_view cp932Line)
{
    if (firstLineEmpty())
        m_text.insert(0, cp932Line);
}

} // namespace tarvo
