#include "ui/toolkit/framework/Page.h"

namespace v32 {

Page::Page(QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain()) {}

} // namespace v32
