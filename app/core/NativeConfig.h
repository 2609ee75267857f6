#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace v32 {

// DEBUG and LANG are read into buffers of this size: at most 11 characters.
inline constexpr std::size_t kConfigValueSize = 12;
// Lists of names (DISCOVERY) are read into buffers of this size.
inline constexpr std::size_t kConfigListSize = 256;

struct ConfigValue {
    std::array<char, kConfigValueSize> text{};

    std::string_view view() const { return text.data(); }
};

// The small INI file beside the program, section "app". Reading follows the private-profile
// rules: section and key names match without regard to case, values are trimmed of blanks
// and lose one pair of surrounding quotes, the first matching section and key win. A file
// that is not valid INI is read as far as it makes sense; everything else takes defaults.
class NativeConfig {
public:
    static constexpr std::string_view kDefaultFileName = "nativecfg.ini";

    explicit NativeConfig(std::filesystem::path path = kDefaultFileName);

    // Copies at most buffer.size() - 1 characters and a NUL; true when characters were copied.
    bool readAppKey(std::string_view key, std::span<char> buffer) const;

    ConfigValue readDebug() const;
    // "en" when the key is missing or empty.
    ConfigValue readLanguage() const;
    // The comma-separated names of the adapters discovery is limited to (DISCOVERY), at most
    // 255 characters; empty when every adapter is to be probed.
    std::string readDiscoveryAdapters() const;

    // Sets LANG, creating the file, section or key as needed and keeping every other line as
    // it was. False when the value would break the file (a line break or NUL) or the file
    // cannot be replaced.
    bool writeLanguage(std::string_view language) const;

private:
    std::filesystem::path m_path;
};

} // namespace v32
