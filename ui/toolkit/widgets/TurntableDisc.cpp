#include "ui/toolkit/widgets/TurntableDisc.h"

#include "ui/toolkit/style/ImageCache.h"

#include <QEasingCurve>
#include <QImage>
#include <QPainter>

namespace v32 {

namespace {

// Where the tonearm is mounted relative to the record, and the point it turns about.
constexpr int kTonearmOffsetX = 42;
constexpr int kTonearmOffsetY = 2;
constexpr QPointF kTonearmPivot(89, 12);
constexpr QSize kRecordSize(96, 96);

// The standard ease-in-out: slow off the rest, fastest half-way, slow onto the record.
QEasingCurve swingCurve() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
    return curve;
}

QSize pictureSize(const QImage& image, QSize fallback) {
    return image.isNull() ? fallback : image.size();
}

} // namespace

// The cache decodes each picture once for all discs; turning them decodes nothing again.
TurntableDisc::TurntableDisc(ImageCache& images, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_body(images.image(u"res/media/img_disc_body.png"))
    , m_mask(images.image(u"res/media/img_disc_mask.png"))
    , m_tonearm(images.image(u"res/media/img_disc_tonearm.png")) {
    resize(sizeHint());
    setAccessibleRole(QAccessible::Animation);
    setAccessibleName(QStringLiteral("Turntable"));
    setAccessibleDescription(QStringLiteral("Stopped"));

    m_spinTimer.setInterval(kSpinPeriodMs);
    connect(&m_spinTimer, &QTimer::timeout, this, &TurntableDisc::spin);

    m_swing.setDuration(kSwingMs);
    m_swing.setEasingCurve(swingCurve());
    connect(&m_swing, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { setTonearmAngle(value.toInt()); });
    connect(&m_swing, &QVariantAnimation::finished, this, &TurntableDisc::onSwingFinished);
}

QSize TurntableDisc::sizeHint() const {
    const QSize record = pictureSize(m_body, kRecordSize);
    const QSize tonearm = pictureSize(m_tonearm, QSize());
    return QSize(std::max(record.width(), record.width() / 2 + kTonearmOffsetX + tonearm.width()),
                 std::max(record.height(), kTonearmOffsetY + tonearm.height()));
}

void TurntableDisc::play() {
    m_playing = true;
    setAccessibleDescription(QStringLiteral("Playing"));
    swingTonearmTo(kTonearmOnRecord);
}

void TurntableDisc::stop() {
    m_playing = false;
    setAccessibleDescription(QStringLiteral("Stopped"));
    m_spinTimer.stop();
    swingTonearmTo(kTonearmRest);
}

// A swing starts where the arm is, so that stopping half-way onto the record turns the
// arm back from there instead of jumping.
void TurntableDisc::swingTonearmTo(int angle) {
    m_swing.stop();
    m_swing.setStartValue(m_tonearmAngle);
    m_swing.setEndValue(angle);
    m_swing.start();
}

void TurntableDisc::setTonearmAngle(int angle) {
    if (angle == m_tonearmAngle) {
        return;
    }
    m_tonearmAngle = angle;
    update();
}

void TurntableDisc::onSwingFinished() {
    if (m_playing && m_tonearmAngle == kTonearmOnRecord) {
        m_spinTimer.start();
    }
}

// Once turned, the record never shows angle 0 again: 0 becomes 1.
void TurntableDisc::spin() {
    m_discAngle = (m_discAngle + kSpinStep) % 3600;
    if (m_discAngle == 0) {
        m_discAngle = 1;
    }
    update();
}

QRect TurntableDisc::recordSquare() const {
    const int side = std::min(width(), height());
    return QRect(0, (height() - side) / 2, side, side);
}

void TurntableDisc::paintEvent(QPaintEvent* event) {
    StyledWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    const QRect square = recordSquare();
    QRect body(QPoint(), pictureSize(m_body, kRecordSize));
    body.moveCenter(square.center());

    painter.save();
    painter.translate(QRectF(body).center());
    painter.rotate(m_discAngle / 10.0);
    painter.drawImage(QPointF(-body.width() / 2.0, -body.height() / 2.0), m_body);
    painter.restore();

    QRect mask(QPoint(), m_mask.size());
    mask.moveCenter(square.center());
    painter.drawImage(mask.topLeft(), m_mask);

    const QPointF tonearmTopLeft(body.left() + body.width() / 2 + kTonearmOffsetX,
                                 body.top() + kTonearmOffsetY);
    painter.translate(tonearmTopLeft + kTonearmPivot);
    painter.rotate(m_tonearmAngle / 10.0);
    painter.drawImage(-kTonearmPivot, m_tonearm);
}

} // namespace v32
