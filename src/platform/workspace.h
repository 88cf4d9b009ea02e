#pragma once
// The working directory as a value: every file access of the program goes through it,
// so nothing ever changes the process's current directory.
#include <filesystem>
#include <string>

namespace andel {

class Workspace {
public:
    explicit Workspace(std::filesystem::path root) : root_(std::move(root)) {}
    const std::filesystem::path& root() const { return root_; }
    // A file or directory of the working directory, by its relative name ("onlcopi/config.kvs").
    std::filesystem::path file(const std::string& relative) const {
        return root_ / std::filesystem::path(std::u8string(relative.begin(), relative.end()));
    }
    // The directory as the program shows it in messages.
    std::string displayName() const;

private:
    std::filesystem::path root_;
};

}  // namespace andel
