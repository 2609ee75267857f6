#include "ui/toolkit/graphs/EqCurve.h"

#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace v32 {

namespace {

constexpr double kPopulateLowestFrequency = 50.0;
constexpr double kPopulateStep = 1.03;
// 1.03 to this power is 400: the populated bands reach from 50 Hz to about 20 kHz.
constexpr double kPopulateSpan = 202.69664949333225;

// The kinds that store the equaliser's frequencies, gains and qualities.

std::vector<EqGridRow> orDefault(std::vector<EqGridRow> grid,
                                 std::vector<EqGridRow> (*defaultGrid)()) {
    if (grid.size() < 2 || grid.front().value == grid.back().value) {
        return defaultGrid();
    }
    return grid;
}

std::int16_t storedOffset(double offset) {
    constexpr double kLimit = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::lround(std::clamp(offset, -kLimit, kLimit)));
}

void clampFrequencyForKind(EqBandKind kind, double& frequency) {
    double lowest = EqCurve::kHandleMinimumFrequency;
    double highest = EqCurve::kHandleMaximumFrequency;
    if (kind == EqBandKind::HighPass) {
        lowest = EqBand::kHighPassOffFrequency;
    } else if (kind == EqBandKind::LowPass) {
        highest = EqBand::kLowPassOffFrequency;
    }
    frequency = std::clamp(frequency, lowest, highest);
}

} // namespace

std::vector<EqGridRow> EqCurve::defaultFrequencyGrid() {
    return {{14, "Hz"},   {20, "20"},   {30, ""},   {40, ""},       {50, "50"},     {60, ""},
            {70, ""},     {80, ""},     {90, ""},   {100, "100"},   {200, "200"},   {300, ""},
            {400, ""},    {500, "500"}, {600, ""},  {700, ""},      {800, ""},      {900, ""},
            {1000, "1K"}, {2000, "2K"}, {3000, ""}, {4000, ""},     {5000, "5K"},   {6000, ""},
            {7000, ""},   {8000, ""},   {9000, ""}, {10000, "10K"}, {20000, "20K"}, {24000, ""}};
}

std::vector<EqGridRow> EqCurve::defaultGainGrid() {
    return {{-12, "dB"}, {-9, ""},  {-6, "-6"}, {-3, ""},   {0, "0"},
            {3, ""},     {6, "+6"}, {9, ""},    {12, "+12"}};
}

EqCurve::EqCurve(std::vector<EqGridRow> frequencyGrid, std::vector<EqGridRow> gainGrid)
    : m_frequencyGrid(orDefault(std::move(frequencyGrid), &EqCurve::defaultFrequencyGrid))
    , m_gainGrid(orDefault(std::move(gainGrid), &EqCurve::defaultGainGrid)) {}

void EqCurve::setChangeHandler(std::function<void()> handler) {
    m_changeHandler = std::move(handler);
}

void EqCurve::setPlotSize(int width, int height) {
    m_pixels = EqPixelTable(width);
    m_height = std::max(0, height);
    layOutGrids();
    for (EqBand* band : allBands()) {
        band->computeResponse(m_pixels);
    }
    sumCurve();
}

int EqCurve::addHighPass(double frequency, int code) {
    if (m_highPass) {
        return -1;
    }
    m_highPass = std::make_unique<EqBand>(EqBandKind::HighPass, EqBand::kHighPassNumber, frequency,
                                          0.0, 1.0, code, bandChangeNotifier());
    m_highPass->markDirty();
    return EqBand::kHighPassNumber;
}

int EqCurve::addLowPass(double frequency, int code) {
    if (m_lowPass) {
        return -1;
    }
    m_lowPass = std::make_unique<EqBand>(EqBandKind::LowPass, EqBand::kLowPassNumber, frequency,
                                         0.0, 1.0, code, bandChangeNotifier());
    m_lowPass->markDirty();
    return EqBand::kLowPassNumber;
}

int EqCurve::addBand(double frequency, double gain, double q) {
    const int number = m_nextBandNumber++;
    m_bands.push_back(std::make_unique<EqBand>(EqBandKind::Parametric, number, frequency, gain, q,
                                               0, bandChangeNotifier()));
    m_bands.back()->markDirty();
    return number;
}

void EqCurve::populate(int count, const std::function<unsigned()>& random) {
    for (int i = 0; i < count; ++i) {
        const double frequency =
            kPopulateLowestFrequency * std::pow(kPopulateStep, i * kPopulateSpan / count);
        const double gain = (static_cast<int>(random() % 241) - 120) / 10.0;
        addBand(frequency, gain, 1.0);
    }
}

void EqCurve::replacePopulate(int count, const std::function<unsigned()>& random) {
    if (m_dragged != nullptr && !m_dragged->isFilter()) {
        m_dragged = nullptr;
    }
    m_bands.clear();
    m_nextBandNumber = 1;
    notifyChanged();
    populate(count, random);
}

EqBand* EqCurve::band(int index) {
    return index >= 0 && index < bandCount() ? m_bands[static_cast<std::size_t>(index)].get()
                                             : nullptr;
}

const EqBand* EqCurve::band(int index) const {
    return index >= 0 && index < bandCount() ? m_bands[static_cast<std::size_t>(index)].get()
                                             : nullptr;
}

bool EqCurve::setParam(Param param, int bandIndex, std::uint16_t raw) {
    switch (param) {
    case Param::HighPassCode:
        return m_highPass && m_highPass->setCode(raw);
    case Param::HighPassFrequency:
        return m_highPass && m_highPass->setFrequency(toReal(ValueHighPassFrequency, raw));
    case Param::LowPassCode:
        return m_lowPass && m_lowPass->setCode(raw);
    case Param::LowPassFrequency:
        return m_lowPass && m_lowPass->setFrequency(toReal(ValueLowPassFrequency, raw));
    case Param::BandFrequency:
        return band(bandIndex) && band(bandIndex)->setFrequency(toReal(ValueBandFrequency, raw));
    case Param::BandGain:
        return band(bandIndex) && band(bandIndex)->setGain(toReal(ValueBandGain, raw));
    case Param::BandQ:
        return band(bandIndex) && band(bandIndex)->setQ(toReal(ValueBandQ, raw));
    }
    return false;
}

bool EqCurve::recomputeChanged() {
    bool changed = false;
    for (EqBand* band : allBands()) {
        if (band->isDirty()) {
            band->computeResponse(m_pixels);
            changed = true;
        }
    }
    // Removing bands changes the sum without leaving a changed band behind.
    sumCurve();
    return changed;
}

std::int16_t EqCurve::offsetOfResponse(std::int16_t hundredthsOfDb) const {
    return storedOffset((hundredthsOfDb / 100.0 - gainMinimum()) * m_height /
                        (gainMaximum() - gainMinimum()));
}

double EqCurve::frequencyAt(int x) const {
    if (m_pixels.width() == 0) {
        return EqPixelTable::kMinimumFrequency;
    }
    return m_pixels[static_cast<std::size_t>(std::clamp(x, 0, m_pixels.width() - 1))].frequency;
}

int EqCurve::yOffsetOfGain(double gain) const {
    return static_cast<int>(
        std::lround((gain - gainMinimum()) * m_height / (gainMaximum() - gainMinimum())));
}

int EqCurve::handleY(const EqBand& band) const {
    return rowOfOffset(yOffsetOfGain(band.isFilter() ? 0.0 : band.gain()));
}

EqBand* EqCurve::handleAt(int x, int y, int handleSize) {
    for (EqBand* band : allBands()) {
        const int left = handleX(*band) - handleSize / 2;
        const int top = handleY(*band) - handleSize / 2;
        if (x >= left && x < left + handleSize && y >= top && y < top + handleSize) {
            return band;
        }
    }
    return nullptr;
}

bool EqCurve::press(int x, int y, int handleSize) {
    m_dragged = handleAt(x, y, handleSize);
    return m_dragged != nullptr;
}

bool EqCurve::dragTo(int x, int y) {
    if (m_dragged == nullptr || m_pixels.width() == 0 || m_height == 0) {
        return false;
    }
    x = std::clamp(x, 0, m_pixels.width() - 1);
    y = std::clamp(y, 0, m_height - 1);
    double frequency = frequencyAt(x);
    clampFrequencyForKind(m_dragged->kind(), frequency);
    bool changed = m_dragged->setFrequency(frequency);
    if (!m_dragged->isFilter()) {
        const double distanceFromBottom = m_height - y;
        const double gain =
            gainMinimum() + (gainMaximum() - gainMinimum()) * distanceFromBottom / m_height;
        changed = m_dragged->setGain(gain) || changed;
    }
    return changed;
}

std::vector<EqBand*> EqCurve::allBands() {
    std::vector<EqBand*> bands;
    bands.reserve(m_bands.size() + 2);
    if (m_highPass) {
        bands.push_back(m_highPass.get());
    }
    if (m_lowPass) {
        bands.push_back(m_lowPass.get());
    }
    for (const std::unique_ptr<EqBand>& band : m_bands) {
        bands.push_back(band.get());
    }
    return bands;
}

std::function<void()> EqCurve::bandChangeNotifier() {
    return [this] { notifyChanged(); };
}

void EqCurve::notifyChanged() {
    if (m_changeHandler) {
        m_changeHandler();
    }
}

void EqCurve::layOutGrids() {
    const int width = m_pixels.width();
    for (EqGridRow& row : m_frequencyGrid) {
        row.position = xOfFrequency(row.value);
    }
    // The outer lines frame the plot from just outside it.
    m_frequencyGrid.front().position = -1;
    m_frequencyGrid.back().position = width;
    for (EqGridRow& row : m_gainGrid) {
        row.position = yOffsetOfGain(row.value);
    }
    m_gainGrid.front().position = -1;
    m_gainGrid.back().position = m_height;
}

void EqCurve::sumCurve() {
    const std::size_t width = static_cast<std::size_t>(m_pixels.width());
    std::vector<long> totals(width, 0);
    for (const EqBand* band : allBands()) {
        const std::span<const std::int16_t> response = band->response();
        for (std::size_t x = 0; x < std::min(width, response.size()); ++x) {
            totals[x] += response[x];
        }
    }
    m_curve.resize(width);
    for (std::size_t x = 0; x < width; ++x) {
        m_curve[x] = storedOffset((totals[x] / 100.0 - gainMinimum()) * m_height /
                                  (gainMaximum() - gainMinimum()));
    }
}

} // namespace v32
