#pragma once
// The sink for every message box: the windows show a QMessageBox where the placement
// says, tests record the messages, the command-line tool prints them to stderr.
#include <string>

namespace andel {

enum class MessageButtons { Ok, YesNo };
enum class MessagePlacement { Centred, NearMousePointer, OverMainWindow };
enum class MessageIcon { None, Information };

struct Message {
    std::string text;  // lines separated by "\r"
    MessageButtons buttons = MessageButtons::Ok;
    MessagePlacement placement = MessagePlacement::Centred;
    MessageIcon icon = MessageIcon::None;
};

class Messages {
public:
    virtual ~Messages() = default;
    // Shows the message; for Yes/No returns true on Yes. OK messages return true.
    virtual bool show(const Message& message) = 0;
    void inform(const std::string& text, MessagePlacement placement = MessagePlacement::Centred) {
        show(Message{text, MessageButtons::Ok, placement});
    }
};

}  // namespace andel
