#include "platform/workspace.h"

namespace andel {

std::string Workspace::displayName() const {
    const std::u8string text = std::filesystem::absolute(root_).lexically_normal().u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace andel
