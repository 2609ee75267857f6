#include "ui/pages/home/BankGrid.h"

#include "app/model/ChannelSlot.h"
#include "ui/pages/home/BankCell.h"
#include "ui/toolkit/widgets/BriefStrip.h"

#include <QEvent>
#include <QGridLayout>

namespace v32 {

namespace {

constexpr char kCellProperty[] = "bankCell";

} // namespace

BankGrid::BankGrid(FontCache& fonts, ImageCache& images, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain()) {
    setAccessibleRole(QAccessible::Grouping);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(kSpacing);
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        auto* cell = new BankCell(fonts, images, this);
        m_cells[static_cast<std::size_t>(index)] = cell;
        // Kept in place while hidden, so that an empty cell leaves its gap in the grid.
        QSizePolicy policy = cell->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        cell->setSizePolicy(policy);
        grid->addWidget(cell, index / BankLayout::kColumns, index % BankLayout::kColumns);
        connect(&cell->strip(), &BriefStrip::actionTaken, this,
                [this, index](BriefStrip::Action action) {
                    if (m_onAction) {
                        m_onAction(index, action);
                    }
                });
    }
    for (int column = 0; column < BankLayout::kColumns; ++column) {
        grid->setColumnStretch(column, 1);
    }
    for (int row = 0; row < BankLayout::kRows; ++row) {
        grid->setRowStretch(row, 1);
    }
}

void BankGrid::layOut(int bank) {
    const BankLayout layout(bank);
    if (layout.bank() < 0) {
        return;
    }
    m_layout = layout;
    for (int index = 0; index < BankLayout::kCellCount; ++index) {
        BankCell& target = cell(index);
        target.setChannel(m_layout.channelAt(index));
        // A new channel kind can bring new parts into the strip.
        watchTouches(target, index);
    }
}

BankCell* BankGrid::cellOf(Channel channel) const {
    const int index = m_layout.cellOfSlot(ChannelSlot::of(channel));
    return index < 0 ? nullptr : &cell(index);
}

void BankGrid::watchTouches(QWidget& widget, int cell) {
    widget.setProperty(kCellProperty, cell);
    widget.installEventFilter(this);
    for (QWidget* child : widget.findChildren<QWidget*>()) {
        child->setProperty(kCellProperty, cell);
        child->installEventFilter(this);
    }
}

// Any touch on a cell selects it, whether or not a part of the strip takes the touch.
bool BankGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && m_onTouch) {
        const QVariant cell = watched->property(kCellProperty);
        if (cell.isValid()) {
            m_onTouch(cell.toInt());
        }
    }
    return StyledWidget::eventFilter(watched, event);
}

} // namespace v32
