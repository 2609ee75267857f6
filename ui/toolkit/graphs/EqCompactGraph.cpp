#include "ui/toolkit/graphs/EqCompactGraph.h"

namespace v32 {

namespace {

// The first Butterworth codes of each filter; the frequencies switch both filters off.
constexpr int kHighPassCode = 8;
constexpr int kLowPassCode = 9;
constexpr double kFlatBandFrequency = 1000.0;

} // namespace

EqCompactGraph::EqCompactGraph(QWidget* parent, int bandCount)
    : EqGraph(parent) {
    setCompact(true);
    setFixedSize(kSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("EQ preview"));
    addHighPass(EqBand::kHighPassOffFrequency, kHighPassCode);
    addLowPass(EqBand::kLowPassOffFrequency, kLowPassCode);
    for (int i = 0; i < bandCount; ++i) {
        addBand(kFlatBandFrequency, 0.0, 1.0);
    }
}

} // namespace v32
