#include "tests/core/LogCapture.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace v32::test {

LogCapture::LogCapture()
    : m_stream(::open_memstream(&m_buffer, &m_size)) {
    if (m_stream == nullptr) {
        ADD_FAILURE() << "cannot open a memory stream";
    }
}

LogCapture::~LogCapture() {
    std::fclose(m_stream);
    std::free(m_buffer);
}

std::string LogCapture::text() const {
    std::fflush(m_stream);
    return std::string(m_buffer, m_size);
}

} // namespace v32::test
