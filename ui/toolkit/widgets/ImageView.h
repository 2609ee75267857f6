#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <QImage>

namespace v32 {

// A picture at its own size, or shrunk to fit a smaller place. A missing picture shows
// nothing and keeps the place empty.
class ImageView : public StyledWidget {
    Q_OBJECT

public:
    explicit ImageView(QWidget* parent = nullptr, const QImage& image = QImage());

    const QImage& image() const { return m_image; }
    void setImage(const QImage& image);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

} // namespace v32
