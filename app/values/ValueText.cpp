#include "app/values/ValueText.h"

#include "app/core/Translation.h"
#include "app/protocol/FaderLevel.h"
#include "app/protocol/ParamNumbers.h"
#include "app/values/EffectText.h"
#include "app/values/FilterCode.h"
#include "app/values/ValueConversion.h"
#include "app/values/ValueKinds.h"

#include <cmath>

namespace v32 {

namespace {

constexpr double kLargestRatio = 40.0;
constexpr float kLowestTenths = 197.0f;     // 19.7 Hz: below it a high-pass is off
constexpr float kHighestTenths = 200000.0f; // 20 kHz: above it a low-pass is off

FixedText withUnit(FixedText text, const char* unitText, UnitDisplay unit) {
    if (unit == UnitDisplay::Shown) {
        text.append(unitText);
    }
    return text;
}

FixedText panText(std::uint16_t raw) {
    const int offset = static_cast<int>(std::trunc(toReal(ValuePan, raw)));
    if (offset < 0) {
        return FixedText::format("L %d%%", -offset);
    }
    if (offset > 0) {
        return FixedText::format("R %d%%", offset);
    }
    return FixedText("L = R");
}

FixedText ratioText(std::uint16_t raw) {
    const double ratio = toReal(ValueCompressorRatio, raw);
    if (ratio > kLargestRatio) {
        return FixedText(translate("Infinity"));
    }
    return FixedText::format("1 : %g", ratio);
}

FixedText defaultText(int kind, std::uint16_t raw, UnitDisplay unit) {
    const ValueKind& record = valueKind(kind);
    const double real = toReal(kind, raw);
    switch (record.decimals) {
    case 2:
        return withUnit(FixedText::format("%.2f", real), record.unit, unit);
    case 1:
        return withUnit(FixedText::format("%.1f", real), record.unit, unit);
    default:
        return withUnit(FixedText::format("%d", static_cast<int>(std::lround(real))), record.unit,
                        unit);
    }
}

const char* alignmentName(FilterAlignment alignment) {
    switch (alignment) {
    case FilterAlignment::Butterworth:
        return "BUTTER\nWORTH";
    case FilterAlignment::Bessel:
        return "BESSEL";
    case FilterAlignment::LinkwitzRiley:
        return "LINKWITZ\n-RILEY";
    }
    return "";
}

int effectTypeOf(const ParamReader& reader, ParamId id) {
    // Only an effect channel has an effect type; anything else formats as unknown.
    if (channelKindOf(id) != KindEffect) {
        return 0;
    }
    return reader.value(paramId(KindEffect, channelIndexOf(id), EffectNumber::kEffectType));
}

} // namespace

FixedText valueText(int kind, std::uint16_t raw, UnitDisplay unit) {
    switch (kind) {
    case ValuePan:
        return panText(raw);
    case ValueCompressorRatio:
        return ratioText(raw);
    case ValueCompressorGain:
    case ValueFaderLevel:
    case ValueSendLevel:
        if (FaderLevel::levelOf(raw) == 0) {
            return FixedText("-∞");
        }
        return defaultText(kind, raw, unit);
    case ValueHighPassCode:
    case ValueLowPassCode:
        return filterText(raw).alignment;
    case ValueHighPassFrequency:
    case ValueLowPassFrequency:
    case ValueBandFrequency:
    case ValueGraphicFrequency:
        return frequencyText(toReal(kind, raw), unit);
    case ValueBandGain:
    case ValueGraphicGain:
        return FixedText::format("%.1fdB", toReal(kind, raw));
    case ValueEffectType:
        return FixedText(effectTypeName(raw));
    case ValuePhase:
        return FixedText(raw == 0 ? "180" : "0");
    default:
        return defaultText(kind, raw, unit);
    }
}

FixedText paramText(const ParamReader& reader, ParamId id, UnitDisplay unit) {
    const int kind = valueKindOf(id);
    const std::uint16_t raw = reader.value(id);
    if (kind == ValueEffectFirstParam || kind == ValueEffectSecondParam) {
        const EffectParam param =
            kind == ValueEffectFirstParam ? EffectParam::First : EffectParam::Second;
        return effectParamText(effectTypeOf(reader, id), param, raw, unit);
    }
    return valueText(kind, raw, unit);
}

FixedText frequencyText(double hertz, UnitDisplay unit) {
    const float frequency = static_cast<float>(hertz);
    const float tenths = std::round(10.0f * frequency);
    if (!(tenths >= kLowestTenths && tenths <= kHighestTenths)) {
        return FixedText("OFF");
    }
    const float whole = std::round(frequency);
    if (tenths >= 10000.0f) {
        return withUnit(FixedText::format("%.3gk", static_cast<double>(whole) / 1000), "Hz", unit);
    }
    if (tenths >= 1000.0f) {
        return withUnit(FixedText::format("%d", static_cast<int>(whole)), "Hz", unit);
    }
    return withUnit(FixedText::format("%.1f", static_cast<double>(frequency)), "Hz", unit);
}

FilterText filterText(int code) {
    const std::optional<FilterCode> filter = decodeFilterCode(code);
    if (!filter) {
        return {};
    }
    return {FixedText(translate(alignmentName(filter->alignment))),
            FixedText::format("%ddB", filter->slope)};
}

FixedText bandText(double hertz) {
    if (hertz < 20) {
        return FixedText("OFF");
    }
    if (hertz < 100) {
        return FixedText::format("F:%.1f", hertz);
    }
    if (hertz < 1000) {
        return FixedText::format("F:%d", static_cast<int>(std::lround(hertz)));
    }
    if (hertz < 10000) {
        return FixedText::format("F:%.2gk", hertz / 1000);
    }
    return FixedText::format("F:%.1fk", hertz / 1000);
}

FixedText bandText(double hertz, double gain, double q) {
    FixedText text = bandText(hertz);
    text.append("\n");
    text.append(FixedText::format("G:%.1f\n", gain).view());
    text.append(FixedText::format("Q:%.2g", q).view());
    return text;
}

} // namespace v32
