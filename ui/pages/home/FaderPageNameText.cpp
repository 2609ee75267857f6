#include "ui/pages/home/FaderPageNameText.h"

#include <QFontMetrics>
#include <QWidget>

namespace v32 {

namespace {

// Room left free on each side of the text.
constexpr int kMargin = 1;

} // namespace

QString fittedName(const QString& name, const QWidget& field) {
    const int width = field.width() - 2 * kMargin;
    if (width <= 0) {
        return name;
    }
    return QFontMetrics(field.font()).elidedText(name, Qt::ElideRight, width);
}

} // namespace v32
