#include "platform/StartDialog.h"

#include "app/link/SerialPort.h"
#include "platform/SerialPortListModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <charconv>

namespace v32 {

namespace {

struct SwitchBox {
    const char* text;
    bool DebugSwitches::*flag;
    // The box says "disable", the switch says "enabled".
    bool inverted;
};

const std::array<SwitchBox, StartDialog::kSwitchCount> kSwitchBoxes{{
    {"禁用频谱", &DebugSwitches::disable_spectrum, false},
    {"禁用联机锁屏", &DebugSwitches::disable_online_lock, false},
    {"禁用心跳包", &DebugSwitches::heartbeat, true},
    {"禁用重连", &DebugSwitches::disable_reconnect, false},
    {"打印蓝牙模块数据", &DebugSwitches::print_bluetooth, false},
    {"打印串口发送数据", &DebugSwitches::print_sent, false},
    {"打印串口接收数据", &DebugSwitches::print_received, false},
    {"接管面板", &DebugSwitches::take_over_panel, false},
    {"打印友好的写操作", &DebugSwitches::print_writes, false},
}};

constexpr int kSwitchColumns = 3;
constexpr int kFontPixels = 16;

QComboBox* editableList(int length) {
    auto* list = new QComboBox;
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->lineEdit()->setMaxLength(length);
    return list;
}

} // namespace

StartDialog::StartDialog(QWidget* parent)
    : QDialog(parent)
    , m_port(editableList(kFieldLength))
    , m_baud(editableList(kFieldLength))
    , m_device(new QLabel) {
    setWindowTitle(QString::fromUtf8("启动"));
    setFixedSize(kWidth, kHeight);
    QFont dialogFont(QStringList{QStringLiteral("SimSun"), QString::fromUtf8("宋体")});
    dialogFont.setPixelSize(kFontPixels);
    setFont(dialogFont);

    auto* grid = new QGridLayout(this);
    addSerialFields(grid);
    addSwitchBoxes(grid);
    addButtons(grid);
}

void StartDialog::store(DebugSwitches& switches, SerialSettings& serial) const {
    const QByteArray port = m_port->currentText().toUtf8();
    const auto length = std::min(static_cast<std::size_t>(port.size()), serial.portName.size() - 1);
    std::copy_n(port.constData(), length, serial.portName.begin());
    serial.portName[length] = '\0';
    serial.baudRate = baudRateOf(m_baud->currentText());
    for (std::size_t i = 0; i < kSwitchCount; ++i) {
        switches.*kSwitchBoxes[i].flag = m_switchBoxes[i]->isChecked() != kSwitchBoxes[i].inverted;
    }
}

std::uint32_t StartDialog::baudRateOf(const QString& text) {
    const QByteArray digits = text.trimmed().toLatin1();
    std::uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.constData(), digits.constData() + digits.size(), value);
    return error == std::errc{} ? value : 0;
}

QString StartDialog::shownDevice() const {
    return m_device->text();
}

void StartDialog::addSerialFields(QGridLayout* grid) {
    m_port->setModel(new SerialPortListModel(m_port));
    connect(m_port, &QComboBox::currentTextChanged, this, &StartDialog::showDeviceOf);
    m_port->setCurrentIndex(kDefaultPortRow);
    m_baud->addItems({QStringLiteral("19200"), QStringLiteral("115200"), QStringLiteral("128000")});
    m_baud->setCurrentIndex(kDefaultBaudRow);

    grid->addWidget(new QLabel(QString::fromUtf8("通信端口：")), 0, 0);
    grid->addWidget(m_port, 0, 1);
    grid->addWidget(m_device, 0, 2);
    grid->addWidget(new QLabel(QString::fromUtf8("波特率：")), 1, 0);
    grid->addWidget(m_baud, 1, 1, 1, kSwitchColumns - 1);
}

void StartDialog::addSwitchBoxes(QGridLayout* grid) {
    constexpr int kFirstRow = 2;
    for (std::size_t i = 0; i < kSwitchCount; ++i) {
        m_switchBoxes[i] = new QCheckBox(QString::fromUtf8(kSwitchBoxes[i].text));
        const int index = static_cast<int>(i);
        grid->addWidget(m_switchBoxes[i], kFirstRow + index / kSwitchColumns,
                        index % kSwitchColumns);
    }
    m_switchBoxes.back()->setChecked(true);
}

void StartDialog::addButtons(QGridLayout* grid) {
    auto* confirm = new QPushButton(QString::fromUtf8("确认"));
    auto* cancel = new QPushButton(QString::fromUtf8("取消"));
    connect(confirm, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    const int row = grid->rowCount();
    grid->addWidget(confirm, row, kSwitchColumns - 2);
    grid->addWidget(cancel, row, kSwitchColumns - 1);
}

// Port names are kept as the user knows them; this shows what they open here.
void StartDialog::showDeviceOf(const QString& portName) {
    const std::optional<std::string> device = SerialPort::devicePathFor(portName.toStdString());
    m_device->setText(device ? QString::fromStdString(*device) : QString());
}

} // namespace v32
