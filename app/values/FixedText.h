#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace v32 {

// A short display text held by value. It truncates like the 24-byte buffers the texts
// were sized for (at most 23 characters), so two texts never share storage and a
// caller may keep as many as it likes.
class FixedText {
public:
    static constexpr std::size_t kCapacity = 23;

    FixedText() = default;
    explicit FixedText(std::string_view text);

    [[gnu::format(printf, 1, 2)]] static FixedText format(const char* format, ...);

    void append(std::string_view text);

    const char* c_str() const { return m_chars.data(); }
    std::string_view view() const { return {m_chars.data(), m_size}; }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    friend bool operator==(const FixedText& text, std::string_view other) {
        return text.view() == other;
    }

private:
    std::array<char, kCapacity + 1> m_chars{};
    std::size_t m_size = 0;
};

} // namespace v32
