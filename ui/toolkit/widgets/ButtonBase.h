#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace v32 {

// How a button face is filled: a colour fading down to a second one, and its border.
struct ButtonLook {
    std::uint16_t background;
    std::uint16_t gradient;
    std::uint16_t border;
    int borderOpacity;
};

// What the push buttons, flat buttons, tiles and panels share: a caption, a pressed and a
// checked look, toggling on click when checkable, and an optional level bar along the
// bottom edge. Checkable buttons change their own checked state before clicked() reaches
// the owner, so that the owner reads the new state.
class ButtonBase : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kRadius = 4;
    static constexpr int kBorderOpacity = 102;
    static constexpr std::uint16_t kTextColour = palette::kWhite;
    static constexpr int kBottomBarHeight = 8;
    static constexpr std::uint16_t kBottomBarBackground = palette::kGrey23;
    static constexpr std::uint16_t kBottomBarIndicator = palette::kGreen;

    QString text() const { return m_text; }
    void setText(const QString& text);

    bool isCheckable() const { return m_checkable; }
    void setCheckable(bool checkable) { m_checkable = checkable; }

    bool isPressed() const { return m_pressed; }
    // Pressed or checked: the state in which the active look is shown.
    bool isActive() const { return m_pressed || isChecked(); }

    // A bar along the bottom edge showing 0 to 100 %; created on first use.
    void setBottomBar(int percent);
    std::optional<int> bottomBar() const { return m_bottomBar; }

    QSize sizeHint() const override;

protected:
    ButtonBase(QWidget* parent, QSize defaultSize, const ButtonLook& idle,
               const ButtonLook& active);

    void setActiveLook(const ButtonLook& look);
    const ButtonLook& currentLook() const { return isActive() ? m_active : m_idle; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    void paintFace(QPainter& painter, const ButtonLook& look) const;
    void paintCaption(QPainter& painter, const QRect& area) const;
    void paintBottomBar(QPainter& painter) const;

private:
    void setPressed(bool pressed);

    ButtonLook m_idle;
    ButtonLook m_active;
    QString m_text;
    std::optional<int> m_bottomBar;
    QSize m_defaultSize;
    bool m_checkable = false;
    bool m_pressed = false;
};

} // namespace v32
