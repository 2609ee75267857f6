#include "ui/pages/devicelist/DeviceListRow.h"

#include "app/link/FoundDeviceTable.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/widgets/TextLabel.h"

namespace v32 {

namespace {

constexpr int kRadius = 4;
constexpr int kGap = 8;
const QMargins kPadding(12, 0, 12, 0);

QString dottedAddress(std::uint32_t address) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFFU)
        .arg((address >> 8) & 0xFFU)
        .arg(address & 0xFFU);
}

} // namespace

DeviceListRow::DeviceListRow(const FoundDevice& device, FontCache& fonts, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_address(device.address)
    , m_name(new TextLabel(this))
    , m_addressLabel(new TextLabel(this)) {
    setObjectName(QStringLiteral("deviceListRow"));
    setBackground(kBackground);
    setCheckedBackground(kCheckedBackground);
    setRadius(kRadius);
    setPadding(kPadding);
    setFixedHeight(kHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setClickable(true);
    setAccessibleRole(QAccessible::RadioButton);

    const QString name = QString::fromUtf8(device.nameView().data(),
                                           static_cast<qsizetype>(device.nameView().size()));
    const QString address = dottedAddress(device.address);
    m_name->setText(name);
    m_name->setVisible(!name.isEmpty());
    if (name.isEmpty()) {
        m_addressLabel->setText(address);
        m_addressLabel->setTextColour(kBareAddressColour);
        setAccessibleName(address);
    } else {
        m_addressLabel->setText(QStringLiteral("(%1)").arg(address));
        m_addressLabel->setTextColour(kAddressColour);
        m_addressLabel->setFont(fonts.fontOfSize(kAddressFontSize));
        setAccessibleName(QStringLiteral("%1 (%2)").arg(name, address));
    }
    FlexLayout* row = applyFlexStyle(*this, FlexFlow::Row, FlexAlign::Start, FlexAlign::Center,
                                     FlexAlign::Center, kGap);
    row->addWidget(m_name);
    row->addWidget(m_addressLabel);
}

} // namespace v32
