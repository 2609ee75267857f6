#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace v32 {

class EqPixelTable;

enum class EqBandKind {
    HighPass,
    LowPass,
    Parametric,
};

enum class EqBandShape {
    Peaking,
    HighShelf,
    LowShelf,
};

// One filter of an equaliser curve and its response over the plot. Setters ignore
// changes that do not show at a hundredth of their unit; a change that does marks the
// band for the next recomputation and tells the curve that owns it.
class EqBand {
public:
    // Parametric bands are numbered from 1; the two filters carry marks beyond any band
    // number.
    static constexpr int kHighPassNumber = 0x10000;
    static constexpr int kLowPassNumber = 0x10001;
    // A high-pass at or below, or a low-pass at or above, these frequencies is off. The
    // filter handles can be dragged there.
    static constexpr double kHighPassOffFrequency = 19.6;
    static constexpr double kLowPassOffFrequency = 20001.0;

    EqBand(EqBandKind kind, int number, double frequency, double gain, double q, int code,
           std::function<void()> changed);

    EqBandKind kind() const { return m_kind; }
    int number() const { return m_number; }
    double frequency() const { return m_frequency; }
    double gain() const { return m_gain; }
    double q() const { return m_q; }
    EqBandShape shape() const { return m_shape; }
    int code() const { return m_code; }
    bool isFilter() const { return m_kind != EqBandKind::Parametric; }
    bool isOff() const;

    bool setFrequency(double frequency);
    bool setGain(double gain);
    bool setQ(double q);
    bool setShape(EqBandShape shape);
    bool setCode(int code);

    bool isDirty() const { return m_dirty; }
    void markDirty();

    // Hundredths of a dB per plot column.
    std::span<const std::int16_t> response() const { return m_response; }
    void computeResponse(const EqPixelTable& pixels);

private:
    void computeParametric(const EqPixelTable& pixels);
    bool computeFilter(const EqPixelTable& pixels);

    EqBandKind m_kind;
    int m_number;
    double m_frequency;
    double m_gain;
    double m_q;
    EqBandShape m_shape = EqBandShape::Peaking;
    int m_code;
    long m_roundedFrequency;
    long m_roundedGain;
    long m_roundedQ;
    std::vector<std::int16_t> m_response;
    bool m_dirty = true;
    std::function<void()> m_changed;
};

} // namespace v32
