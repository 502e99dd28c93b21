#include "core/format/JsonWriter.h"

#include <cstdio>

namespace tarvo {

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_counts.empty())
        return;
    if (m_counts.back()++ > 0)
        m_out += ',';
    m_out += '\n';
    m_out.append(2 * m_counts.size(), ' ');
}

void JsonWriter::close(char bracket)
{
    const int count = m_counts.back();
    m_counts.pop_back();
    if (count > 0) {
        m_out += '\n';
        m_out.append(2 * m_counts.size(), ' ');
    }
    m_out += bracket;
}

void JsonWriter::beginObject()
{
    beforeValue();
    m_out += '{';
    m_counts.push_back(0);
}

void JsonWriter::endObject()
{
    close('}');
}

void JsonWriter::beginArray()
{
    beforeValue();
    m_out += '[';
    m_counts.push_back(0);
}

void JsonWriter::endArray()
{
    close(']');
}

void JsonWriter::key(std::string_view utf8)
{
    beforeValue();
    quoted(utf8);
    m_out += ": ";
    m_afterKey = true;
}

void JsonWriter::string(std::string_view utf8)
{
    beforeValue();
    quoted(utf8);
}

void JsonWriter::number(long long value)
{
    beforeValue();
    m_out += std::to_string(value);
}

void JsonWriter::boolean(bool value)
{
    beforeValue();
    m_out += value ? "true" : "false";
}

void JsonWriter::null()
{
    beforeValue();
    m_out += "null";
}

void JsonWriter::quoted(std::string_view utf8)
{
    m_out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            m_out += "\\\"";
            break;
        case '\\':
            m_out += "\\\\";
            break;
        case '\n':
            m_out += "\\n";
            break;
        case '\r':
            m_out += "\\r";
            break;
        case '\t':
            m_out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                m_out += escaped;
            } else
                m_out += c;
        }
    }
    m_out += '"';
}

} // namespace tarvo
