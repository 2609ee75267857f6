#pragma once

#include "ui/toolkit/framework/OverlayLayer.h"

namespace v32 {

class Spinner;
class TextLabel;

// Dims the screen and shows a spinner with a line of text while a long operation runs;
// nothing beneath can be touched meanwhile. Screens set the text and show and hide it.
class ProgressOverlay : public OverlayLayer {
    Q_OBJECT

public:
    explicit ProgressOverlay(QWidget* parent);

    void setText(const QString& text);
    void showProgress(const QString& text);

    TextLabel& label() const { return *m_label; }
    Spinner& spinner() const { return *m_spinner; }

private:
    Spinner* m_spinner;
    TextLabel* m_label;
};

} // namespace v32
