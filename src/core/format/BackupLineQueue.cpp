#include "format/BackupLineQueue.h"

#include "text/Lines.h"

namespace tarvo {

BackupLineQueue::BackupLineQueue(std::string_view fileBytes)
{
    forEachLine(fileBytes, [this](std::string_view line) { m_lines.push_back(line); });
}

std::string_view BackupLineQueue::peek() const
{
    return m_next < m_lines.size() ? m_lines[m_next] : std::string_view();
}

std::string_view BackupLineQueue::take()
{
    const std::string_view line = peek();
    if (m_next < m_lines.size())
        ++m_next;
    return line;
}

} // namespace tarvo
