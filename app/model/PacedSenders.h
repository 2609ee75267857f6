#pragma once

#include <cstdint>
#include <cstdio>

namespace v32 {

class IdentifierHeader;
class MessageSender;
class ParamModel;

// The senders that share the link's pace: at most every 20 ms each of them sends at most
// one frame, in a fixed order: parameter values, panel fader positions, scene call, scene
// save, scene-name reads and writes, channel-name reads and writes.
class PacedSenders {
public:
    static constexpr std::uint32_t kPaceMs = 20;

    // `names` names the identifiers in the print_writes dump, which goes to `log`.
    PacedSenders(ParamModel& model, MessageSender& sender, const IdentifierHeader& names,
                 std::FILE* log = stdout);

    // Runs the senders when at least kPaceMs have passed since their last run (or they
    // never ran); returns whether they ran.
    bool runPacedSenders(std::uint32_t nowMs);

private:
    void sendValues();
    void printWrite(bool first, std::uint16_t id, std::uint16_t value) const;
    void sendPanelPositions();
    void sendSceneCall();
    void sendSceneSave();
    void requestSceneName();
    void writeSceneName();
    void requestChannelName();
    void writeChannelName();

    ParamModel& m_model;
    MessageSender& m_sender;
    const IdentifierHeader& m_names;
    std::FILE* m_log;
    bool m_hasRun = false;
    std::uint32_t m_lastRunMs = 0;
};

} // namespace v32
