#include "ui/toolkit/widgets/ReportingStrip.h"

#include <utility>

namespace v32 {

void ReportingStrip::setCallback(Callback callback, void* user) {
    m_callback = std::move(callback);
    m_user = user;
}

void ReportingStrip::report(int action) {
    if (m_callback) {
        m_callback(action, m_user);
    }
}

void ReportingStrip::reportClicks(StyledWidget* widget, int action) {
    connect(widget, &StyledWidget::clicked, this, [this, action] { report(action); });
}

} // namespace v32
