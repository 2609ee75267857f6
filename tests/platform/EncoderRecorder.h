#pragma once

#include "app/link/MediaListener.h"
#include "app/link/PageListener.h"

#include <string>
#include <vector>

namespace v32::test {

// Keeps the encoder turns and dispatch passes the UI is told about, as text in arrival order.
class EncoderRecorder : public PageListener, public MediaListener {
public:
    void pageEncoder(int encoder, int step) override;
    // Every dispatch pass ends with a media step, so it marks the pass.
    void mediaStep() override;

    // Not asked about here.
    void pageParameter(ParamId /*id*/, std::uint16_t /*value*/, bool /*fromNotify*/) override {}
    void pageChannelName(int /*slot*/, std::string_view /*name*/) override {}
    void pageSceneName(int /*scene*/, std::string_view /*name*/) override {}
    void pageCommand(int /*code*/, int /*argument*/) override {}
    void mediaFrame(std::span<const std::uint8_t> /*frame*/) override {}
    void refreshMediaScreen() override {}

    std::vector<std::string>& calls() { return m_calls; }

private:
    std::vector<std::string> m_calls;
};

} // namespace v32::test
