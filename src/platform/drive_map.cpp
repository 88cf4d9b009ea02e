#include "platform/drive_map.h"

#include "platform/file_io.h"

#include "model/text.h"

#include <algorithm>
#include <cstdlib>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace andel {
namespace fs = std::filesystem;

namespace {

fs::path pathFromText(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string textOf(const fs::path& path) {
    const std::u8string text = path.filename().u8string();
    return std::string(text.begin(), text.end());
}

bool isDirectory(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The first medium in name order, so the choice does not depend on directory order.
std::optional<fs::path> firstMedium(const std::vector<fs::path>& parents) {
    for (const fs::path& parent : parents) {
        std::vector<fs::path> media;
        std::error_code error;
        for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error)) {
            if (isDirectory(it->path())) media.push_back(it->path());
        }
        if (!media.empty()) return *std::min_element(media.begin(), media.end());
    }
    return std::nullopt;
}

// The entry of `directory` spelled `name`, or one that differs only in case.
fs::path matchComponent(const fs::path& directory, const std::string& name) {
    const fs::path exact = directory / pathFromText(name);
    std::error_code error;
    if (fs::exists(exact, error)) return exact;
    const std::string wanted = upperCase(name);
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        if (upperCase(textOf(it->path())) == wanted) return it->path();
    }
    return exact;
}

std::vector<std::string> components(std::string_view text) {
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : text) {
        if (c == '\\' || c == '/') {
            if (!piece.empty()) pieces.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.empty()) pieces.push_back(piece);
    return pieces;
}

}  // namespace

DriveDefaults systemDriveDefaults() {
    DriveDefaults defaults;
#ifndef _WIN32
    std::string user;
    if (const char* name = std::getenv("USER"); name && *name) user = name;
    const passwd* entry = ::getpwuid(::getuid());
    if (user.empty() && entry) user = entry->pw_name;
    if (const char* home = std::getenv("HOME"); home && *home) {
        defaults.home = home;
    } else if (entry) {
        defaults.home = entry->pw_dir;
    }
    if (!user.empty()) defaults.mediaParents = {fs::path("/media") / user, fs::path("/run/media") / user};
#endif
    return defaults;
}

DriveMap::DriveMap(const Workspace& workspace, DriveSetting setting, DriveDefaults defaults)
    : workspace_(&workspace), setting_(std::move(setting)), defaults_(std::move(defaults)) {}

std::optional<fs::path> DriveMap::drive(char letter) const {
    const char upper = static_cast<char>(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter);
    if (upper < 'A' || upper > 'Z') return std::nullopt;
    std::optional<fs::path> root;
#ifdef _WIN32
    root = fs::path(std::string(1, upper) + ":\\");
#else
    const std::optional<std::string> setting = setting_ ? setting_(upper) : std::nullopt;
    if (setting) {
        const fs::path named = pathFromText(*setting);
        root = named.is_absolute() ? named : workspace_->root() / named;
    } else if (upper == 'C' && !defaults_.home.empty()) {
        root = defaults_.home;
    } else if (upper == 'A') {
        root = firstMedium(defaults_.mediaParents);
    }
#endif
    if (!root || !isDirectory(*root)) return std::nullopt;
    return root;
}

std::optional<fs::path> DriveMap::resolve(std::string_view windowsPath) const {
    const char letter = driveLetterOf(windowsPath);
    fs::path path;
    std::string_view rest = windowsPath;
    if (letter != 0) {
        const auto root = drive(letter);
        if (!root) return std::nullopt;
        path = *root;
        rest.remove_prefix(2);
    } else if (!windowsPath.empty() && (windowsPath[0] == '/' || windowsPath[0] == '\\')) {
        path = fs::path("/");
    } else {
        path = workspace_->root();
    }
    for (const std::string& piece : components(rest)) path = matchComponent(path, piece);
    return path;
}

bool DriveMap::fileExists(std::string_view windowsPath) const {
    const auto path = resolve(windowsPath);
    return path && andel::fileExists(*path);
}

char driveLetterOf(std::string_view windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') return 0;
    const char c = windowsPath[0];
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    return c >= 'A' && c <= 'Z' ? c : 0;
}

std::string joinWindowsPath(std::string_view directory, std::string_view name) {
    return std::string(directory) + "\\" + std::string(name);
}

}  // namespace andel
