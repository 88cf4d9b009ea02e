// fuzz-seeds OUTDIR: the seed inputs of the fuzz targets, made by the program's own
// writers: the demo working directory, and the rows file and online file of the default
// syndicate. OUTDIR/<target>/ receives each target's seeds.
#include "books/balance_transfer.h"
#include "books/ledger_file.h"
#include "demo_accounts.h"
#include "demo_make_online.h"
#include "demo_online.h"
#include "demo_printing.h"
#include "demo_register.h"
#include "demo_results.h"
#include "fuzz_support.h"
#include "handover/window_message.h"
#include "model/share_code.h"
#include "online/online_submission.h"
#include "online/rows_file_body.h"
#include "online/rows_file_reader.h"
#include "online/tipping_writer.h"
#include "platform/file_io.h"
#include "results/pools_history.h"
#include "settings/agent_profile.h"
#include "settings/settings_store.h"
#include "workbench/recompute.h"

#include <algorithm>
#include <fstream>
#include <iostream>

namespace {
namespace fs = std::filesystem;
using namespace andel;

class Seeds {
public:
    explicit Seeds(fs::path root) : root_(std::move(root)) {}
    void add(const std::string& target, const std::string& name, std::string_view bytes) const {
        fs::create_directories(root_ / target);
        std::ofstream(root_ / target / name, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }
    // Up to `most` regular files under `from` whose names start with `start` and end with
    // `end`, each behind `before`; named by their path below `from`.
    void addFiles(const std::string& target, const fs::path& from, std::string_view start, std::string_view end,
                  int most, std::string_view before = "") const {
        int taken = 0;
        for (const auto& entry : fs::recursive_directory_iterator(from)) {
            const std::string name = entry.path().filename().string();
            if (!entry.is_regular_file() || !name.starts_with(start) || !name.ends_with(end) || taken == most) continue;
            std::string seedName = fs::relative(entry.path(), from).string();
            std::replace(seedName.begin(), seedName.end(), '/', '_');
            add(target, seedName, std::string(before) + readFileBytes(entry.path()).value_or(""));
            ++taken;
        }
    }

private:
    fs::path root_;
};

// The rows file and online file of the default syndicate, through the program's writers.
void addOnlineSeeds(const Seeds& seeds, const Workspace& demo) {
    WorkbenchState state = initialWorkbenchState();
    recomputeSystem(state);
    OnlineDialogAnswers answers{"Kåre Ødegård", "123456789", "C:\\NTFILE"};
    std::vector<std::string> problems;
    Submission submission = submissionOf(state, answers, "1234", problems);
    submission.onlineFileName = "KRYSSEN_2916_Rekker_KARE_ODEGARD.NTF";
    const std::string rows = rowsFileBytes(submission);
    seeds.add("rows_file", "default.tmp", rows);

    fuzz::QuietMessages messages;
    const auto file = demo.file("TPP.TMP");
    replaceFile(file, rows);
    RowsFileInfo info;
    WriteProgress progress;
    if (!readRowsFile(file, messages, info)) throw std::runtime_error("the rows file does not read back");
    const std::string online = buildTippingFile(info.info, *loadRowsFileLines(file), {}, messages, progress);
    seeds.add("online_dump", "default.ntf", online);
    seeds.add("online_dump", "truncated.ntf", online.substr(0, online.size() - 100));
}

void addDemoSeeds(const Seeds& seeds, const Workspace& demo) {
    const fs::path root = demo.root();
    seeds.addFiles("register", root, "WTOM.KVS", "", 1);
    seeds.addFiles("storage", root / "pul1lgr", "DATO-", ".TXT", 3);
    seeds.addFiles("results_file", root / "tipperesultater", "", ".kui", 2);
    seeds.addFiles("settings_store", root, "config.kvs", "", 2);
    seeds.addFiles("agent_profile", root, "kommlogo.KVS", "", 1);
    seeds.addFiles("download_settings", root, "wwwkvasarlaster.txt", "", 1);
    seeds.addFiles("team_names", root, "KUP_", ".TXT", 1, "\x01");
    seeds.addFiles("drive_map", root, "config.kvs", "", 1, "C:\\NTFILE\\kryssen.ntf\nDRIVE_C=.\r\n");
    seeds.addFiles("ledger", root / kLedgerDirectory, "REGNSKAP_", ".TXT", 2);

    const std::string history = readFileBytes(root / "tippehistorikk" / "lf.txt").value_or("");
    const StatisticsRecord first = parseHistoryLine(history.substr(0, history.find('\n')));
    seeds.add("pools_history", "lf.txt", std::to_string(first.week) + " " + std::to_string(first.year) + "\n" + history);

    for (const BalanceTransfer& transfer :
         {BalanceTransfer{BalanceTransfer::Kind::Pay, {10, 12, 2026}, "1002", 2, {{"1001", 2, 40}, {"1000", 1, 106}}},
          BalanceTransfer{BalanceTransfer::Kind::Undo, {10, 12, 2026}, "1002", 2, {{"1000", 1, 146}}}}) {
        seeds.add("balance_journal", transfer.kind == BalanceTransfer::Kind::Pay ? "pay" : "undo", encodeTransfer(transfer));
    }
    for (const WindowMessage& message : {WindowMessage{13319, 0, 0}, WindowMessage{12707, 1, -65536}}) {
        seeds.add("window_message", std::to_string(message.number), formatWindowMessage(message) + "\r\n");
    }
    const std::pair<const char*, std::string> counterTexts[] = {
        {"code", shareCodeText("1042", 17, {50, 2026, {}})}, {"spaced", "an 1042 017 42"},
        {"address", "192.168.1.50:9100"}, {"serial", "COM3:19200"}, {"slip", "Åse Ødegård, kr 1.460 betalt 11.12.2026"}};
    for (const auto& [name, text] : counterTexts) seeds.add("counter_text", name, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz-seeds OUTDIR\n";
        return 2;
    }
    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& demo = directory.reset();
    try {
        writeOnlineDemo(demo);
        writeMakeOnlineDemo(demo);
        demo::writeDemoRegister(demo);
        demo::writeDemoStorage(demo);
        demo::writeDemoResults(demo);
        demo::writeDemoPrinting(demo);
        demo::writeDemoAccounts(demo);
        fuzz::QuietMessages messages;
        SettingsStore store = mainStore(demo, messages);
        store.setString("FORNAVN", "Kari");
        store.setString("SORTERING", "2");
        AgentProfile agent;
        agent.companyName = "Bryggen Tipp & Tobakk";
        writeAgentProfile(demo, agent);
        const Seeds seeds{fs::path(argv[1])};
        addDemoSeeds(seeds, demo);
        addOnlineSeeds(seeds, demo);
    } catch (const std::exception& error) {
        std::cerr << "fuzz-seeds: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
