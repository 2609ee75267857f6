#pragma once

#include "ui/toolkit/graphs/EqCurve.h"
#include "ui/toolkit/graphs/EqPlotLayout.h"
#include "ui/toolkit/graphs/RtaBars.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <QTimer>
#include <cstdint>
#include <span>
#include <vector>

namespace v32 {

class FontCache;

// The equaliser's response curve over a logarithmic frequency axis, with a draggable
// handle per band, and optionally the analyser's bars behind it. Band changes are merged
// into one recomputation per 100 ms. The graph never writes parameters: each handle
// change is reported as bandChanged() for its owner to write.
class EqGraph : public StyledWidget {
    Q_OBJECT

public:
    static constexpr QSize kDefaultSize{304, 140};
    static constexpr int kRecomputeIntervalMs = 100;
    static constexpr std::uint16_t kDefaultCurveColour = palette::kCoral;
    static constexpr int kDefaultFillOpacity = 102;
    static constexpr std::uint16_t kDefaultRtaColour = palette::kAzure;

    // Empty grids stand for the default frequency and gain grids.
    explicit EqGraph(FontCache& fonts, QWidget* parent = nullptr,
                     std::vector<EqGridRow> frequencyGrid = {},
                     std::vector<EqGridRow> gainGrid = {});

    void setCompact(bool compact);
    bool isCompact() const { return m_compact; }
    void setSolidGrid(bool solid);
    void setCurveColour(std::uint16_t colour);
    void setCurveLine(bool on);
    void setCurveFill(bool on);
    void setFillOpacity(int opacity);
    // Axis captions and handle numbers.
    void setTextColour(std::uint16_t colour);

    int addHighPass(double frequency, int code) { return m_curve.addHighPass(frequency, code); }
    int addLowPass(double frequency, int code) { return m_curve.addLowPass(frequency, code); }
    int addBand(double frequency, double gain, double q) {
        return m_curve.addBand(frequency, gain, q);
    }
    void populate(int count);
    void replacePopulate(int count);
    EqBand* highPass() { return m_curve.highPass(); }
    EqBand* lowPass() { return m_curve.lowPass(); }
    EqBand* band(int index) { return m_curve.band(index); }
    int bandCount() const { return m_curve.bandCount(); }
    // One equaliser parameter as it arrives from the mixer; see EqCurve::setParam.
    bool setParam(EqCurve::Param param, int bandIndex, std::uint16_t raw) {
        return m_curve.setParam(param, bandIndex, raw);
    }
    const EqCurve& curve() const { return m_curve; }

    // Switching the analyser on or off clears its bars.
    void setRtaOn(bool on);
    void setRtaGradient(bool on);
    void setRtaColour(std::uint16_t colour);
    // Repaints only when a bar changed.
    void setRtaValues(std::span<const int> values);
    const RtaBars& rta() const { return m_rta; }

    // Where the plot lies in the graph, and positions in it for the screens.
    const EqPlotLayout& plot() const { return m_plot; }
    int xOfFrequency(double frequency) const { return m_curve.xOfFrequency(frequency); }
    int yOffsetOfGain(double gain) const { return m_curve.yOffsetOfGain(gain); }
    // The diameter of a handle: the captions' line height, none in the compact form.
    int handleSize() const { return m_compact ? 0 : m_labelHeight; }
    // True from a band change until the recomputation that takes it in.
    bool isRecomputePending() const { return m_recomputePending; }

    QSize sizeHint() const override { return kDefaultSize; }

signals:
    // The user dragged the band's handle to a new frequency or gain.
    void bandChanged(const EqBand& band);

protected:
    // For a form that shows no text, on the default grids.
    explicit EqGraph(QWidget* parent);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    EqGraph(QWidget* parent, std::vector<EqGridRow> frequencyGrid, std::vector<EqGridRow> gainGrid);

    void layOut();
    void scheduleRecompute();
    void recompute();
    void updateAccessibleDescription();
    QPoint plotPoint(QPoint widgetPoint) const;
    QRect plotRect() const;
    int rowY(int offset) const;

    void paintRta(QPainter& painter) const;
    void paintGrid(QPainter& painter) const;
    void paintCurve(QPainter& painter) const;
    void paintDraggedResponse(QPainter& painter) const;
    void paintLabels(QPainter& painter) const;
    void paintHandles(QPainter& painter) const;
    void paintHandle(QPainter& painter, const EqBand& band) const;
    void paintTooltip(QPainter& painter, const EqBand& band) const;

    EqCurve m_curve;
    RtaBars m_rta;
    EqPlotLayout m_plot;
    int m_labelWidth = 0;
    int m_labelHeight = 0;
    bool m_compact = false;
    bool m_solidGrid = false;
    bool m_curveLine = true;
    bool m_curveFill = true;
    std::uint16_t m_curveColour = kDefaultCurveColour;
    int m_fillOpacity = kDefaultFillOpacity;
    std::uint16_t m_textColour;
    bool m_rtaOn = false;
    bool m_rtaGradient = false;
    std::uint16_t m_rtaColour = kDefaultRtaColour;
    QTimer m_recomputeTimer;
    bool m_recomputePending = false;
};

} // namespace v32
