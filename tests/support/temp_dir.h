#pragma once
// A fresh temporary working directory per test, removed afterwards.
#include <filesystem>
#include <string>
#include <string_view>

namespace andel::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(const std::string& name) const { return path_ / name; }
    // Writes raw bytes to a file of the directory (parents created).
    void write(const std::string& name, std::string_view bytes) const;
    // Reads a file's raw bytes ("" when missing).
    std::string read(const std::string& name) const;

private:
    std::filesystem::path path_;
};

}  // namespace andel::test
