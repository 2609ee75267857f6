#include "app/link/Link.h"

namespace v32 {

Link::~Link() = default;

} // namespace v32
