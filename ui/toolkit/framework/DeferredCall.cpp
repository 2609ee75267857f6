#include "ui/toolkit/framework/DeferredCall.h"

#include <QTimer>

namespace v32 {

void deferCall(std::uint32_t delayMs, const QObject* context, std::function<void()> call) {
    QTimer::singleShot(static_cast<int>(delayMs), context, std::move(call));
}

} // namespace v32
