#include "fuzz_support.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace andel::fuzz {
namespace fs = std::filesystem;

namespace {

fs::path makeTemporaryDirectory() {
    std::string pattern = (fs::temp_directory_path() / "andel-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern;
}

}  // namespace

FreshDirectory::FreshDirectory() : workspace_(makeTemporaryDirectory()) {}

FreshDirectory::~FreshDirectory() {
    std::error_code ignored;
    fs::remove_all(workspace_.root(), ignored);
}

const Workspace& FreshDirectory::reset() {
    for (const auto& entry : fs::directory_iterator(workspace_.root())) fs::remove_all(entry.path());
    return workspace_;
}

fs::path FreshDirectory::put(const std::string& relative, std::string_view bytes) const {
    const fs::path path = workspace_.file(relative);
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) std::abort();
    return path;
}

FreshDirectory& freshDirectory() {
    static FreshDirectory directory;
    return directory;
}

SplitInput splitFirstLine(std::string_view bytes) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) return {bytes, {}};
    return {bytes.substr(0, end), bytes.substr(end + 1)};
}

}  // namespace andel::fuzz
