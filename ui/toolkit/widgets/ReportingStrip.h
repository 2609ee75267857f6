#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <functional>

namespace v32 {

// What every strip shares: it reports what the user does on it to the one callback its
// owner installs, as an action code with the owner's user pointer, and never writes a
// parameter itself.
class ReportingStrip : public StyledWidget {
    Q_OBJECT

public:
    using Callback = std::function<void(int action, void* user)>;

    using StyledWidget::StyledWidget;

    void setCallback(Callback callback, void* user);

protected:
    void report(int action);
    // Clicks of the child are reported as the action.
    void reportClicks(StyledWidget* widget, int action);

private:
    Callback m_callback;
    void* m_user = nullptr;
};

} // namespace v32
