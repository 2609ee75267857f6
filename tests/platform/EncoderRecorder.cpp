#include "tests/platform/EncoderRecorder.h"

namespace v32::test {

void EncoderRecorder::pageEncoder(int encoder, int step) {
    m_calls.push_back("encoder " + std::to_string(encoder) + " " + std::to_string(step));
}

void EncoderRecorder::mediaStep() {
    m_calls.emplace_back("dispatch");
}

} // namespace v32::test
