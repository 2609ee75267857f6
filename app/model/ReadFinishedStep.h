#pragma once

#include <cstdio>

namespace v32 {

class MessageSender;
class ParamModel;

// Runs after each dispatch pass and handles the end of a full read once: when the reads have
// just run out and the last identifier has arrived, it brings the control panel up to date,
// asks for the device name and the scene-key lock, and reads the channel names.
class ReadFinishedStep {
public:
    ReadFinishedStep(ParamModel& model, MessageSender& sender, std::FILE* log = stdout);

    void run();

private:
    void finishRead();

    ParamModel& m_model;
    MessageSender& m_sender;
    std::FILE* m_log;
    bool m_wasReading = false;
};

} // namespace v32
