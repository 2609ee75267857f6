#pragma once

#include "ui/toolkit/graphs/EqGraph.h"

namespace v32 {

// The small picture of a channel's equaliser on the brief strips: the compact curve at
// a fixed size, with both filters and the channel's bands, fed with raw parameter
// values as they arrive. It takes no touches; taps go to the strip beneath.
class EqCompactGraph : public EqGraph {
    Q_OBJECT

public:
    static constexpr QSize kSize{128, 48};

    // Starts flat: both filters off and every band at 0 dB.
    EqCompactGraph(QWidget* parent, int bandCount);

    QSize sizeHint() const override { return kSize; }
};

} // namespace v32
