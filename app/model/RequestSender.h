#pragma once

namespace v32 {

class MessageSender;
class ParamModel;

// Turns the pending reads into one parameter query per dispatch pass. The device lock state
// goes first whenever it is due, so that the lock screen follows the device even in the
// middle of a full read.
class RequestSender {
public:
    RequestSender(ParamModel& model, MessageSender& sender);

    void run();

private:
    ParamModel& m_model;
    MessageSender& m_sender;
};

} // namespace v32
