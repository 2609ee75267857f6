#include "tools/velmar32-dc/Pollable.h"

namespace v32::dc {

Pollable::~Pollable() = default;

void Pollable::tick(std::uint32_t) {}

} // namespace v32::dc
