// andelstipp-cli send: a numbered window message to the running program of the working
// directory, as the row-generating program sends it.
#include "commands.h"
#include "handover/presence_files.h"
#include "handover/window_message.h"
#include "platform/message_socket.h"

#include <iostream>

namespace andel::cli {
namespace {

std::int64_t parseParameter(const std::string& text, const std::string& what) {
    const auto message = parseWindowMessage("0 " + text + " 0");
    if (!message) throw UsageError(what + " must be a whole number, not \"" + text + "\"");
    return message->wParam;
}

}  // namespace

int runSend(const Arguments& args, Context& context) {
    if (args.positionals().size() != 1 && args.positionals().size() != 3) {
        throw UsageError("send takes NUMBER, or NUMBER WPARAM LPARAM");
    }
    const std::string& number = args.positionals()[0];
    WindowMessage message;
    if (number == "13319") message.number = static_cast<std::uint32_t>(WindowMessageId::ShowOrClose);
    else if (number == "12707") message.number = static_cast<std::uint32_t>(WindowMessageId::TakeRegisterCustomer);
    else throw UsageError("NUMBER must be 13319 or 12707, not \"" + number + "\"");
    if (args.positionals().size() == 3) {
        message.wParam = parseParameter(args.positionals()[1], "WPARAM");
        message.lParam = parseParameter(args.positionals()[2], "LPARAM");
    }
    const auto handle = readHandleFile(context.workspace);
    if (!handle) {
        std::cerr << "andelstipp-cli: no running program: " << kHandleFileName << " is missing or damaged in "
                  << context.workspace.displayName() << '\n';
        return 1;
    }
    std::string error;
    if (!sendToMessageSocket(messageSocketPath(*handle), formatWindowMessage(message) + "\n", error)) {
        std::cerr << "andelstipp-cli: " << error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace andel::cli
