#pragma once

#include <QString>

class QWidget;

namespace v32 {

// A channel name as it fits the field that shows it: cut at the end with an ellipsis when
// the field is too narrow, so that a long name still begins where a person reads it.
QString fittedName(const QString& name, const QWidget& field);

} // namespace v32
