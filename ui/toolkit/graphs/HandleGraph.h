#pragma once

#include "ui/toolkit/graphs/EqGridRow.h"
#include "ui/toolkit/graphs/EqPlotLayout.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <QTimer>
#include <cstdint>
#include <vector>

namespace v32 {

class FontCache;

// A plot with captions, a grid and handles that a finger drags: what the compressor's
// transfer curve and the gate's envelope share. A drag that changes a value emits
// valueChanged(); redraws are held to one per 100 ms, so a fast drag does not repaint on
// every move. The compact form is a picture without captions or handles; a disabled graph
// takes no touches. Subclasses hold the model of the plot and draw their own content.
class HandleGraph : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kRedrawIntervalMs = 100;

    void setCompact(bool compact);
    bool isCompact() const { return m_compact; }
    void setTextColour(std::uint16_t colour);

    // The diameter of a handle: the captions' line height.
    int handleSize() const { return m_compact ? 0 : m_labelHeight; }
    bool isRedrawPending() const { return m_redrawPending; }

signals:
    void valueChanged();

protected:
    // captionSample is the widest caption of the left axis, which sets the plot's left edge.
    HandleGraph(FontCache& fonts, QWidget* parent, QSize defaultSize, const QString& name,
                const QString& captionSample);

    // Called at the end of a subclass's constructor, once its model exists; size and font
    // changes before then wait for it.
    void layOut();
    void requestRedraw();

    std::uint16_t textColour() const { return m_textColour; }
    // The fill below a curve, dimmed while the graph is disabled.
    QColor areaColour(std::uint16_t colour) const;
    QColor handleColour() const;
    QRect plotExtent() const;
    // Lines are drawn through pixel centres so that one-pixel grid lines and curves meet.
    template <typename Point>
    static QPointF pixelCentre(Point point) {
        return QPointF(point.x + 0.5, point.y + 0.5);
    }
    static constexpr qreal kLineWidth = 2.0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    virtual void placePlot(const EqPlotLayout& plot) = 0;
    virtual const EqPlotLayout& plot() const = 0;
    // The rows of the bottom (horizontal) axis and of the left (vertical) axis.
    virtual const std::vector<EqGridRow>& bottomGrid() const = 0;
    virtual const std::vector<EqGridRow>& leftGrid() const = 0;
    virtual bool pressHandle(int x, int y) = 0;
    virtual bool isDragging() const = 0;
    // True when the drag changed a value.
    virtual bool dragHandleTo(int x, int y) = 0;
    virtual void releaseHandle() = 0;
    virtual void paintContent(QPainter& painter) const = 0;
    virtual QString accessibleSummary() const = 0;

    void redraw();

    QString m_captionSample;
    bool m_modelReady = false;
    int m_labelHeight = 0;
    bool m_compact = false;
    std::uint16_t m_textColour;
    QTimer m_redrawTimer;
    bool m_redrawPending = false;
};

} // namespace v32
