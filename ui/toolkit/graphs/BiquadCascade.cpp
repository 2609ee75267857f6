#include "ui/toolkit/graphs/BiquadCascade.h"

#include "app/values/FilterCode.h"

#include <vector>

namespace v32 {

namespace {

// The qualities below are the mixer's own: the low-pass sections use slightly different
// values from the high-pass ones, so each section carries both.
struct SectionQuality {
    double highPass;
    double lowPass;
};

constexpr SectionQuality same(double q) {
    return {q, q};
}

// A first-order section is written as a quality of 0.
constexpr SectionQuality kFirstOrder = same(0.0);

constexpr SectionQuality kButterworth2 = {0.707106544800711, 0.7071446287005226};
constexpr SectionQuality kButterworth3 = {0.9999992045996837, 0.9997589510477013};
constexpr SectionQuality kButterworth4Low = {0.5411964065845227, 0.5411366136198881};
constexpr SectionQuality kButterworth4High = {1.3065644940070889, 1.3067514717803075};
constexpr SectionQuality kButterworth6Low = {0.5176381882164414, 0.5175921050402528};
constexpr SectionQuality kButterworth6High = {1.931851489633714, 1.9314301856396467};
constexpr SectionQuality kBessel = {0.5773504926818718, 0.5774155654292669};

using Design = std::vector<SectionQuality>;

Design butterworth(int slope) {
    switch (slope) {
    case 12:
        return {kButterworth2};
    case 18:
        return {kFirstOrder, kButterworth3};
    case 24:
        return {kButterworth4Low, kButterworth4High};
    case 30:
        return {kFirstOrder, same(0.6180339887902606), same(1.6180339888271817)};
    case 36:
        return {kButterworth6Low, kButterworth2, kButterworth6High};
    case 42:
        return {kFirstOrder, same(0.5549581321144866), same(0.8019377357999808),
                same(2.246979603823764)};
    default:
        return {{0.5097956299341924, 0.509862408694738},
                {0.6013447988467182, 0.6013821034084735},
                {0.8999759830684372, 0.9000991248190391},
                {2.5629186436560953, 2.563485122055519}};
    }
}

// One section of the Bessel quality for every two orders, and a first-order section
// for an odd order.
Design bessel(int slope) {
    const int order = slope / 6;
    Design design;
    if (order % 2 != 0) {
        design.push_back(kFirstOrder);
    }
    design.insert(design.end(), static_cast<std::size_t>(order / 2), kBessel);
    return design;
}

// A Linkwitz-Riley filter is -6 dB at its corner, so that a high-pass and a low-pass
// at the same frequency add up flat. The even orders are the Butterworth filter of half
// the order applied twice (12 dB: two first-order sections; 36 dB: the 18 dB Butterworth
// chain twice, four sections). The odd orders follow the mixer's 18 dB filter: one
// first-order section, -3 dB at the corner, ahead of the Butterworth chain of the order
// below, -3 dB more (30 dB: the 24 dB chain, three sections; 42 dB: the 36 dB chain,
// four sections).
Design linkwitzRiley(int slope) {
    switch (slope) {
    case 12:
        return {kFirstOrder, kFirstOrder};
    case 18:
        return {kFirstOrder, kButterworth2};
    case 24:
        return {kButterworth2, kButterworth2};
    case 30:
        return {kFirstOrder, kButterworth4Low, kButterworth4High};
    case 36:
        return {kFirstOrder, kButterworth3, kFirstOrder, kButterworth3};
    case 42:
        return {kFirstOrder, kButterworth6Low, kButterworth2, kButterworth6High};
    default:
        return {kButterworth4Low, kButterworth4High, kButterworth4Low, kButterworth4High};
    }
}

Design designOf(const FilterCode& filter) {
    switch (filter.alignment) {
    case FilterAlignment::Butterworth:
        return butterworth(filter.slope);
    case FilterAlignment::Bessel:
        return bessel(filter.slope);
    case FilterAlignment::LinkwitzRiley:
        return linkwitzRiley(filter.slope);
    }
    return {};
}

Biquad sectionOf(const SectionQuality& quality, bool lowPass, double frequency) {
    if (lowPass) {
        return quality.lowPass == 0.0 ? Biquad::firstOrderLowPass(frequency)
                                      : Biquad::lowPass(frequency, quality.lowPass);
    }
    return quality.highPass == 0.0 ? Biquad::firstOrderHighPass(frequency)
                                   : Biquad::highPass(frequency, quality.highPass);
}

constexpr int kFirstFlatCode = 64;
constexpr int kLastFlatCode = 69;

} // namespace

std::optional<BiquadCascade> BiquadCascade::forFilterCode(int code, double frequency) {
    if (code >= kFirstFlatCode && code <= kLastFlatCode) {
        return BiquadCascade{};
    }
    const std::optional<FilterCode> filter = decodeFilterCode(code);
    if (!filter) {
        return std::nullopt;
    }
    BiquadCascade cascade;
    for (const SectionQuality& quality : designOf(*filter)) {
        cascade.append(sectionOf(quality, filter->lowPass, frequency));
    }
    return cascade;
}

double BiquadCascade::magnitudeDb(double cosW, double sinW) const {
    double sum = 0.0;
    for (const Biquad& section : sections()) {
        sum += section.magnitudeDb(cosW, sinW);
    }
    return sum;
}

void BiquadCascade::append(const Biquad& section) {
    if (m_count < kMaxSections) {
        m_sections[m_count++] = section;
    }
}

} // namespace v32
