#include "platform/workspace.h"

namespace andel {

std::string Workspace::displayName() const {
    // A relative root under a current directory that was deleted is shown as it is.
    std::error_code error;
    std::filesystem::path shown = std::filesystem::absolute(root_, error);
    if (error) shown = root_;
    const std::u8string text = shown.lexically_normal().u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace andel
