#include "app/core/Clock.h"

namespace v32 {

Clock::~Clock() = default;

} // namespace v32
