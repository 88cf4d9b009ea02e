#pragma once
// Records the messages a step shows, and answers confirmations with a preset answer.
#include "platform/messages.h"

#include <vector>

namespace andel::test {

class RecordingMessages : public Messages {
public:
    bool show(const Message& message) override {
        shown.push_back(message);
        return answer;
    }
    std::vector<Message> shown;
    bool answer = true;
};

}  // namespace andel::test
