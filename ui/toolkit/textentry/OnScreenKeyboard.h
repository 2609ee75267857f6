#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <QString>
#include <vector>

namespace v32 {

class FlexLayout;
class TextLabel;

enum class KeyboardMode {
    TextLower,
    TextUpper,
    Symbols,
    Number,
};

enum class KeyAction {
    Insert,
    Backspace,
    Enter,
    Left,
    Right,
    Close,
    Ok,
    ToggleSign,
    ShowLower,
    ShowUpper,
    ShowSymbols,
};

// Keys for a touch screen: three text layouts (small letters, capitals, digits and symbols)
// and a number pad. The mode keys switch layouts themselves; every key, those included,
// is reported through keyActivated().
class OnScreenKeyboard : public StyledWidget {
    Q_OBJECT

public:
    explicit OnScreenKeyboard(QWidget* parent = nullptr);

    KeyboardMode mode() const { return m_mode; }
    void setMode(KeyboardMode mode);
    void setKeyFont(const QFont& font);

    // The key widgets of the current layout, row by row.
    const std::vector<TextLabel*>& keys() const { return m_keys; }

signals:
    // text is what an Insert key types.
    void keyActivated(KeyAction action, const QString& text);

private:
    void build();
    void activate(KeyAction action, const QString& text);

    KeyboardMode m_mode = KeyboardMode::TextLower;
    FlexLayout* m_rows;
    std::vector<QWidget*> m_rowWidgets;
    std::vector<TextLabel*> m_keys;
    QFont m_keyFont;
};

} // namespace v32
