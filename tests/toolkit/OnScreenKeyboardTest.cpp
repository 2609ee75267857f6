#include "ui/toolkit/textentry/OnScreenKeyboard.h"

#include "ui/toolkit/widgets/TextLabel.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace v32 {
namespace {

QStringList captionsOf(OnScreenKeyboard& keyboard, KeyboardMode mode) {
    keyboard.setMode(mode);
    QStringList captions;
    for (const TextLabel* key : keyboard.keys()) {
        captions.append(key->text());
    }
    return captions;
}

// Shift changes the case of the letters and nothing else: every key stays where the finger
// expects it, only the key that switches back reads "abc" instead of "ABC".
TEST(OnScreenKeyboardTest, CapitalsAreTheLettersLayoutInUpperCase) {
    OnScreenKeyboard keyboard;
    const QStringList lower = captionsOf(keyboard, KeyboardMode::TextLower);
    const QStringList upper = captionsOf(keyboard, KeyboardMode::TextUpper);
    ASSERT_EQ(upper.size(), lower.size());
    for (qsizetype i = 0; i < lower.size(); ++i) {
        if (lower[i] == QStringLiteral("ABC")) {
            EXPECT_EQ(upper[i], QStringLiteral("abc"));
        } else {
            EXPECT_EQ(upper[i], lower[i].toUpper()) << "key " << i;
        }
    }
}

} // namespace
} // namespace v32
