#pragma once

#include "ui/toolkit/GateEnvelope.h"
#include "ui/toolkit/StyledWidget.h"

#include <QTimer>
#include <cstdint>
#include <vector>

namespace v32 {

class FontCache;

// The gate's envelope over time with its three draggable corners. Dragging emits
// valueChanged(); the owner reads the threshold and the times and writes the
// parameters. A disabled graph shows the envelope's area dimmed and takes no touches.
// Redraws are held to one per 100 ms.
class GateGraph : public StyledWidget {
    Q_OBJECT

public:
    static constexpr QSize kDefaultSize{320, 240};
    static constexpr int kRedrawIntervalMs = 100;
    static constexpr std::uint16_t kDefaultEnvelopeColour = 0x055E;

    // Empty grids stand for the default ones.
    explicit GateGraph(FontCache& fonts, QWidget* parent = nullptr,
                       std::vector<EqGridRow> timeGrid = {}, std::vector<EqGridRow> levelGrid = {});

    void setCompact(bool compact);
    bool isCompact() const { return m_compact; }
    void setEnvelopeColour(std::uint16_t colour);
    void setTextColour(std::uint16_t colour);

    void setThreshold(double threshold);
    void setAttack(double attack);
    void setHold(double hold);
    void setDecay(double decay);
    double threshold() const { return m_envelope.threshold(); }
    int attack() const { return m_envelope.attack(); }
    int hold() const { return m_envelope.hold(); }
    int decay() const { return m_envelope.decay(); }
    const GateEnvelope& envelope() const { return m_envelope; }

    // The diameter of a handle: the captions' line height. The compact form is a
    // picture without handles.
    int handleSize() const { return m_compact ? 0 : m_labelHeight; }
    bool isRedrawPending() const { return m_redrawPending; }

    QSize sizeHint() const override { return kDefaultSize; }

signals:
    void valueChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void layOut();
    void requestRedraw();
    void redraw();
    void updateAccessibleDescription();
    void paintEnvelope(QPainter& painter) const;
    void paintHandles(QPainter& painter) const;

    GateEnvelope m_envelope;
    int m_labelHeight = 0;
    bool m_compact = false;
    std::uint16_t m_envelopeColour = kDefaultEnvelopeColour;
    std::uint16_t m_textColour;
    QTimer m_redrawTimer;
    bool m_redrawPending = false;
};

} // namespace v32
