#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace v32::test {

// A fresh directory for one test, removed with everything in it afterwards.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();

    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path file(std::string_view name) const { return m_path / name; }

    void write(std::string_view name, std::string_view contents) const;
    // The file's bytes, or nothing when it cannot be read.
    std::optional<std::string> read(std::string_view name) const;
    // The names of all entries, sorted, to see what a test left behind.
    std::string listing() const;

private:
    std::filesystem::path m_path;
};

} // namespace v32::test
