#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// Writes one JSON value, two blanks of indent per level, LF line ends. Strings
// must be UTF-8; '"', '\' and U+0000 to U+001F are escaped, every other
// character stays as it is. The calls must nest properly; a key is followed by
// exactly one value.
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view utf8);
    void string(std::string_view utf8);
    void number(long long value);
    void boolean(bool value);
    void null();

    // The value written, followed by one LF.
    std::string text() const { return m_out + '\n'; }

private:
    void beforeValue();
    void close(char bracket);
    void quoted(std::string_view utf8);

    std::string m_out;
    std::vector<int> m_counts; // values so far in each open container
    bool m_afterKey = false;
};

} // namespace tarvo
