#pragma once

#include <cstdint>
#include <functional>

class QObject;

namespace v32 {

// Runs the call once, delayMs from now, from the UI thread's event loop; nothing is kept
// afterwards. A call whose context has been deleted by then is dropped, so that a screen
// that goes away takes its pending calls with it.
void deferCall(std::uint32_t delayMs, const QObject* context, std::function<void()> call);

} // namespace v32
