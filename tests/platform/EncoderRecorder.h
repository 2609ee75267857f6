#pragma once

#include "app/link/UiHooks.h"

#include <string>
#include <vector>

namespace v32::test {

// Keeps the encoder turns and dispatch passes the UI is told about, as text in arrival order.
class EncoderRecorder : public UiHooks {
public:
    void pageEncoder(int encoder, int step) override;
    // Every dispatch pass ends with a media step, so it marks the pass.
    void mediaStep() override;

    std::vector<std::string>& calls() { return m_calls; }

private:
    std::vector<std::string> m_calls;
};

} // namespace v32::test
