#include "tests/model/LogFile.h"

namespace v32::test {

LogFile::LogFile()
    : m_stream(std::tmpfile()) {}

LogFile::~LogFile() {
    if (m_stream != nullptr) {
        std::fclose(m_stream);
    }
}

std::string LogFile::text() const {
    std::string text;
    if (m_stream == nullptr) {
        return text;
    }
    std::fflush(m_stream);
    std::rewind(m_stream);
    for (int c = std::fgetc(m_stream); c != EOF; c = std::fgetc(m_stream)) {
        text.push_back(static_cast<char>(c));
    }
    std::fseek(m_stream, 0, SEEK_END);
    return text;
}

} // namespace v32::test
