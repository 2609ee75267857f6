#pragma once

#include "app/core/DebugSwitches.h"
#include "app/core/SerialSettings.h"

#include <QDialog>
#include <array>
#include <cstddef>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;

namespace v32 {

// The debug start dialog: the serial port and speed, and the diagnostic switches. Confirming
// ends it with 1 (Accepted); cancelling or closing it with 0, which ends the program.
class StartDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 560;
    static constexpr int kHeight = 350;
    static constexpr int kFieldLength = 11;
    static constexpr int kDefaultPortRow = 4;
    static constexpr int kDefaultBaudRow = 2;
    static constexpr std::size_t kSwitchCount = 9;

    explicit StartDialog(QWidget* parent = nullptr);

    // The choices as they stand: the port name as typed, the baud rate as a decimal number
    // and one switch per box. The heartbeat box turns the heartbeat off.
    void store(DebugSwitches& switches, SerialSettings& serial) const;

    // The leading decimal digits of the text; 0 when there are none or they do not fit.
    static std::uint32_t baudRateOf(const QString& text);

    // The device the port field names, or nothing when it names none.
    QString shownDevice() const;

private:
    void addSerialFields(QGridLayout* grid);
    void addSwitchBoxes(QGridLayout* grid);
    void addButtons(QGridLayout* grid);
    void showDeviceOf(const QString& portName);

    QComboBox* m_port;
    QComboBox* m_baud;
    QLabel* m_device;
    std::array<QCheckBox*, kSwitchCount> m_switchBoxes{};
};

} // namespace v32
