#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace v32 {

// A FILE* that writes into memory, for checking printed log lines.
class CapturedOutput {
public:
    CapturedOutput()
        : file_(open_memstream(&buffer_, &size_)) {}
    ~CapturedOutput() {
        std::fclose(file_);
        std::free(buffer_);
    }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    std::FILE* file() const { return file_; }

    std::string text() {
        std::fflush(file_);
        return std::string(buffer_, size_);
    }

private:
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* file_;
};

} // namespace v32
