#pragma once

#include "app/model/Channel.h"
#include "ui/toolkit/framework/ParamBindings.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <cstdint>

namespace v32 {

class BriefStrip;
class FontCache;
class ImageCache;
class LinkMarker;

// One cell of the bank overview: the brief strip of a channel under a bar in the channel's
// colour, with the link marker of a linked pair on the partner's side. What the strip
// shows follows the channel's kind, and the cell turns the channel's parameters into what
// the strip shows; it writes nothing.
class BankCell : public StyledWidget {
    Q_OBJECT

public:
    static constexpr std::uint16_t kSelectedBorder = palette::kSelectionOrange;
    static constexpr int kColourBarHeight = 4;

    BankCell(FontCache& fonts, ImageCache& images, QWidget* parent = nullptr);

    // A cell without a channel (kind KindNone) is hidden.
    void setChannel(Channel channel);
    Channel channel() const { return m_channel; }
    int slot() const;

    void setName(const QString& name);
    // An RGB 5-6-5 colour.
    void setColour(std::uint16_t colour);
    std::uint16_t colour() const { return m_colour; }
    // The marker sits on the right of the left half of a pair, on the left of the right one.
    void setLinked(bool linked);
    bool isLinked() const;
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    // A linked bus pair shows its monitor send from the crossed-over number.
    void setLinkedBus(bool linked) { m_linkedBus = linked; }

    // The parameters of the cell's channel that its strip shows; they follow the channel.
    ParamBindings& bindings() { return m_bindings; }

    BriefStrip& strip() const { return *m_strip; }
    LinkMarker& linkMarker() const { return *m_marker; }

private:
    bool showInputParameter(int number, std::uint16_t value);
    bool showEffectParameter(int number, std::uint16_t value);
    bool showBusParameter(int number, std::uint16_t value);
    bool showEqParameter(int number, std::uint16_t value, int filters, int firstBand, int bands);
    bool showParameter(int number, std::uint16_t value);
    void bindChannel();
    void placeMarker();
    void clearStrip();

    BriefStrip* m_strip;
    QWidget* m_header;
    StyledWidget* m_colourBar;
    LinkMarker* m_marker;
    Channel m_channel;
    std::uint16_t m_colour = 0;
    bool m_selected = false;
    bool m_linkedBus = false;
    ParamBindings m_bindings;
};

} // namespace v32
