#include "ui/toolkit/textentry/TextEntryPopup.h"

#include "RecordingPage.h"
#include "ScreenRig.h"
#include "Touch.h"
#include "app/core/NativeConfig.h"
#include "ui/toolkit/framework/OverlayLayer.h"
#include "ui/toolkit/textentry/CandidatePanel.h"
#include "ui/toolkit/textentry/KeyboardEntry.h"
#include "ui/toolkit/textentry/KeyboardTextArea.h"
#include "ui/toolkit/textentry/NativeTextBox.h"
#include "ui/toolkit/widgets/ImageView.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace v32 {
namespace {

struct Committed {
    QWidget* target;
    int fieldId;
    int flags;
    QString text;
};

class TextEntryPopupTest : public testing::Test {
protected:
    void openRoot(TextEntryMode mode) {
        root = rig.makeRoot(mode);
        target = new TextLabel(&root->screenLayer(), QStringLiteral("name"));
        target->setGeometry(100, 200, 300, 50);
        target->show();
    }

    TextEntryPopup& popup() const { return root->textEntry(); }

    void open(int fieldId, std::uint32_t flags, const QString& text) {
        popup().open(
            TextEntryRequest{[this](QWidget* to, int field, int shownFlags, const QString& typed) {
                                 committed.push_back({to, field, shownFlags, typed});
                             },
                             target, fieldId, flags, std::nullopt, text});
    }

    // A touch on the screen outside every part of the entry.
    void touchOutside() { touch(*root, QPoint(5, 5)); }

    ScreenRig rig;
    std::unique_ptr<RootScreen> root;
    TextLabel* target = nullptr;
    std::vector<Committed> committed;
};

TEST(TextEntryModeTest, TheKeyboardKeyChoosesTheOnScreenKeyboard) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("nativecfg.ini"));
    const struct {
        const char* contents;
        TextEntryMode mode;
    } cases[] = {
        {"[app]\nKEYBOARD=screen\n", TextEntryMode::OnScreenKeyboard},
        {"[APP]\nkeyboard = screen\n", TextEntryMode::OnScreenKeyboard},
        {"[app]\nKEYBOARD=native\n", TextEntryMode::NativeBox},
        {"[app]\nKEYBOARD=\n", TextEntryMode::NativeBox},
        {"[app]\nLANG=en\n", TextEntryMode::NativeBox},
        {"[other]\nKEYBOARD=screen\n", TextEntryMode::NativeBox},
    };
    for (const auto& testCase : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(testCase.contents);
        file.close();
        EXPECT_EQ(readTextEntryMode(NativeConfig(path.toStdString())), testCase.mode)
            << testCase.contents;
    }
    EXPECT_EQ(readTextEntryMode(NativeConfig(folder.filePath("missing.ini").toStdString())),
              TextEntryMode::NativeBox);
}

TEST_F(TextEntryPopupTest, TheNativeBoxLiesOverTheTargetWithTheTextSelected) {
    openRoot(TextEntryMode::NativeBox);
    open(6000, 0, QStringLiteral("Kick"));
    NativeTextBox* box = popup().nativeBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->geometry().topLeft(), QPoint(100, 200));
    EXPECT_EQ(box->width(), 300);
    EXPECT_GE(box->height(), 50);
    EXPECT_EQ(box->text(), QStringLiteral("Kick"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("Kick"));
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_TRUE(box->testAttribute(Qt::WA_InputMethodEnabled)) << "input methods stay on";
    EXPECT_FALSE(popup().editIcon()->isVisible()) << "no one takes entries over";
}

TEST_F(TextEntryPopupTest, EnterCommitsWithTheLowFlagsAndEscapeCancels) {
    openRoot(TextEntryMode::NativeBox);
    open(6000, 0x0142, QStringLiteral("old"));
    QTest::keyClicks(popup().nativeBox(), QStringLiteral("Snare"));
    QTest::keyClick(popup().nativeBox(), Qt::Key_Return);
    ASSERT_EQ(committed.size(), 1u);
    EXPECT_EQ(committed[0].target, target);
    EXPECT_EQ(committed[0].fieldId, 6000);
    EXPECT_EQ(committed[0].flags, 0x42);
    EXPECT_EQ(committed[0].text, QStringLiteral("Snare"));
    EXPECT_FALSE(popup().isOpen());
    EXPECT_FALSE(popup().nativeBox()->isVisible());
    EXPECT_FALSE(popup().catcher()->isVisible());

    open(6000, 0, QStringLiteral("old"));
    QTest::keyClicks(popup().nativeBox(), QStringLiteral("Tom"));
    QTest::keyClick(popup().nativeBox(), Qt::Key_Escape);
    EXPECT_EQ(committed.size(), 1u);
    EXPECT_FALSE(popup().isOpen());
    EXPECT_FALSE(popup().nativeBox()->isVisible());
}

TEST_F(TextEntryPopupTest, TypingStopsOnceTheTextHoldsMoreThanThirtyCharacters) {
    openRoot(TextEntryMode::NativeBox);
    open(6000, 0, QString());
    NativeTextBox* box = popup().nativeBox();
    QTest::keyClicks(box, QString(40, QLatin1Char('a')));
    EXPECT_EQ(box->text().size(), 31) << "the 31st character is still taken, the 32nd not";

    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QStringLiteral("xyz"));
    EXPECT_EQ(box->text(), QString(29, QLatin1Char('a')) + QStringLiteral("xy"));

    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("new"));
    EXPECT_EQ(box->text(), QStringLiteral("new")) << "typing over a selection replaces it";
}

TEST_F(TextEntryPopupTest, CarriageReturnsAreRemovedAndEmptyTextNeedsItsFlag) {
    openRoot(TextEntryMode::NativeBox);
    const struct {
        QString typed;
        std::uint32_t flags;
        bool calls;
        QString handed;
    } cases[] = {
        {QStringLiteral("a\rb\r"), 0, true, QStringLiteral("ab")},
        {QString(), 0, false, {}},
        {QStringLiteral("\r\r"), 0, false, {}},
        {QString(), TextEntryPopup::kAllowEmpty, true, QString()},
        {QString(300, QLatin1Char('z')), 0, true, QString(255, QLatin1Char('z'))},
    };
    for (const auto& testCase : cases) {
        committed.clear();
        open(6001, testCase.flags, QString());
        popup().nativeBox()->setText(testCase.typed);
        popup().commit();
        ASSERT_EQ(committed.size(), testCase.calls ? 1u : 0u) << testCase.typed.toStdString();
        if (testCase.calls) {
            EXPECT_EQ(committed[0].text, testCase.handed);
            EXPECT_EQ(committed[0].flags, 0);
        }
        EXPECT_FALSE(popup().isOpen());
    }
}

TEST_F(TextEntryPopupTest, ATouchOutsideCommitsOnlyWithBit15) {
    openRoot(TextEntryMode::NativeBox);
    open(6000, 0, QStringLiteral("kept"));
    touchOutside();
    EXPECT_TRUE(committed.empty());
    EXPECT_FALSE(popup().isOpen());

    open(6000, TextEntryPopup::kCommitOnOutsideTouch, QStringLiteral("kept"));
    touchOutside();
    ASSERT_EQ(committed.size(), 1u);
    EXPECT_EQ(committed[0].text, QStringLiteral("kept"));
}

TEST_F(TextEntryPopupTest, APageSwitchClosesTheEntry) {
    QStringList journal;
    rig.registry.install(PageId::Home, recordingFactory(journal));
    openRoot(TextEntryMode::NativeBox);
    open(6000, TextEntryPopup::kCommitOnOutsideTouch, QStringLiteral("typed"));
    root->openPage(PageId::Home, OpenArgument::tab(0));
    EXPECT_FALSE(popup().isOpen());
    EXPECT_FALSE(popup().nativeBox()->isVisible());
    EXPECT_TRUE(committed.empty()) << "switching pages drops the entry";
}

TEST_F(TextEntryPopupTest, TheEditIconHandsTheRequestOver) {
    openRoot(TextEntryMode::NativeBox);
    std::vector<int> takenOver;
    popup().setEditIconHook([&](QWidget* to, int fieldId, std::uint32_t flags) {
        EXPECT_EQ(to, target);
        EXPECT_EQ(flags, 0x8001u);
        takenOver.push_back(fieldId);
    });
    open(6002, 0x8001, QStringLiteral("x"));
    ImageView* icon = popup().editIcon();
    ASSERT_TRUE(icon->isVisible());
    EXPECT_GT(icon->x(), popup().nativeBox()->geometry().right());
    touch(*root, *icon);
    EXPECT_EQ(takenOver, std::vector<int>{6002});
}

TEST_F(TextEntryPopupTest, TheKeyboardTakesNamesAboveTheLastParameterAndNumbersUpToIt) {
    openRoot(TextEntryMode::OnScreenKeyboard);
    const struct {
        int fieldId;
        bool oneLine;
        KeyboardMode mode;
        int height;
    } cases[] = {
        {5863, false, KeyboardMode::TextLower, 140},
        {9000, false, KeyboardMode::TextLower, 140},
        {5862, true, KeyboardMode::Number, 72},
        {0, true, KeyboardMode::Number, 72},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.fieldId);
        open(testCase.fieldId, 0, QStringLiteral("12"));
        KeyboardEntry* entry = popup().keyboardEntry();
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(popup().nativeBox(), nullptr);
        EXPECT_EQ(entry->textArea().isOneLine(), testCase.oneLine);
        EXPECT_EQ(entry->keyboard().mode(), testCase.mode);
        EXPECT_EQ(entry->textArea().height(), testCase.height);
        EXPECT_EQ(entry->textArea().width(), 384) << "30 % of the screen";
        EXPECT_EQ(entry->textArea().text(), QStringLiteral("12"));
        EXPECT_TRUE(entry->keyboard().isVisible());
        EXPECT_EQ(entry->candidatePanel().isVisible(), !testCase.oneLine);
        EXPECT_EQ(popup().catcher()->boxStyle().backgroundOpacity, 178);
        popup().cancel();
        EXPECT_FALSE(entry->keyboard().isVisible());
    }
}

TEST_F(TextEntryPopupTest, KeyboardKeysTypeAndTheOkKeyCommits) {
    openRoot(TextEntryMode::OnScreenKeyboard);
    open(100, 0, QString());
    KeyboardEntry& entry = *popup().keyboardEntry();
    const auto press = [&](const QString& name) {
        for (TextLabel* key : entry.keyboard().keys()) {
            if (key->accessibleName() == name) {
                touch(*root, *key);
                return;
            }
        }
        ADD_FAILURE() << "no key " << name.toStdString();
    };
    press(QStringLiteral("7"));
    press(QStringLiteral("5"));
    press(QStringLiteral("Change sign"));
    press(QStringLiteral("Backspace"));
    press(QStringLiteral("0"));
    EXPECT_EQ(entry.textArea().text(), QStringLiteral("-70"));
    press(QStringLiteral("OK"));
    ASSERT_EQ(committed.size(), 1u);
    EXPECT_EQ(committed[0].text, QStringLiteral("-70"));
}

TEST_F(TextEntryPopupTest, TheKeyboardsTextIsCutAtItsLength) {
    openRoot(TextEntryMode::OnScreenKeyboard);
    open(6000, 0, QString(40, QLatin1Char('n')));
    KeyboardTextArea& area = popup().keyboardEntry()->textArea();
    EXPECT_EQ(area.text().size(), KeyboardTextArea::kMaxLength);
    QTest::keyClicks(&area, QStringLiteral("more"));
    EXPECT_EQ(area.text().size(), KeyboardTextArea::kMaxLength);
    QTest::keyClick(&area, Qt::Key_Escape);
    EXPECT_FALSE(popup().isOpen());
}

TEST_F(TextEntryPopupTest, PinyinLettersBecomeTheChosenWord) {
    openRoot(TextEntryMode::OnScreenKeyboard);
    open(6000, 0, QStringLiteral("A"));
    KeyboardEntry& entry = *popup().keyboardEntry();
    OnScreenKeyboard& keyboard = entry.keyboard();
    for (const char* letter : {"n", "i", "h", "a", "o"}) {
        emit keyboard.keyActivated(KeyAction::Insert, QString::fromLatin1(letter));
    }
    EXPECT_EQ(entry.textArea().text(), QStringLiteral("Anihao"));
    EXPECT_EQ(entry.inputMethod().letters(), QStringLiteral("nihao"));
    ASSERT_FALSE(entry.candidatePanel().shownCandidates().isEmpty());
    EXPECT_EQ(entry.candidatePanel().shownCandidates().front(), QStringLiteral("你好"));

    emit keyboard.keyActivated(KeyAction::Backspace, QString());
    emit keyboard.keyActivated(KeyAction::Backspace, QString());
    emit keyboard.keyActivated(KeyAction::Backspace, QString());
    EXPECT_EQ(entry.inputMethod().letters(), QStringLiteral("ni"));
    EXPECT_EQ(entry.candidatePanel().shownCandidates().mid(0, 3),
              QStringList({"你", "泥", "你好"}));

    emit entry.candidatePanel().candidateChosen(QStringLiteral("泥"));
    EXPECT_EQ(entry.textArea().text(), QStringLiteral("A泥"));
    EXPECT_FALSE(entry.inputMethod().isComposing());
    EXPECT_TRUE(entry.candidatePanel().candidates().isEmpty());

    emit keyboard.keyActivated(KeyAction::Insert, QStringLiteral("h"));
    emit keyboard.keyActivated(KeyAction::Insert, QStringLiteral(" "));
    EXPECT_FALSE(entry.inputMethod().isComposing()) << "a space ends the pinyin as typed";
    EXPECT_EQ(entry.textArea().text(), QStringLiteral("A泥h "));
}

} // namespace
} // namespace v32
