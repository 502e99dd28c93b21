#include "text/Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace tarvo {

namespace {

// One converter per direction and thread; opening one costs far more than a
// typical conversion.
class Converter {
public:
    Converter(const char* to, const char* from)
        : m_handle(iconv_open(to, from))
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_handle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    enum class Stop { Done, InvalidInput, IncompleteInput };

    // Converts as much of `input` as it can, appending to `output`; advances `input`.
    Stop convert(std::string_view& input, std::string& output)
    {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        char buffer[4096];
        while (!input.empty()) {
            char* in = const_cast<char*>(input.data());
            size_t inLeft = input.size();
            char* out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(m_handle, &in, &inLeft, &out, &outLeft);
            const int error = errno;
            output.append(buffer, static_cast<size_t>(out - buffer));
            input.remove_prefix(input.size() - inLeft);
            if (result != static_cast<size_t>(-1))
                continue;
            if (error == E2BIG)
                continue;
            return error == EINVAL ? Stop::IncompleteInput : Stop::InvalidInput;
        }
        return Stop::Done;
    }

private:
    iconv_t m_handle;
};

Converter& decoder()
{
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& encoder()
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

// Length of the UTF-8 sequence that starts with `lead`; 1 for a stray byte.
size_t utf8SequenceLength(unsigned char lead, size_t available)
{
    size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    return length <= available ? length : 1;
}

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

} // namespace

std::string utf8FromCp932(std::string_view cp932)
{
    std::string result;
    result.reserve(cp932.size() + cp932.size() / 2);
    while (decoder().convert(cp932, result) != Converter::Stop::Done) {
        result += kReplacementCharacter;
        cp932.remove_prefix(1);
    }
    return result;
}

std::string cp932FromUtf8(std::string_view utf8)
{
    std::string result;
    result.reserve(utf8.size());
    while (encoder().convert(utf8, result) != Converter::Stop::Done) {
        result += '?';
        utf8.remove_prefix(utf8SequenceLength(static_cast<unsigned char>(utf8.front()), utf8.size()));
    }
    return result;
}

std::optional<std::string> firstUnrepresentableCharacter(std::string_view utf8)
{
    std::string ignored;
    if (encoder().convert(utf8, ignored) == Converter::Stop::Done)
        return std::nullopt;
    return std::string(utf8.substr(0, utf8SequenceLength(static_cast<unsigned char>(utf8.front()), utf8.size())));
}

} // namespace tarvo
