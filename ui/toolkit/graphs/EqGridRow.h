#pragma once

#include <string>

namespace v32 {

// One grid line of a graph: the axis value it marks, its caption (empty for an
// unlabelled line) and, once the graph is laid out, its pixel position.
struct EqGridRow {
    double value = 0;
    std::string label;
    int position = 0;
};

} // namespace v32
