#pragma once

#include <cstdio>
#include <string>

namespace v32::test {

// A log stream whose text the test can read back.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();

    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::FILE* stream() const { return m_stream; }
    std::string text() const;

private:
    std::FILE* m_stream = nullptr;
    char* m_buffer = nullptr;
    std::size_t m_size = 0;
};

} // namespace v32::test
