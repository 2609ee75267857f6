#pragma once

#include "ui/toolkit/DynamicsCurve.h"
#include "ui/toolkit/StyledWidget.h"

#include <QTimer>
#include <cstdint>
#include <vector>

namespace v32 {

class FontCache;

// The transfer curve of a compressor or gate with its threshold ("T") and ratio ("R")
// handles. Dragging a handle emits valueChanged(); the owner reads threshold() and
// ratio() and writes the parameters. A disabled graph shows the curve's area dimmed,
// without lines, and takes no touches. Redraws are held to one per 100 ms.
class DynamicsGraph : public StyledWidget {
    Q_OBJECT

public:
    static constexpr QSize kDefaultSize{320, 240};
    static constexpr int kRedrawIntervalMs = 100;
    static constexpr std::uint16_t kDefaultCurveColour = 0x055E;

    // Empty grids stand for the default ones.
    explicit DynamicsGraph(FontCache& fonts, QWidget* parent = nullptr,
                           std::vector<EqGridRow> inputGrid = {},
                           std::vector<EqGridRow> outputGrid = {});

    void setCompact(bool compact);
    bool isCompact() const { return m_compact; }
    void setCurveColour(std::uint16_t colour);
    void setTextColour(std::uint16_t colour);

    void setThreshold(double threshold);
    void setRatio(double ratio);
    void setGain(double gain);
    double threshold() const { return m_curve.threshold(); }
    double ratio() const { return m_curve.ratio(); }
    const DynamicsCurve& curve() const { return m_curve; }

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
    void paintCurve(QPainter& painter) const;
    void paintHandles(QPainter& painter) const;

    DynamicsCurve m_curve;
    int m_labelHeight = 0;
    bool m_compact = false;
    std::uint16_t m_curveColour = kDefaultCurveColour;
    std::uint16_t m_textColour;
    QTimer m_redrawTimer;
    bool m_redrawPending = false;
};

} // namespace v32
