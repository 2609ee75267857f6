#pragma once

#include "ui/toolkit/framework/OverlayLayer.h"
#include "ui/toolkit/style/Palette.h"

#include <functional>

namespace v32 {

class Button;
class FontCache;
class TextLabel;

// Asks before phantom power is switched on, over everything beneath it: "NO" and "YES" both
// close it, and only YES runs what was asked for.
class PhantomConfirmation : public OverlayLayer {
    Q_OBJECT

public:
    static constexpr int kDimOpacity = 178;
    static constexpr std::uint16_t kPanelBackground = palette::kThemeBackground;
    static constexpr std::uint16_t kPanelBorder = palette::kButtonRed;

    PhantomConfirmation(QWidget* parent, FontCache& fonts);

    // Replaces whatever an earlier question would have run.
    void ask(std::function<void()> onYes);
    // Closes without running anything.
    void dismiss();
    bool isAsking() const { return isVisible(); }

    Button& noButton() const { return *m_no; }
    Button& yesButton() const { return *m_yes; }
    TextLabel& question() const { return *m_question; }

private:
    void answer(bool yes);

    TextLabel* m_question;
    Button* m_no;
    Button* m_yes;
    std::function<void()> m_onYes;
};

} // namespace v32
