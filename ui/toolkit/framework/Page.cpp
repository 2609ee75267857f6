#include "ui/toolkit/framework/Page.h"

namespace v32 {

Page::Page(QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain()) {}

void Page::parameter(ParamId id, std::uint16_t value, bool /*fromNotify*/) {
    m_bindings.dispatch(id, value);
}

} // namespace v32
