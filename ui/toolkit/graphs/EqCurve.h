#pragma once

#include "ui/toolkit/graphs/EqBand.h"
#include "ui/toolkit/graphs/EqGridRow.h"
#include "ui/toolkit/graphs/EqPixelTable.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace v32 {

// The equaliser's summed response over a logarithmic 14 Hz to 24 kHz axis: a high-pass,
// a low-pass and any number of parametric bands, each recomputed only when it changed,
// and the handle hits and drags that edit them. Positions are plot pixels: x from the
// left column, gain offsets upwards from the bottom row.
class EqCurve {
public:
    static constexpr double kHandleMinimumFrequency = 19.7;
    static constexpr double kHandleMaximumFrequency = 20000.0;

    // The equaliser parameters a screen forwards as they arrive, as raw values.
    enum class Param {
        HighPassCode,
        HighPassFrequency,
        LowPassCode,
        LowPassFrequency,
        BandFrequency,
        BandGain,
        BandQ,
    };

    static std::vector<EqGridRow> defaultFrequencyGrid();
    static std::vector<EqGridRow> defaultGainGrid();

    // An empty grid, or one with fewer than two rows, stands for the default one.
    explicit EqCurve(std::vector<EqGridRow> frequencyGrid = {},
                     std::vector<EqGridRow> gainGrid = {});
    EqCurve(const EqCurve&) = delete;
    EqCurve& operator=(const EqCurve&) = delete;

    // Called whenever a band changed and the curve needs recomputing.
    void setChangeHandler(std::function<void()> handler);

    // Lays out the grids and the pixel table and recomputes every band at once.
    void setPlotSize(int width, int height);
    int plotWidth() const { return m_pixels.width(); }
    int plotHeight() const { return m_height; }

    // Each returns the new band's number; a second high-pass or low-pass is refused
    // with -1.
    int addHighPass(double frequency, int code);
    int addLowPass(double frequency, int code);
    int addBand(double frequency, double gain, double q);
    // Spreads count bands from 50 Hz to about 20 kHz with random gains and Q 1.
    void populate(int count, const std::function<unsigned()>& random);
    void replacePopulate(int count, const std::function<unsigned()>& random);

    EqBand* highPass() { return m_highPass.get(); }
    EqBand* lowPass() { return m_lowPass.get(); }
    EqBand* band(int index);
    const EqBand* highPass() const { return m_highPass.get(); }
    const EqBand* lowPass() const { return m_lowPass.get(); }
    const EqBand* band(int index) const;
    int bandCount() const { return static_cast<int>(m_bands.size()); }

    // Applies one raw parameter value (band indexes from 0); false when the band or
    // filter is missing or the value changed nothing.
    bool setParam(Param param, int bandIndex, std::uint16_t raw);

    // Recomputes the bands that changed and the sum; false when none had.
    bool recomputeChanged();

    // Offsets from the plot bottom per column.
    std::span<const std::int16_t> curve() const { return m_curve; }
    // The same mapping for one band's own response.
    std::int16_t offsetOfResponse(std::int16_t hundredthsOfDb) const;

    double gainMinimum() const { return m_gainGrid.front().value; }
    double gainMaximum() const { return m_gainGrid.back().value; }
    const std::vector<EqGridRow>& frequencyGrid() const { return m_frequencyGrid; }
    const std::vector<EqGridRow>& gainGrid() const { return m_gainGrid; }
    double frequencyAt(int x) const;
    int xOfFrequency(double frequency) const { return m_pixels.xOfFrequency(frequency); }
    int yOffsetOfGain(double gain) const;
    // The screen row, counted down from the plot top, of an offset from the bottom.
    int rowOfOffset(int offset) const { return m_height - 1 - offset; }

    // Handle centres are at the band's frequency and gain; the filters sit at 0 dB.
    int handleX(const EqBand& band) const { return xOfFrequency(band.frequency()); }
    int handleY(const EqBand& band) const;
    // The first handle, in the order high-pass, low-pass, bands, whose square of the
    // handle size holds the point.
    EqBand* handleAt(int x, int y, int handleSize);

    // A press on a handle starts dragging it.
    bool press(int x, int y, int handleSize);
    // Moves the dragged band to the point, clamped to the plot; true when that changed
    // the band.
    bool dragTo(int x, int y);
    void release() { m_dragged = nullptr; }
    EqBand* draggedBand() { return m_dragged; }
    const EqBand* draggedBand() const { return m_dragged; }

private:
    std::vector<EqBand*> allBands();
    std::function<void()> bandChangeNotifier();
    void notifyChanged();
    void layOutGrids();
    void sumCurve();

    std::vector<EqGridRow> m_frequencyGrid;
    std::vector<EqGridRow> m_gainGrid;
    EqPixelTable m_pixels;
    int m_height = 0;
    std::unique_ptr<EqBand> m_highPass;
    std::unique_ptr<EqBand> m_lowPass;
    std::vector<std::unique_ptr<EqBand>> m_bands;
    int m_nextBandNumber = 1;
    std::vector<std::int16_t> m_curve;
    EqBand* m_dragged = nullptr;
    std::function<void()> m_changeHandler;
};

} // namespace v32
