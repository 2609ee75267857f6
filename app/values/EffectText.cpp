#include "app/values/EffectText.h"

#include "app/core/Translation.h"

#include <array>

namespace v32 {

namespace {

constexpr int kFirstType = 1;
constexpr int kLastType = 32;

// Types 17 to 25 are second instances of types 1 to 9.
constexpr std::array<const char*, kLastType> kTypeNames = {
    "REVERB HALL",   "REVERB ROOM",  "REVERB PLATE",  "REVERB VOCAL1", "REVERB VOCAL2",
    "VOCAL ECHO1",   "VOCAL ECHO2",  "DELAY1",        "DELAY2",        "MOD.DELAY",
    "REVERB GATE",   "PITCH CHANGE", "CHORUS",        "PHASER",        "FLANGE",
    "TREMOLO",       "REVERB HALL",  "REVERB ROOM",   "REVERB PLATE",  "REVERB VOCAL1",
    "REVERB VOCAL2", "VOCAL ECHO1",  "VOCAL ECHO2",   "DELAY1",        "DELAY2",
    "EARLY REF.",    "GATE REVERB",  "VOCAL DOUBLER", "FLANGE",        "SYMPHONIC",
    "DISTORTION",    "TAP DELAY",
};

enum class ParamFormat {
    Milliseconds,     // raw in ms
    FiveMilliseconds, // raw in steps of 5 ms
    TenthSeconds,     // raw in tenths of a second
    Plain,
    Hertz,
    Percent,
};

// Effect types whose parameters share captions and formats.
struct EffectFamily {
    int firstType;
    int lastType;
    const char* firstCaption;
    const char* secondCaption;
    ParamFormat firstFormat;
    ParamFormat secondFormat;
};

constexpr std::array<EffectFamily, 12> kFamilies = {{
    {1, 5, "REVERB PREDELAY", "REVERB DURATION", ParamFormat::Milliseconds,
     ParamFormat::TenthSeconds},
    {6, 10, "ECHO DELAY", "ECHO REPEAT", ParamFormat::FiveMilliseconds, ParamFormat::Percent},
    {11, 11, "ECHO DELAY", "ECHO DELAY", ParamFormat::TenthSeconds, ParamFormat::Percent},
    {12, 12, "SLOPE", "DEPTH", ParamFormat::Plain, ParamFormat::Percent},
    {13, 16, "FREQUENCY", "DEPTH", ParamFormat::Hertz, ParamFormat::Percent},
    {17, 21, "REVERB PREDELAY", "REVERB DURATION", ParamFormat::Milliseconds,
     ParamFormat::TenthSeconds},
    {22, 25, "ECHO DELAY", "ECHO REPEAT", ParamFormat::FiveMilliseconds, ParamFormat::Percent},
    {26, 27, "REVERB DELAY", "ECHO REPEAT", ParamFormat::TenthSeconds, ParamFormat::Percent},
    {28, 29, "FREQUENCY", "REVERB RATIO", ParamFormat::Hertz, ParamFormat::Percent},
    {30, 30, "ECHO DELAY", "ECHO REPEAT", ParamFormat::FiveMilliseconds, ParamFormat::Percent},
    {31, 31, "FREQUENCY", "DEPTH", ParamFormat::Hertz, ParamFormat::Percent},
    {32, 32, "ECHO DELAY", "ECHO REPEAT", ParamFormat::FiveMilliseconds, ParamFormat::Percent},
}};

const EffectFamily* familyOf(int type) {
    for (const EffectFamily& family : kFamilies) {
        if (type >= family.firstType && type <= family.lastType) {
            return &family;
        }
    }
    return nullptr;
}

FixedText withUnit(FixedText text, const char* unitText, UnitDisplay unit) {
    if (unit == UnitDisplay::Shown) {
        text.append(unitText);
    }
    return text;
}

FixedText formatted(ParamFormat format, int raw, UnitDisplay unit) {
    switch (format) {
    case ParamFormat::Milliseconds:
        return withUnit(FixedText::format("%d", raw), "ms", unit);
    case ParamFormat::FiveMilliseconds:
        return withUnit(FixedText::format("%d", raw * 5), "ms", unit);
    case ParamFormat::TenthSeconds:
        return withUnit(FixedText::format("%d.%d", raw / 10, raw % 10), "s", unit);
    case ParamFormat::Plain:
        return FixedText::format("%d", raw);
    case ParamFormat::Hertz:
        return withUnit(FixedText::format("%d", raw), "Hz", unit);
    case ParamFormat::Percent:
        return withUnit(FixedText::format("%d", raw), "%", unit);
    }
    return {};
}

} // namespace

const char* effectTypeName(int type) {
    if (type < kFirstType || type > kLastType) {
        return "";
    }
    return translate(kTypeNames[static_cast<std::size_t>(type - kFirstType)]);
}

const char* effectParamCaption(int type, EffectParam param) {
    const EffectFamily* family = familyOf(type);
    if (family == nullptr) {
        return translate("UNDEF");
    }
    return translate(param == EffectParam::First ? family->firstCaption : family->secondCaption);
}

FixedText effectParamText(int type, EffectParam param, std::uint16_t raw, UnitDisplay unit) {
    const EffectFamily* family = familyOf(type);
    if (family == nullptr) {
        return {};
    }
    return formatted(param == EffectParam::First ? family->firstFormat : family->secondFormat, raw,
                     unit);
}

} // namespace v32
