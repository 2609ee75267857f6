#pragma once

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <QString>
#include <cstdint>

namespace v32 {

// A line or a few lines of text on an optional box, sized to its content. Its accessible
// name is the text as shown, so that automation finds it by what a person reads.
class TextLabel : public StyledWidget {
    Q_OBJECT

public:
    static constexpr std::uint16_t kDefaultTextColour = palette::kWhite;

    explicit TextLabel(QWidget* parent = nullptr, const QString& text = QString());

    QString text() const { return m_text; }
    void setText(const QString& text);
    // A fixed caption: looked up in the language table first.
    void setCaption(const char* english);

    void setTextColour(std::uint16_t colour, int opacity = 255);
    void setAlignment(Qt::Alignment alignment);
    // Long text breaks into lines at the widget's width instead of widening it.
    void setWordWrap(bool wrap);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_wordWrap; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int textFlags() const;
    QSize textSize(int width) const;

    QString m_text;
    std::uint16_t m_textColour = kDefaultTextColour;
    int m_textOpacity = 255;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    bool m_wordWrap = false;
};

} // namespace v32
