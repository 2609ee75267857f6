#pragma once

#include "app/protocol/ChannelIndexes.h"
#include "ui/toolkit/style/StyledWidget.h"
#include "ui/toolkit/widgets/RouteMatrixEvent.h"

#include <array>

namespace v32 {

class FontCache;
class RouteMatrixSection;
class RouteMatrixSlider;
class TextLabel;

// The send levels of one channel to the buses, as three labelled sections of small
// sliders: "AUX" (one per aux bus), "FX" (one per effect send) and "MAIN" (left and right).
// It shows the sends its owner gives it and reports the user's moves as cellMoved(); which
// parameter a cell stands for is the owner's to know, and so is writing it.
class RouteMatrix : public StyledWidget {
    Q_OBJECT

public:
    enum Section {
        SectionAux = 0,
        SectionFx = 1,
        SectionMain = 2,
    };
    static constexpr int kSectionCount = 3;
    static constexpr int kMaximumAux = BusIndex::kAuxCount;
    static constexpr int kMaximumFx = EffectIndex::kCount;
    static constexpr int kMainCells = 2;

    explicit RouteMatrix(FontCache& fonts, QWidget* parent = nullptr);

    // Rebuilds every section; refused (false) unless aux is 1 to 14 and fx 1 to 4.
    bool setSizes(int aux, int fx);
    void setCompact(bool compact);
    void setRotated(bool rotated);

    // A channel without sends in a section hides it; the others share its height.
    void setSectionShown(int section, bool shown);

    // The widths of all cell labels follow the widest once the current changes are done.
    void setCellLabel(int section, int cell, const QString& text);
    void setTitle(const QString& text);

    // Moves a cell's slider to the position (0 to 100) and colours it by where the send is
    // taken; a cell the section does not have is ignored. Not reported as a move.
    void showSend(int section, int cell, int position, bool preFader);

    RouteMatrixSection* section(int section) const;
    RouteMatrixSlider* slider(int section, int cell) const;

    QSize sizeHint() const override;

signals:
    // The user moved a slider to a value it did not report last.
    void cellMoved(const RouteMatrixEvent& event);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectSliders(int section);
    void onSliderMoved(int section, int cell, int value);
    void scheduleLabelWidths();
    void equaliseLabelWidths();
    void layoutSections();
    int titleHeight() const;
    int sectionGap() const;

    FontCache& m_fonts;
    std::array<RouteMatrixSection*, kSectionCount> m_sections{};
    std::array<std::array<int, kMaximumAux>, kSectionCount> m_reported{};
    TextLabel* m_title = nullptr;
    int m_auxCount = 8;
    int m_fxCount = 2;
    bool m_compact = false;
    bool m_rotated = true;
    bool m_labelWidthsPending = false;
};

} // namespace v32
