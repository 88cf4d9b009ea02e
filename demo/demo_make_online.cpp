#include "demo_make_online.h"

#include "platform/io_error.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

namespace {

class NoMessages : public andel::Messages {
public:
    bool show(const andel::Message& message) override { throw andel::IoError(message.text); }
};

void setWhenMissing(andel::SettingsStore& store, std::string_view key, std::string_view value) {
    if (store.getString(key).found) return;
    if (!store.setString(key, value)) throw andel::IoError("Kan ikke skrive " + std::string(key));
}

}  // namespace

void writeMakeOnlineDemo(const andel::Workspace& demo) {
    NoMessages messages;
    andel::SettingsStore serials(demo.file("onlcopi/config.kvs"), messages);
    setWhenMissing(serials, andel::kUniktnummerOnlinefil.name, "1247");
    andel::SettingsStore settings = andel::mainStore(demo, messages);
    setWhenMissing(settings, andel::kOnlinefilDrive, "C");
}
