#pragma once

#include <array>
#include <string_view>

namespace v32 {

// The name a channel slot is shown with: the user's name when there is one, otherwise the
// default ("CH5", "CH29/30", "DIGI", "FX2", "AUX3", "LEFT", "RIGHT", "DCA1") or, for
// narrow labels, its short form ("5", "29/30", "A3", "L", "R", "D1").
class ChannelLabel {
public:
    static ChannelLabel defaultName(int slot);
    static ChannelLabel shortName(int slot);
    static ChannelLabel shown(int slot, std::string_view userName);

    std::string_view text() const { return m_text.data(); }
    const char* c_str() const { return m_text.data(); }

private:
    void formatNumber(const char* prefix, int number);
    void formatPair(const char* prefix, int number);
    void assign(std::string_view text);

    std::array<char, 32> m_text{};
};

} // namespace v32
