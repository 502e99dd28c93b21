#include "core/format/BackupLineQueue.h"

#include "core/text/Lines.h"

namespace tarvo {

BackupLineQueue::BackupLineQueue(std::string_view fileBytes)
    : m_bytes(fileBytes)
{
    findLine();
}

// As forEachLine reads them: a final line break adds no line.
void BackupLineQueue::findLine()
{
    if (m_next >= m_bytes.size()) {
        m_line = {};
        m_next = m_bytes.size();
        return;
    }
    const size_t end = findLineBreak(m_bytes, m_next);
    m_line = m_bytes.substr(m_next, end - m_next);
    m_next = end == m_bytes.size() ? end : end + lineBreakLength(m_bytes, end);
}

std::string_view BackupLineQueue::take()
{
    const std::string_view line = m_line;
    findLine();
    return line;
}

} // namespace tarvo
