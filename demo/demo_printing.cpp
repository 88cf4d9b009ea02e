#include "demo_printing.h"

#include "platform/io_error.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <iostream>

namespace andel::demo {
namespace {

class PrintedMessages : public Messages {
public:
    bool show(const Message& message) override {
        std::cerr << message.text << '\n';
        return true;
    }
};

}  // namespace

void writeDemoPrinting(const Workspace& demo) {
    PrintedMessages messages;
    SettingsStore store = mainStore(demo, messages);
    // The agent's printer cuts a little at the left edge: two units more than the design.
    const std::pair<IntKey, int> settings[] = {{kVenstremargKryssballen, 18}, {kTegnjusteringKryssballen, 0}};
    for (const auto& [key, value] : settings) {
        if (store.getString(key.name).found) continue;
        if (!store.setInt(key.name, value)) throw IoError("Kan ikke skrive " + std::string(key.name));
    }
}

}  // namespace andel::demo
