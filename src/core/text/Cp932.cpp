#include "text/Cp932.h"

#include "text/Utf8.h"

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

// What the encoder stopped at: a character CP932 lacks, or one byte that is not
// part of any character (which must not take the bytes after it along).
size_t stoppedCharacterLength(std::string_view utf8)
{
    const size_t length = utf8CharacterLength(utf8, 0);
    return length == 0 ? 1 : length;
}

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
        utf8.remove_prefix(stoppedCharacterLength(utf8));
    }
    return result;
}

std::optional<std::string> firstUnrepresentableCharacter(std::string_view utf8)
{
    std::string ignored;
    if (encoder().convert(utf8, ignored) == Converter::Stop::Done)
        return std::nullopt;
    if (utf8CharacterLength(utf8, 0) == 0)
        return std::string(kReplacementCharacter);
    return std::string(utf8.substr(0, stoppedCharacterLength(utf8)));
}

bool isValidCp932(std::string_view cp932)
{
    std::string ignored;
    return decoder().convert(cp932, ignored) == Converter::Stop::Done;
}

std::string unrepresentableMessage(std::string_view utf8Character)
{
    return "「" + std::string(utf8Character) + "」はShift-JISで表せないため使えません。";
}

} // namespace tarvo
