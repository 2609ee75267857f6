#pragma once

namespace v32 {

// Owns one POSIX file descriptor (a socket or a device) and closes it when dropped.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd);
    ~FileDescriptor();

    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool isValid() const { return fd_ >= 0; }

    // Closes the descriptor held (if any) and takes fd instead.
    void reset(int fd = -1);

private:
    int fd_ = -1;
};

} // namespace v32
