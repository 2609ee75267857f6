#include "platform/StartDialog.h"

#include "platform/QtStartupHost.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string_view>

namespace v32 {
namespace {

QComboBox* listAt(const QWidget& dialog, int index) {
    return dialog.findChildren<QComboBox*>().value(index);
}

QPushButton* buttonNamed(const QWidget& dialog, const char* text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == QString::fromUtf8(text)) {
            return button;
        }
    }
    return nullptr;
}

// On the box's indicator: the box may be wider than its text, and only the indicator and
// the text take clicks.
void clickBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
}

void replaceText(QComboBox* list, const QString& text) {
    list->lineEdit()->clear();
    QTest::keyClicks(list->lineEdit(), text);
}

// Runs the host's chooser and, once its dialog is up, lets act work on it.
bool chooseWith(DebugSwitches& switches, SerialSettings& serial,
                const std::function<void(QDialog&)>& act) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    QtStartupHost host;
    return host.chooseDebugSettings(switches, serial);
}

TEST(StartDialogTest, OffersThePortsAndSpeedsWithTheirDefaults) {
    const StartDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("启动"));
    EXPECT_EQ(dialog.size(), QSize(560, 350));

    QComboBox* port = listAt(dialog, 0);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(port->count(), 10);
    EXPECT_EQ(port->currentText(), QStringLiteral("COM5"));
    EXPECT_EQ(port->itemText(0), QStringLiteral("COM1")) << "the field holds the name alone";
    EXPECT_EQ(port->itemData(0, Qt::DisplayRole).toString(), QStringLiteral("COM1 (/dev/ttyUSB0)"));
    EXPECT_EQ(port->itemData(9, Qt::DisplayRole).toString(),
              QStringLiteral("COM10 (/dev/ttyUSB9)"));

    QComboBox* baud = listAt(dialog, 1);
    ASSERT_NE(baud, nullptr);
    EXPECT_EQ(baud->currentText(), QStringLiteral("128000"));
    EXPECT_EQ(baud->itemText(0), QStringLiteral("19200"));
    EXPECT_EQ(baud->itemText(1), QStringLiteral("115200"));
    for (QComboBox* list : {port, baud}) {
        EXPECT_TRUE(list->isEditable());
        EXPECT_EQ(list->lineEdit()->maxLength(), 11);
    }
}

TEST(StartDialogTest, ShowsTheDeviceThePortNameOpens) {
    StartDialog dialog;
    EXPECT_EQ(dialog.shownDevice(), QStringLiteral("/dev/ttyUSB4")) << "for COM5 at first";
    const struct {
        const char* typed;
        const char* device;
    } cases[] = {
        {"COM1", "/dev/ttyUSB0"},
        {"COM12", "/dev/ttyUSB11"},
        {"/dev/ttyS0", "/dev/ttyS0"},
        {"COM0", ""},
        {"ttyUSB0", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        replaceText(listAt(dialog, 0), QString::fromUtf8(c.typed));
        EXPECT_EQ(dialog.shownDevice(), QString::fromUtf8(c.device)) << c.typed;
    }
    listAt(dialog, 0)->setCurrentIndex(2);
    EXPECT_EQ(dialog.shownDevice(), QStringLiteral("/dev/ttyUSB2")) << "picked from the list";
}

TEST(StartDialogTest, ListsTheNineSwitchesInOrderWithOnlyTheLastChecked) {
    const StartDialog dialog;
    const QList<QCheckBox*> boxes = dialog.findChildren<QCheckBox*>();
    const char* const texts[] = {"禁用频谱",         "禁用联机锁屏",     "禁用心跳包",
                                 "禁用重连",         "打印蓝牙模块数据", "打印串口发送数据",
                                 "打印串口接收数据", "接管面板",         "打印友好的写操作"};
    ASSERT_EQ(boxes.size(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(boxes[i]->text(), QString::fromUtf8(texts[i])) << i;
        EXPECT_EQ(boxes[i]->isChecked(), i == 8) << i;
    }
}

TEST(StartDialogTest, ConfirmStoresThePortTheSpeedAndEverySwitch) {
    DebugSwitches switches;
    SerialSettings serial;
    int result = -1;
    const bool confirmed = chooseWith(switches, serial, [&](QDialog& dialog) {
        replaceText(listAt(dialog, 0), QStringLiteral("/dev/ttyS1"));
        replaceText(listAt(dialog, 1), QStringLiteral("57600"));
        const QList<QCheckBox*> boxes = dialog.findChildren<QCheckBox*>();
        for (const int box : {0, 2, 5, 7, 8}) {
            clickBox(boxes[box]);
        }
        QObject::connect(&dialog, &QDialog::finished, [&](int code) { result = code; });
        QTest::mouseClick(buttonNamed(dialog, "确认"), Qt::LeftButton);
    });

    EXPECT_TRUE(confirmed);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(std::string_view(serial.portName.data()), "/dev/ttyS1");
    EXPECT_EQ(serial.baudRate, 57600u);
    EXPECT_TRUE(switches.disable_spectrum);
    EXPECT_FALSE(switches.disable_online_lock);
    EXPECT_FALSE(switches.heartbeat) << "the checked box disables the heartbeat";
    EXPECT_FALSE(switches.disable_reconnect);
    EXPECT_FALSE(switches.print_bluetooth);
    EXPECT_TRUE(switches.print_sent);
    EXPECT_FALSE(switches.print_received);
    EXPECT_TRUE(switches.take_over_panel);
    EXPECT_FALSE(switches.print_writes) << "the click cleared the box checked at first";
}

TEST(StartDialogTest, ConfirmingTheDefaultsKeepsTheHeartbeatAndPrintsWrites) {
    DebugSwitches switches;
    switches.heartbeat = false;
    SerialSettings serial;
    const bool confirmed = chooseWith(switches, serial, [](QDialog& dialog) {
        QTest::mouseClick(buttonNamed(dialog, "确认"), Qt::LeftButton);
    });

    EXPECT_TRUE(confirmed);
    EXPECT_EQ(std::string_view(serial.portName.data()), "COM5");
    EXPECT_EQ(serial.baudRate, 128000u);
    EXPECT_TRUE(switches.heartbeat);
    EXPECT_TRUE(switches.print_writes);
    EXPECT_FALSE(switches.disable_spectrum);
}

TEST(StartDialogTest, PortNameIsCutToElevenCharacters) {
    DebugSwitches switches;
    SerialSettings serial;
    chooseWith(switches, serial, [](QDialog& dialog) {
        replaceText(listAt(dialog, 0), QStringLiteral("/dev/ttyUSB12345"));
        QTest::mouseClick(buttonNamed(dialog, "确认"), Qt::LeftButton);
    });
    EXPECT_EQ(std::string_view(serial.portName.data()), "/dev/ttyUSB");
}

TEST(StartDialogTest, CancelOrCloseEndsWithZeroAndChangesNothing) {
    const std::function<void(QDialog&)> leaveBy[] = {
        [](QDialog& dialog) { QTest::mouseClick(buttonNamed(dialog, "取消"), Qt::LeftButton); },
        [](QDialog& dialog) { dialog.close(); },
        [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
    };
    for (const auto& leave : leaveBy) {
        DebugSwitches switches;
        SerialSettings serial;
        int result = -1;
        const bool confirmed = chooseWith(switches, serial, [&](QDialog& dialog) {
            QCheckBox* spectrum = dialog.findChildren<QCheckBox*>()[0];
            clickBox(spectrum);
            EXPECT_TRUE(spectrum->isChecked());
            QObject::connect(&dialog, &QDialog::finished, [&](int code) { result = code; });
            leave(dialog);
        });
        EXPECT_FALSE(confirmed);
        EXPECT_EQ(result, 0);
        EXPECT_FALSE(switches.disable_spectrum);
        EXPECT_EQ(std::string_view(serial.portName.data()), "COM8");
    }
}

TEST(StartDialogTest, BaudRateIsTheLeadingDecimalNumber) {
    const struct {
        const char* text;
        std::uint32_t baudRate;
    } cases[] = {
        {"115200", 115200}, {" 19200 ", 19200}, {"57600x", 57600},           {"abc", 0}, {"", 0},
        {"-9600", 0},       {"99999999999", 0}, {"4294967295", 4294967295u},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StartDialog::baudRateOf(QString::fromUtf8(c.text)), c.baudRate) << c.text;
    }
}

} // namespace
} // namespace v32
