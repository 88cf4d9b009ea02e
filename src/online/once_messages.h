#pragma once
// Passes each distinct message on once: a damaged file of thousands of lines must not
// bury the agent under thousands of identical boxes.
#include "platform/messages.h"

#include <set>
#include <string>

namespace andel {

class OnceMessages : public Messages {
public:
    explicit OnceMessages(Messages& target) : target_(target) {}
    bool show(const Message& message) override {
        if (!shown_.insert(message.text).second) return true;
        return target_.show(message);
    }

private:
    Messages& target_;
    std::set<std::string> shown_;
};

}  // namespace andel
