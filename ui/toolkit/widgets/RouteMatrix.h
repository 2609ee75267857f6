#pragma once

#include "app/model/Channel.h"
#include "app/model/ParamReader.h"
#include "app/protocol/ChannelIndexes.h"
#include "ui/toolkit/style/StyledWidget.h"
#include "ui/toolkit/widgets/RouteMatrixEvent.h"

#include <array>
#include <cstdint>

namespace v32 {

class FontCache;
class RouteMatrixSection;
class RouteMatrixSlider;
class TextLabel;

// The send levels of one channel to the buses, as three labelled sections of small
// sliders: "AUX" (one per aux bus), "FX" (one per effect send) and "MAIN" (left and right).
// It picks the sends of the channel it shows out of the parameter stream by itself, and
// reports the user's moves to its owner, which writes the send parameters.
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

    // Link bits of input pairs are read from values when sends arrive.
    RouteMatrix(const ParamReader& values, FontCache& fonts, QWidget* parent = nullptr);

    // Rebuilds every section; refused (false) unless aux is 1 to 14 and fx 1 to 4.
    bool setSizes(int aux, int fx);
    void setCompact(bool compact);
    void setRotated(bool rotated);

    // Buses show no sends here, effect returns no FX sends.
    void setChannel(int kind, int index);
    Channel channel() const { return m_channel; }

    // The widths of all cell labels follow the widest once the current changes are done.
    void setCellLabel(int section, int cell, const QString& text);
    void setTitle(const QString& text);

    // Moves and colours the slider of a send of the shown channel (or of its linked
    // partner); any other parameter is ignored.
    void updateParameter(ParamId id, std::uint16_t raw);

    RouteMatrixSection* section(int section) const;
    RouteMatrixSlider* slider(int section, int cell) const;

    QSize sizeHint() const override;

signals:
    // The user moved a slider to a value it did not report last.
    void cellMoved(const RouteMatrixEvent& event);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct CellRef {
        int section = -1;
        int cell = -1;
    };

    bool showsLinkedPair() const;
    bool isShownChannel(int kind, int index) const;
    CellRef cellOfNumber(int number) const;
    void connectSliders(int section);
    void onSliderMoved(int section, int cell, int value);
    void scheduleLabelWidths();
    void equaliseLabelWidths();
    void layoutSections();
    int titleHeight() const;
    int sectionGap() const;

    const ParamReader& m_values;
    FontCache& m_fonts;
    std::array<RouteMatrixSection*, kSectionCount> m_sections{};
    std::array<std::array<int, kMaximumAux>, kSectionCount> m_reported{};
    TextLabel* m_title = nullptr;
    Channel m_channel{KindInput, 0};
    int m_auxCount = 8;
    int m_fxCount = 2;
    bool m_compact = false;
    bool m_rotated = true;
    bool m_labelWidthsPending = false;
};

} // namespace v32
