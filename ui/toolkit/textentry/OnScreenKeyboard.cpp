#include "ui/toolkit/textentry/OnScreenKeyboard.h"

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <span>

namespace v32 {

namespace {

constexpr std::uint16_t kKeyboardBackground = palette::kGrey9;
constexpr std::uint16_t kCharacterKey = palette::kGrey29;
constexpr std::uint16_t kControlKey = palette::kGrey15;
constexpr std::uint16_t kOkKey = palette::kDarkGreen;
constexpr int kGap = 6;
constexpr int kPadding = 8;
constexpr int kKeyRadius = 6;

struct Key {
    const char* caption;
    KeyAction action;
    int width;
    // For keys whose caption is a symbol: what a person hears it called.
    const char* spokenName = nullptr;
};

constexpr Key insert(const char* caption, int width = 1) {
    return {caption, KeyAction::Insert, width};
}

constexpr Key kBackspace{"\u232B", KeyAction::Backspace, 2, "Backspace"};
constexpr Key kEnter{"\u21B5", KeyAction::Enter, 2, "Enter"};
constexpr Key kClose{"\u2328", KeyAction::Close, 2, "Close keyboard"};
constexpr Key kLeft{"\u2190", KeyAction::Left, 2, "Left"};
constexpr Key kRight{"\u2192", KeyAction::Right, 2, "Right"};
constexpr Key kOk{"\u2713", KeyAction::Ok, 2, "OK"};
constexpr Key kSpace{" ", KeyAction::Insert, 6, "Space"};
constexpr Key kEndOfRow{nullptr, KeyAction::Insert, 0};

// Rows are ended by kEndOfRow; a layout by two of them.
constexpr Key kLowerLayout[] = {{"1#", KeyAction::ShowSymbols, 2},
                                insert("q"),
                                insert("w"),
                                insert("e"),
                                insert("r"),
                                insert("t"),
                                insert("y"),
                                insert("u"),
                                insert("i"),
                                insert("o"),
                                insert("p"),
                                kBackspace,
                                kEndOfRow,
                                {"ABC", KeyAction::ShowUpper, 2},
                                insert("a"),
                                insert("s"),
                                insert("d"),
                                insert("f"),
                                insert("g"),
                                insert("h"),
                                insert("j"),
                                insert("k"),
                                insert("l"),
                                kEnter,
                                kEndOfRow,
                                insert("_"),
                                insert("-"),
                                insert("z"),
                                insert("x"),
                                insert("c"),
                                insert("v"),
                                insert("b"),
                                insert("n"),
                                insert("m"),
                                insert("."),
                                insert(","),
                                insert(":"),
                                kEndOfRow,
                                kClose,
                                kLeft,
                                kSpace,
                                kRight,
                                kOk,
                                kEndOfRow,
                                kEndOfRow};

constexpr Key kSymbolLayout[] = {insert("1"),
                                 insert("2"),
                                 insert("3"),
                                 insert("4"),
                                 insert("5"),
                                 insert("6"),
                                 insert("7"),
                                 insert("8"),
                                 insert("9"),
                                 insert("0"),
                                 kBackspace,
                                 kEndOfRow,
                                 {"abc", KeyAction::ShowLower, 2},
                                 insert("+"),
                                 insert("-"),
                                 insert("/"),
                                 insert("*"),
                                 insert("="),
                                 insert("%"),
                                 insert("!"),
                                 insert("?"),
                                 insert("#"),
                                 insert("<"),
                                 insert(">"),
                                 kEndOfRow,
                                 insert("\\"),
                                 insert("@"),
                                 insert("$"),
                                 insert("("),
                                 insert(")"),
                                 insert("{"),
                                 insert("}"),
                                 insert("["),
                                 insert("]"),
                                 insert(";"),
                                 insert("\""),
                                 insert("'"),
                                 kEndOfRow,
                                 kClose,
                                 kLeft,
                                 kSpace,
                                 kRight,
                                 kOk,
                                 kEndOfRow,
                                 kEndOfRow};

constexpr Key kNumberLayout[] = {insert("1"),
                                 insert("2"),
                                 insert("3"),
                                 {kClose.caption, KeyAction::Close, 1, "Close keyboard"},
                                 kEndOfRow,
                                 insert("4"),
                                 insert("5"),
                                 insert("6"),
                                 {kOk.caption, KeyAction::Ok, 1, "OK"},
                                 kEndOfRow,
                                 insert("7"),
                                 insert("8"),
                                 insert("9"),
                                 {kBackspace.caption, KeyAction::Backspace, 1, "Backspace"},
                                 kEndOfRow,
                                 {"+/-", KeyAction::ToggleSign, 1, "Change sign"},
                                 insert("0"),
                                 insert("."),
                                 {kLeft.caption, KeyAction::Left, 1, "Left"},
                                 {kRight.caption, KeyAction::Right, 1, "Right"},
                                 kEndOfRow,
                                 kEndOfRow};

// The capitals are the letters layout with shift applied, so that no key can move between
// the two.
std::span<const Key> layoutOf(KeyboardMode mode) {
    switch (mode) {
    case KeyboardMode::TextLower:
    case KeyboardMode::TextUpper:
        return kLowerLayout;
    case KeyboardMode::Symbols:
        return kSymbolLayout;
    case KeyboardMode::Number:
        return kNumberLayout;
    }
    return kLowerLayout;
}

std::uint16_t backgroundOf(KeyAction action) {
    switch (action) {
    case KeyAction::Insert:
        return kCharacterKey;
    case KeyAction::Ok:
        return kOkKey;
    default:
        return kControlKey;
    }
}

// What a key of the layout shows and does in the mode: with capitals on, the letters are
// typed in upper case and the shift key leads back to the small letters.
struct KeyFace {
    QString caption;
    KeyAction action;
};

KeyFace faceOf(const Key& key, KeyboardMode mode) {
    const QString caption = QString::fromUtf8(key.caption);
    if (mode != KeyboardMode::TextUpper) {
        return {caption, key.action};
    }
    if (key.action == KeyAction::ShowUpper) {
        return {QStringLiteral("abc"), KeyAction::ShowLower};
    }
    return {key.action == KeyAction::Insert ? caption.toUpper() : caption, key.action};
}

} // namespace

OnScreenKeyboard::OnScreenKeyboard(QWidget* parent)
    : StyledWidget(parent, QSize(1280, 400), BoxStyle::plain())
    , m_rows(applyFlexStyle(*this, FlexFlow::Column, FlexAlign::Start, FlexAlign::Start,
                            FlexAlign::Start, kGap)) {
    setAccessibleName(QStringLiteral("keyboard"));
    setBackground(kKeyboardBackground);
    setPadding(kPadding);
    build();
}

void OnScreenKeyboard::setMode(KeyboardMode mode) {
    if (mode != m_mode) {
        m_mode = mode;
        build();
    }
}

void OnScreenKeyboard::setKeyFont(const QFont& font) {
    m_keyFont = font;
    for (TextLabel* key : m_keys) {
        key->setFont(font);
    }
}

void OnScreenKeyboard::build() {
    // Hidden at once: the deletion waits for the event loop, and the key being pressed
    // may be one of these.
    for (QWidget* row : m_rowWidgets) {
        m_rows->removeWidget(row);
        row->hide();
        row->deleteLater();
    }
    m_rowWidgets.clear();
    m_keys.clear();
    QWidget* row = nullptr;
    FlexLayout* rowLayout = nullptr;
    for (const Key& key : layoutOf(m_mode)) {
        if (key.caption == nullptr) {
            row = nullptr;
            continue;
        }
        if (row == nullptr) {
            // Ignored heights leave all the space to the equal shares of the rows.
            auto* rowWidget = new StyledWidget(this, QSize(), BoxStyle::plain());
            rowWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
            applyBoxStyle(*rowWidget, {.width = kContentSize, .height = grow(1)});
            rowLayout = applyFlexStyle(*rowWidget, FlexFlow::Row, FlexAlign::Start,
                                       FlexAlign::Start, FlexAlign::Start, kGap);
            m_rows->addWidget(rowWidget);
            m_rowWidgets.push_back(rowWidget);
            row = rowWidget;
        }
        const KeyFace face = faceOf(key, m_mode);
        auto* button = new TextLabel(row, face.caption);
        button->setFont(m_keyFont);
        button->setClickable(true);
        if (key.spokenName != nullptr) {
            button->setAccessibleName(QString::fromUtf8(key.spokenName));
        }
        // Widths are the keys' shares of the row alone, whatever their captions.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
        applyBoxStyle(*button, {.width = grow(key.width),
                                .height = kContentSize,
                                .backgroundOpacity = 255,
                                .background = backgroundOf(face.action),
                                .radius = kKeyRadius});
        connect(button, &StyledWidget::clicked, this,
                [this, action = face.action, typed = face.caption] { activate(action, typed); });
        rowLayout->addWidget(button);
        m_keys.push_back(button);
    }
    for (QWidget* built : m_rowWidgets) {
        built->show();
    }
}

void OnScreenKeyboard::activate(KeyAction action, const QString& text) {
    switch (action) {
    case KeyAction::ShowLower:
        setMode(KeyboardMode::TextLower);
        break;
    case KeyAction::ShowUpper:
        setMode(KeyboardMode::TextUpper);
        break;
    case KeyAction::ShowSymbols:
        setMode(KeyboardMode::Symbols);
        break;
    default:
        break;
    }
    emit keyActivated(action, text);
}

} // namespace v32
