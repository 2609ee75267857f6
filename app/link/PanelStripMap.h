#pragma once

#include "app/model/Channel.h"
#include "app/model/PanelEntryMap.h"
#include "app/protocol/ParamId.h"

namespace v32 {

// Which mixer fader each panel strip moves. With n the strip count of the first bank,
// strips 0..n-1 are the strips of the current bank, strip n is MAIN L and strip n + 1 is
// MAIN R; the other strips move nothing. The panel strip of a fader is also its entry in
// the panel's fader-position table.
class PanelStripMap : public PanelEntryMap {
public:
    static constexpr int kNoStrip = -1;

    // The bank the screens show; a number outside the bank table leaves only the MAIN strips.
    void setCurrentBank(int bank) { m_currentBank = bank; }
    int currentBank() const { return m_currentBank; }

    static int bankStripCount();
    static int mainLeftStrip() { return bankStripCount(); }
    static int mainRightStrip() { return bankStripCount() + 1; }

    // Kind KindNone when the strip shows no channel.
    Channel channelOf(int strip) const;
    // The strip's fader identifier, kInvalidParam when the strip moves nothing.
    ParamId stripParameter(int strip) const;
    // The strip showing a fader-level identifier, kNoStrip for any other identifier and
    // for faders of channels the panel does not show now.
    int stripOf(ParamId id) const;

    int panelEntryOf(ParamId id) const override { return stripOf(id); }

private:
    int m_currentBank = 0;
};

} // namespace v32
