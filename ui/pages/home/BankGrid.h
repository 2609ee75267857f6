#pragma once

#include "app/model/BankLayout.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <array>
#include <functional>

namespace v32 {

class BankCell;
class FontCache;
class ImageCache;

// The bank overview's 7 x 2 cells, laid out for one bank at a time. It tells its owner what
// the user does on a cell's strip, and that a cell was touched anywhere, which selects it.
class BankGrid : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kSpacing = 4;

    using ActionHandler = std::function<void(int cell, int action)>;
    using TouchHandler = std::function<void(int cell)>;

    BankGrid(FontCache& fonts, ImageCache& images, QWidget* parent = nullptr);

    void setActionHandler(ActionHandler handler) { m_onAction = std::move(handler); }
    void setTouchHandler(TouchHandler handler) { m_onTouch = std::move(handler); }

    // Gives every cell its channel of the bank (none for the cells the bank leaves empty).
    void layOut(int bank);
    const BankLayout& layout() const { return m_layout; }

    BankCell& cell(int index) const { return *m_cells[static_cast<std::size_t>(index)]; }
    // Null when the channel has no cell here.
    BankCell* cellOf(Channel channel) const;
    // -1 when the slot has no cell here.
    int cellIndexOfSlot(int slot) const { return m_layout.cellOfSlot(slot); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchTouches(QWidget& widget, int cell);

    std::array<BankCell*, BankLayout::kCellCount> m_cells{};
    BankLayout m_layout{-1};
    ActionHandler m_onAction;
    TouchHandler m_onTouch;
};

} // namespace v32
