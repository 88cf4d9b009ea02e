#include "demo_online.h"

#include "platform/file_io.h"
#include "platform/io_error.h"
#include "settings/settings_store.h"


namespace {

// Nothing else runs while the demo is made: any message from the store is a failure.
class FailOnMessage : public andel::Messages {
public:
    bool show(const andel::Message& message) override { throw andel::IoError(message.text); }
};

void mapDrive(andel::SettingsStore& store, const andel::Workspace& demo, char letter, const std::string& directory) {
    const std::string key = std::string("DRIVE_") + letter;
    if (store.getString(key).found) return;
    andel::ensureDirectory(demo.file(directory + "/NTFILE"));
    if (!store.setString(key, directory)) throw andel::IoError("Kan ikke skrive " + key);
}

}  // namespace

void writeOnlineDemo(const andel::Workspace& demo) {
    if (!andel::fileExists(demo.file("wwwkvasarlaster.txt"))) {
        andel::replaceFile(demo.file("wwwkvasarlaster.txt"),
                           "ONLINEUBLANK\r\n0\r\nSKIPCHARERROR\r\nNEI\r\nSISTNEDLASTET\r\n07.03.2009 09:05\r\n");
    }
    andel::ensureDirectory(demo.file("onlcopi"));
    FailOnMessage messages;
    andel::SettingsStore store = andel::mainStore(demo, messages);
    mapDrive(store, demo, 'C', "stasjon_c");
    mapDrive(store, demo, 'A', "diskett_a");
}
