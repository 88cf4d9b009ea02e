#pragma once
// The sink for every message box: the windows show a QMessageBox where the placement
// says, tests record the messages, the command-line tool prints them to stderr.
#include <string>

namespace andel {

enum class MessageButtons { Ok, YesNo };
// Where the box appears. Centred: on the screen; OverMainWindow: centred over the main
// window. The others put the box's top left corner at the offset from the mouse pointer,
// from the main window's top left corner, or from the middle of its top edge.
enum class MessagePlacement {
    Centred,
    NearMousePointer,
    OverMainWindow,
    FromMainWindowCorner,
    FromMainWindowTopMiddle,
};
enum class MessageIcon { None, Information };
// The answer Enter or Space gives before the agent moves: No for a question whose Yes
// makes or changes something the agent may not have meant.
enum class MessageDefault { Yes, No };

struct Message {
    std::string text;  // lines separated by "\r"
    MessageButtons buttons = MessageButtons::Ok;
    MessagePlacement placement = MessagePlacement::Centred;
    MessageIcon icon = MessageIcon::None;
    int offsetX = 0, offsetY = 0;  // pixels right and down from the placement's point
    MessageDefault defaultAnswer = MessageDefault::Yes;  // Yes/No only
};

class Messages {
public:
    virtual ~Messages() = default;
    // Shows the message; for Yes/No returns true on Yes. OK messages return true.
    virtual bool show(const Message& message) = 0;
    void inform(const std::string& text, MessagePlacement placement = MessagePlacement::Centred, int offsetX = 0,
                int offsetY = 0) {
        show(Message{text, MessageButtons::Ok, placement, MessageIcon::None, offsetX, offsetY});
    }
};

}  // namespace andel
