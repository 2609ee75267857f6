#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <cstdint>

namespace v32 {

class FontCache;
class TextLabel;
struct FoundDevice;

// One mixer on the device list: its name with its address beside it, checked when it is
// the one to connect to. A name-less device shows its bare address.
class DeviceListRow : public StyledWidget {
    Q_OBJECT

public:
    static constexpr std::uint16_t kBackground = palette::kGrey19;
    static constexpr std::uint16_t kCheckedBackground = palette::kKellyGreen;
    static constexpr std::uint16_t kAddressColour = palette::kGrey51;
    static constexpr std::uint16_t kBareAddressColour = palette::kWhite;
    static constexpr int kHeight = 44;
    static constexpr int kAddressFontSize = 16;

    DeviceListRow(const FoundDevice& device, FontCache& fonts, QWidget* parent = nullptr);

    // Host byte order.
    std::uint32_t address() const { return m_address; }

    TextLabel& nameLabel() const { return *m_name; }
    TextLabel& addressLabel() const { return *m_addressLabel; }

private:
    std::uint32_t m_address;
    TextLabel* m_name;
    TextLabel* m_addressLabel;
};

} // namespace v32
