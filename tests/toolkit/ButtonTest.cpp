#include "ui/toolkit/widgets/Button.h"

#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/widgets/FlatButton.h"
#include "ui/toolkit/widgets/ValueTile.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace v32 {
namespace {

QImage rendered(QWidget& widget) {
    QImage picture(widget.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::black);
    widget.render(&picture);
    return picture;
}

// Colours are compared per channel with a little room for the gradient's rounding.
void expectNear(const QColor& actual, const QColor& expected, int tolerance) {
    EXPECT_NEAR(actual.red(), expected.red(), tolerance);
    EXPECT_NEAR(actual.green(), expected.green(), tolerance);
    EXPECT_NEAR(actual.blue(), expected.blue(), tolerance);
}

TEST(Button, ACheckableButtonHasToggledBeforeTheOwnerHearsTheClick) {
    Button button(nullptr, QStringLiteral("MUTE"));
    button.setCheckable(true);
    std::vector<bool> seen;
    QObject::connect(&button, &StyledWidget::clicked, [&] { seen.push_back(button.isChecked()); });
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(Button, APlainButtonStaysUncheckedAndAReleaseOutsideIsNoClick) {
    Button button(nullptr, QStringLiteral("ENTER"));
    QSignalSpy clicks(&button, &StyledWidget::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(button.isChecked());
    EXPECT_EQ(clicks.count(), 1);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button.isPressed());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_FALSE(button.isPressed());
    EXPECT_EQ(clicks.count(), 1);
}

TEST(Button, EachColourLightsTheCheckedFaceFromTopToBottom) {
    struct Case {
        ButtonColour colour;
        std::uint16_t top;
        std::uint16_t bottom;
    };
    const Case cases[] = {
        {ButtonColour::Blue, 0x34DF, 0x020F},   {ButtonColour::Red, 0xE002, 0x7800},
        {ButtonColour::Orange, 0xF4C0, 0x6A40}, {ButtonColour::Teal, 0x156C, 0x0286},
        {ButtonColour::Green, 0x2567, 0x0300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.colour));
        Button button;
        button.resize(80, 100);
        button.setColour(c.colour);
        button.setChecked(true);
        const QImage face = rendered(button);
        expectNear(face.pixelColor(40, 2), rgb565ToColor(c.top), 8);
        expectNear(face.pixelColor(40, 97), rgb565ToColor(c.bottom), 8);
    }
    Button idle;
    idle.resize(80, 100);
    expectNear(rendered(idle).pixelColor(40, 2), rgb565ToColor(Button::kIdleBackground), 8);
}

TEST(FlatButton, EachColourFillsThePressedFace) {
    struct Case {
        FlatButtonColour colour;
        std::uint16_t fill;
        std::uint16_t border;
    };
    const Case cases[] = {
        {FlatButtonColour::Blue, 0x34DF, 0x061E},   {FlatButtonColour::Red, 0xE002, 0x061E},
        {FlatButtonColour::Orange, 0xF4C0, 0x061E}, {FlatButtonColour::Teal, 0x156C, 0x061E},
        {FlatButtonColour::Green, 0x2567, 0x061E},  {FlatButtonColour::DarkGreen, 0x12E3, 0x1E26},
        {FlatButtonColour::Purple, 0x8050, 0xC8D9}, {FlatButtonColour::Gold, 0xE505, 0xFEE5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.colour));
        FlatButton button;
        button.setColour(c.colour);
        QTest::mousePress(&button, Qt::LeftButton);
        const QImage face = rendered(button);
        QTest::mouseRelease(&button, Qt::LeftButton);
        EXPECT_EQ(face.pixelColor(40, 20), rgb565ToColor(c.fill));
        expectNear(face.pixelColor(40, 0), rgb565ToColor(c.border), 24);
    }
    FlatButton idle;
    EXPECT_EQ(rendered(idle).pixelColor(40, 20), rgb565ToColor(FlatButton::kIdleBackground));
}

TEST(Button, TheBottomBarShowsItsShareOfTheWidth) {
    Button button;
    button.resize(100, 40);
    EXPECT_FALSE(button.bottomBar().has_value());
    button.setBottomBar(150);
    EXPECT_EQ(button.bottomBar(), 100);
    button.setBottomBar(30);
    const QImage face = rendered(button);
    EXPECT_EQ(face.pixelColor(20, 36), rgb565ToColor(ButtonBase::kBottomBarIndicator));
    EXPECT_EQ(face.pixelColor(60, 36), rgb565ToColor(ButtonBase::kBottomBarBackground));
}

TEST(Button, AssistiveToolsReadTheCaptionAndTheCheckedState) {
    Button button(nullptr, QStringLiteral("SOLO"));
    button.setChecked(true);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("SOLO"));
    EXPECT_TRUE(accessible->state().checked);
}

TEST(ValueTile, TheStripFollowsTheCheckedStateAndAnEmptyValueShowsNone) {
    ValueTile tile(nullptr, QStringLiteral("FREQ"));
    tile.setValueText(QStringLiteral("1.0kHz"));
    EXPECT_EQ(tile.accessibleName(), QStringLiteral("FREQ"));
    EXPECT_EQ(tile.accessibleDescription(), QStringLiteral("1.0kHz"));
    const QRect strip = tile.stripRect();
    EXPECT_GE(strip.height(), ValueTile::kMinimumStripHeight);
    EXPECT_EQ(strip.bottom(), tile.height() - 1);

    tile.setValueText(QString());
    const QPoint stripMiddle = strip.center();
    EXPECT_EQ(rendered(tile).pixelColor(stripMiddle), rgb565ToColor(ValueTile::kIdleStrip));
    tile.setChecked(true);
    const QImage checked = rendered(tile);
    EXPECT_EQ(checked.pixelColor(stripMiddle), rgb565ToColor(ValueTile::kActiveStrip));
    EXPECT_EQ(checked.pixelColor(4, 4), rgb565ToColor(ValueTile::kActiveColour));
}

} // namespace
} // namespace v32
