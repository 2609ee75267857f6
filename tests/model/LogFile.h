#pragma once

#include <cstdio>
#include <string>

namespace v32::test {

// A log stream whose text the test can read back.
class LogFile {
public:
    LogFile();
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    std::FILE* stream() const { return m_stream; }
    std::string text() const;

private:
    std::FILE* m_stream;
};

} // namespace v32::test
