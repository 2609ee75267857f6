#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <QImage>
#include <QTimer>
#include <QVariantAnimation>

namespace v32 {

class ImageCache;

// The media player's small turntable: a record that turns while a track plays and a
// tonearm that swings onto the record when playback starts and back off when it stops.
// Angles are in tenths of a degree, clockwise on screen.
//
// The tonearm reaches beyond the record to the right, so the widget is as wide as the
// record and the arm together; the record sits in the square at its left.
class TurntableDisc : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kTonearmRest = 3400;
    static constexpr int kTonearmOnRecord = 3600;
    static constexpr int kSpinPeriodMs = 80;
    static constexpr int kSpinStep = 20;
    static constexpr int kSwingMs = 500;

    explicit TurntableDisc(ImageCache& images, QWidget* parent = nullptr);

    void play();
    void stop();

    bool isPlaying() const { return m_playing; }
    int discAngle() const { return m_discAngle; }
    int tonearmAngle() const { return m_tonearmAngle; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void swingTonearmTo(int angle);
    void setTonearmAngle(int angle);
    void onSwingFinished();
    void spin();
    QRect recordSquare() const;

    QImage m_body;
    QImage m_mask;
    QImage m_tonearm;

    int m_discAngle = 0;
    int m_tonearmAngle = kTonearmRest;
    bool m_playing = false;
    QTimer m_spinTimer{this};
    QVariantAnimation m_swing{this};
};

} // namespace v32
