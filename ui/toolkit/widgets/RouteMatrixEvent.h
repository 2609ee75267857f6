#pragma once

namespace v32 {

class RouteMatrixSlider;

// What the route matrix tells its owner when the user moves a send: which cell of which
// section, the slider itself, and the new value both raw (0 to 100) and normalised (0 to 1).
struct RouteMatrixEvent {
    int section = 0;
    int cell = 0;
    RouteMatrixSlider* slider = nullptr;
    int value = 0;
    double normalised = 0;
};

} // namespace v32
