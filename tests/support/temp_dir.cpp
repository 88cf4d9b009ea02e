#include "support/temp_dir.h"

#include "platform/file_io.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace andel::test {
namespace fs = std::filesystem;

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::ostringstream name;
    name << "andel-test-"
#ifndef _WIN32
         << ::getpid() << "-"
#endif
         << std::chrono::steady_clock::now().time_since_epoch().count() << "-" << counter++;
    path_ = fs::temp_directory_path() / name.str();
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void TempDir::write(const std::string& name, std::string_view bytes) const {
    const fs::path target = path_ / name;
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDir::read(const std::string& name) const {
    // The program's own reader: on Windows it shares everything, so a test can look at a
    // file that a lock of the program holds.
    return readFileBytes(path_ / name).value_or(std::string());
}

}  // namespace andel::test
