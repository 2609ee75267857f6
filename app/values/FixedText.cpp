#include "app/values/FixedText.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace v32 {

FixedText::FixedText(std::string_view text) {
    append(text);
}

FixedText FixedText::format(const char* format, ...) {
    FixedText text;
    std::va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(text.m_chars.data(), text.m_chars.size(), format, arguments);
    va_end(arguments);
    if (written > 0) {
        text.m_size = std::min(static_cast<std::size_t>(written), kCapacity);
    } else {
        text.m_chars[0] = '\0';
    }
    return text;
}

void FixedText::append(std::string_view text) {
    const std::size_t count = std::min(text.size(), kCapacity - m_size);
    std::copy_n(text.data(), count, m_chars.data() + m_size);
    m_size += count;
    m_chars[m_size] = '\0';
}

} // namespace v32
