#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <QString>

namespace v32 {

class Button;
class Fader;
class FlatButton;
class FontCache;
class ImageCache;
class TextLabel;

// A narrow strip for the full fader page: a name button, M and S, the fader with a small
// column of two optional extra buttons beside it, and the level as a bare number. It reports
// what the user does as actionTaken() and writes no parameter itself.
class CompactStrip : public StyledWidget {
    Q_OBJECT

public:
    enum Action : int {
        Name = 1,
        Mute = 2,
        Solo = 3,
        FaderClicked = 4,
        FaderMoved = 5,
        FirstExtra = 6,
        SecondExtra = 7,
    };

    CompactStrip(FontCache& fonts, ImageCache& images, QWidget* parent = nullptr);

    void setName(const QString& name);
    QString name() const;
    void setMuted(bool muted);
    void setSoloed(bool soloed);
    // Moves the fader and writes the level without its unit.
    void setFaderLevel(double decibels);
    double faderLevel() const;

    // Shows the two extra buttons with these captions; two empty captions hide the column.
    void setExtraButtons(const QString& first, const QString& second);

    Fader* fader() const { return m_fader; }
    Button* nameButton() const { return m_name; }
    Button* muteButton() const { return m_mute; }
    Button* soloButton() const { return m_solo; }
    FlatButton* firstExtraButton() const { return m_firstExtra; }
    FlatButton* secondExtraButton() const { return m_secondExtra; }
    TextLabel* levelLabel() const { return m_level; }

    QSize sizeHint() const override;

signals:
    void actionTaken(Action action);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Button* m_name;
    Button* m_mute;
    Button* m_solo;
    Fader* m_fader;
    QWidget* m_extraColumn;
    FlatButton* m_firstExtra;
    FlatButton* m_secondExtra;
    TextLabel* m_level;
};

} // namespace v32
