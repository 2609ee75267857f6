#include "app/model/ReadFinishedStep.h"

#include "app/model/ControlPanelHooks.h"
#include "app/model/ParamModel.h"
#include "app/protocol/MessageSender.h"

namespace v32 {

ReadFinishedStep::ReadFinishedStep(ParamModel& model, MessageSender& sender, std::FILE* log)
    : m_model(model)
    , m_sender(sender)
    , m_log(log) {}

void ReadFinishedStep::run() {
    const bool reading = m_model.store().requestSet().hasWork();
    const bool readsRanOut = m_wasReading && !reading;
    m_wasReading = reading;
    if (!readsRanOut) {
        return;
    }
    if (!m_model.status().isSet(StatusBytes::kFullReadDone)) {
        m_model.setReadFinishedLatched(false);
    } else if (!m_model.isReadFinishedLatched()) {
        finishRead();
    }
}

void ReadFinishedStep::finishRead() {
    std::fputs("read finished!\n", m_log);
    m_model.setReadFinishedLatched(true);
    if (ControlPanelHooks* hooks = m_model.controlPanelHooks(); hooks != nullptr) {
        hooks->refreshPanelLights();
        hooks->pushFadersToPanel();
    }
    m_sender.sendTextQuery("DEVNAME=");
    m_sender.sendTextQuery("CMD=SCENEKEYLOCK\nSCENEKEYLOCK=\n");
    m_model.requestChannelNames();
}

} // namespace v32
