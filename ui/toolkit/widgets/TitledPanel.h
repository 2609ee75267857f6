#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/widgets/ButtonBase.h"

#include <vector>

namespace v32 {

// A raised panel with a caption over a body that the owner fills. Instead of content the
// body can show a row of thin level bars, spread evenly across it.
class TitledPanel : public ButtonBase {
    Q_OBJECT

public:
    static constexpr std::uint16_t kCheckedColour = palette::kCheckedBlue;
    static constexpr std::uint16_t kBarColour = palette::kBrightGreen;
    static constexpr int kBarWidth = 4;
    static constexpr int kBarInitialValue = 50;

    explicit TitledPanel(QWidget* parent = nullptr);

    QString title() const { return text(); }
    void setTitle(const QString& title) { setText(title); }

    // The owner's content goes here; touches on the body itself reach the panel.
    QWidget* body() const { return m_body; }

    // Replaces the bars by count new ones at half height.
    void setBarCount(int count);
    int barCount() const { return static_cast<int>(m_barValues.size()); }
    // Ignored for an index at or beyond the count; values are 0 to 100.
    void setBarValue(int index, int value);
    int barValue(int index) const;
    QRect barRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int titleHeight() const;
    void layOutBody();
    void paintBar(QPainter& painter, int index) const;

    StyledWidget* m_body;
    std::vector<int> m_barValues;
};

} // namespace v32
