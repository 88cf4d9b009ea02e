// andelstipp-demo DIR: creates a demo working directory with made-up but realistic data,
// so `make run` shows a program in use. Files that already exist are left alone, so what
// the program wrote there last time stays.
#include "demo_accounts.h"
#include "demo_online.h"
#include "demo_make_online.h"
#include "demo_game_examples.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "platform/process_io.h"
#include "platform/workspace.h"
#include "settings/agent_profile.h"
#include "settings/settings_store.h"
#include "demo_results.h"
#include "demo_register.h"
#include "demo_printing.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

class PrintedMessages : public andel::Messages {
public:
    bool show(const andel::Message& message) override {
        std::cerr << message.text << '\n';
        return true;
    }
};

void writeAgentIdentity(const andel::Workspace& demo) {
    if (andel::fileExists(demo.file("kommlogo.KVS"))) return;
    andel::AgentProfile agent;
    agent.companyName = "Bryggen Tipp & Tobakk";
    agent.streetAddress = "Strandkaien 14";
    agent.postalAddress = "5013 Bergen";
    agent.slogan = "NORGES BESTE TIPPEKOMMISJONÆR";
    agent.agentNumber = "BG 123 456 789";
    agent.telephone = "55 31 42 07";
    agent.fax = "55 31 42 08";
    andel::writeAgentProfile(demo, agent);
}

void writeSettings(const andel::Workspace& demo) {
    if (andel::fileExists(demo.file("config.kvs"))) return;
    PrintedMessages messages;
    andel::SettingsStore store = andel::mainStore(demo, messages);
    const std::pair<const char*, const char*> settings[] = {
        {"FORNAVN", "Kari"},          {"ETTERNAVN", "Nordmann"},
        {"TIPPERNUMMER", "123 456 789"}, {"REKKEPRIS_MIDTUKE", "1"},
        {"BKCOL_KUPONGLAG_ANDEL", "12632256"}, {"TXCOL_KUPONGLAG_ANDEL", "0"},
    };
    for (const auto& [key, value] : settings) {
        if (!store.setString(key, value)) throw andel::IoError(std::string("Kan ikke skrive ") + key);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = andel::utf8Arguments(argc, argv);
    if (arguments.size() != 1) {
        std::cerr << "usage: andelstipp-demo DIR\n";
        return 2;
    }
    try {
        const andel::Workspace demo{std::filesystem::path(std::u8string(arguments[0].begin(), arguments[0].end()))};
        andel::ensureDirectory(demo.root());
        writeAgentIdentity(demo);
        writeSettings(demo);
        writeOnlineDemo(demo);
        writeMakeOnlineDemo(demo);
        writeGameExamples(demo);
        andel::demo::writeDemoRegister(demo);
        andel::demo::writeDemoStorage(demo);
        andel::demo::writeDemoResults(demo);
        andel::demo::writeDemoPrinting(demo);
        andel::demo::writeDemoAccounts(demo);
    } catch (const andel::IoError& error) {
        std::cerr << "andelstipp-demo: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
