#include "app/model/PacedSenders.h"

#include "app/core/Clock.h"
#include "app/model/ParamModel.h"
#include "app/protocol/IdentifierHeader.h"
#include "app/protocol/MessageSender.h"

#include <array>
#include <span>

namespace v32 {

namespace {

// The first due entry of a name set, or -1; entries before it advance their pacing.
template <std::size_t N>
int firstDue(PendingSet<N>& set) {
    std::array<std::uint16_t, 1> due{};
    return set.collectDue(due, N) == 1 ? due[0] : -1;
}

} // namespace

PacedSenders::PacedSenders(ParamModel& model, MessageSender& sender, const IdentifierHeader& names,
                           std::FILE* log)
    : m_model(model)
    , m_sender(sender)
    , m_names(names)
    , m_log(log) {}

bool PacedSenders::runPacedSenders(std::uint32_t nowMs) {
    if (m_hasRun && Clock::elapsed(m_lastRunMs, nowMs) < kPaceMs) {
        return false;
    }
    m_hasRun = true;
    m_lastRunMs = nowMs;
    sendValues();
    sendPanelPositions();
    sendSceneCall();
    sendSceneSave();
    requestSceneName();
    writeSceneName();
    requestChannelName();
    writeChannelName();
    return true;
}

void PacedSenders::sendValues() {
    std::array<ParamId, kMaxPairsPerFrame> ids{};
    const std::size_t count = m_model.store().sendSet().collectDue(ids, kMaxPairsPerFrame);
    if (count == 0) {
        return;
    }
    std::array<ParamPair, kMaxPairsPerFrame> pairs{};
    for (std::size_t i = 0; i < count; ++i) {
        // The value at the time of sending: a change made since the entry was queued
        // goes out instead of the one that queued it.
        pairs[i] = {ids[i], m_model.value(ids[i])};
        if (m_model.switches().print_writes) {
            printWrite(i == 0, pairs[i].id, pairs[i].value);
        }
    }
    m_sender.sendParamSet(std::span(pairs).first(count));
}

void PacedSenders::printWrite(bool first, std::uint16_t id, std::uint16_t value) const {
    if (first) {
        std::fputs("##", m_log);
    }
    std::fprintf(m_log, "  %s(%u) --> hex: %04X    dec: %u\n", m_names.nameOf(id), unsigned{id},
                 unsigned{value}, unsigned{value});
}

void PacedSenders::sendPanelPositions() {
    PanelTable& panel = m_model.panel();
    std::array<std::uint16_t, PanelTable::kEntryCount> entries{};
    const std::size_t count = panel.pending().collectDue(entries, PanelTable::kEntryCount);
    // The panel belongs to a local data centre or to a program that took it over; nobody
    // else may move its faders. The due entries are spent either way.
    const bool panelReachable =
        m_model.conditions().localDevice || m_model.switches().take_over_panel;
    if (count == 0 || !panelReachable) {
        return;
    }
    std::array<ParamPair, PanelTable::kEntryCount> pairs{};
    for (std::size_t i = 0; i < count; ++i) {
        const int entry = entries[i];
        pairs[i] = {static_cast<ParamId>(PanelTable::kFirstPanelId + entry), panel.position(entry)};
    }
    m_sender.sendPanelSet(std::span(pairs).first(count));
}

void PacedSenders::sendSceneCall() {
    if (const int scene = m_model.pendingCall().advance(); scene != 0) {
        m_sender.sendSceneCall(static_cast<std::uint8_t>(scene));
    }
}

void PacedSenders::sendSceneSave() {
    if (const int scene = m_model.pendingSave().advance(); scene != 0) {
        m_sender.sendSceneSave(static_cast<std::uint8_t>(scene));
    }
}

void PacedSenders::requestSceneName() {
    if (const int slot = firstDue(m_model.sceneNames().requests()); slot >= 0) {
        m_sender.requestSceneName(static_cast<std::uint8_t>(slot + 1));
    }
}

void PacedSenders::writeSceneName() {
    ParamModel::SceneNameTable& names = m_model.sceneNames();
    if (const int slot = firstDue(names.writes()); slot >= 0) {
        m_sender.sendSceneName(static_cast<std::uint8_t>(slot + 1), names.text(slot));
    }
}

void PacedSenders::requestChannelName() {
    if (const int slot = firstDue(m_model.channelNames().requests()); slot >= 0) {
        m_sender.requestChannelName(static_cast<std::uint8_t>(slot));
    }
}

void PacedSenders::writeChannelName() {
    ParamModel::ChannelNameTable& names = m_model.channelNames();
    if (const int slot = firstDue(names.writes()); slot >= 0) {
        m_sender.sendChannelName(static_cast<std::uint8_t>(slot), names.text(slot));
    }
}

} // namespace v32
