#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/widgets/ButtonBase.h"

#include <QString>

namespace v32 {

// A parameter shown as a tile: its caption on top and its current value on a dark strip
// along the bottom. The owner makes tiles checkable and marks the selected parameter with
// the checked state, which the caption and the strip follow.
class ValueTile : public ButtonBase {
    Q_OBJECT

public:
    static constexpr std::uint16_t kIdleColour = palette::kGrey34;
    static constexpr std::uint16_t kActiveColour = palette::kSelectionOrange;
    static constexpr std::uint16_t kIdleStrip = palette::kGrey23;
    static constexpr std::uint16_t kActiveStrip = palette::kSeaGreen;
    static constexpr std::uint16_t kActiveTitleColour = palette::kBlack;
    static constexpr int kTitlePixelSize = 16;
    static constexpr int kMinimumStripHeight = 16;

    explicit ValueTile(QWidget* parent = nullptr, const QString& title = QString());

    QString title() const { return text(); }
    void setTitle(const QString& title) { setText(title); }

    // An empty text hides the value; the strip stays.
    void setValueText(const QString& text);
    QString valueText() const { return m_valueText; }

    QRect stripRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_valueText;
};

} // namespace v32
