#include "ui/pages/home/DcaPanel.h"

#include "app/core/Translation.h"
#include "app/model/ChannelSlot.h"
#include "app/model/ScreenModel.h"
#include "app/protocol/ParamNumbers.h"
#include "app/protocol/ValueKindId.h"
#include "app/values/ValueConversion.h"
#include "ui/pages/HomeNavigation.h"
#include "ui/pages/ScreenContext.h"
#include "ui/pages/StripWrites.h"
#include "ui/pages/home/ChannelRename.h"
#include "ui/pages/home/LongPress.h"
#include "ui/toolkit/widgets/Button.h"
#include "ui/toolkit/widgets/ChannelStrip.h"
#include "ui/toolkit/widgets/Fader.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QHBoxLayout>

namespace v32 {

namespace {} // namespace

DcaPanel::DcaPanel(ScreenContext& screens, HomeNavigation& navigation, QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_screens(screens)
    , m_navigation(navigation) {
    setAccessibleRole(QAccessible::Grouping);
    setAccessibleName(QString::fromUtf8(translate("DCA1-8")));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kSpacing);
    for (int index = 0; index < kDcaCount; ++index) {
        auto* strip = new ChannelStrip(screens.fonts, screens.images, this);
        m_strips[static_cast<std::size_t>(index)] = strip;
        strip->enterButton()->setText(QString::fromUtf8(translate("EDIT")));
        strip->setEnterShown(true);
        strip->setOffShown(true);
        strip->setLevelTextShown(true);
        strip->muteButton()->hide();
        strip->soloButton()->hide();
        connect(strip, &ChannelStrip::actionTaken, this,
                [this, index](ChannelStrip::Action action) { onAction(index, action); });
        TextLabel* name = strip->nameLabel();
        name->setClickable(true);
        new LongPress(name, [this, index, name] {
            ChannelRename::ask(m_screens, *name, ChannelSlot::of(KindDca, index),
                               [this, index] { showName(ChannelSlot::of(KindDca, index)); });
        });
        row->addWidget(strip, 1);
        showName(ChannelSlot::of(KindDca, index));
    }
    bindParameters();
}

void DcaPanel::bindParameters() {
    for (int index = 0; index < kDcaCount; ++index) {
        m_bindings.bind(paramId(KindDca, index, DcaNumber::kDcaOn),
                        [this, index](ParamId, std::uint16_t value) {
                            const bool on = value != 0;
                            strip(index).offButton()->setChecked(on);
                            strip(index).offButton()->setText(
                                QString::fromUtf8(translate(on ? "ON" : "OFF")));
                        });
        m_bindings.bind(paramId(KindDca, index, DcaNumber::kFader),
                        [this, index](ParamId, std::uint16_t value) {
                            strip(index).setFaderLevel(toReal(ValueFaderLevel, value));
                        });
    }
}

void DcaPanel::showName(int slot) {
    const Channel dca = ChannelSlot::channelOf(slot);
    if (dca.kind == KindDca) {
        strip(dca.index).setName(ChannelRename::shownName(m_screens, slot));
    }
}

void DcaPanel::onAction(int index, int action) {
    switch (action) {
    case ChannelStrip::Enter:
        m_navigation.openPage(PageId::EditCont,
                              OpenArgument::channelSlot(ChannelSlot::of(KindDca, index)));
        break;
    case ChannelStrip::Off:
        strip_writes::toggleOn(m_screens.model, Channel{KindDca, index});
        break;
    case ChannelStrip::FaderMoved:
        strip_writes::writeFader(m_screens.model, Channel{KindDca, index},
                                 strip(index).fader()->value());
        break;
    default:
        break;
    }
}

} // namespace v32
