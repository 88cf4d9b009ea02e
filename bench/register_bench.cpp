// The customer register with 20,000 customers: loading and sorting it for the window,
// and the rewrites of an append and a delete.
#include "platform/messages.h"
#include "platform/workspace.h"
#include "register/customer_register.h"
#include "register/register_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

class SilentMessages : public andel::Messages {
public:
    bool show(const andel::Message&) override { return true; }
};

constexpr int kCustomers = 20000;

// A working directory holding a register of made-up customers, removed afterwards.
class RegisterDirectory {
public:
    RegisterDirectory() : root_(std::filesystem::temp_directory_path() / "andel-register-bench") {
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
        const char* lastNames[] = {"Hansen", "Johansen", "Olsen", "Larsen", "Andersen", "Pedersen", "Nilsen",
                                   "Kristiansen", "Jensen", "Karlsen", "Ødegård", "Aasheim", "Berg", "Haugen"};
        const char* firstNames[] = {"Kari", "Ola", "Ingrid", "Per", "Åse", "Bjørn", "Liv", "Geir", "Hilde", "Tor"};
        std::string bytes;
        for (int i = 0; i < kCustomers; ++i) {
            andel::Tkunderec c;
            c.firstName = firstNames[(i * 7) % 10];
            c.lastName = std::string(lastNames[(i * 11) % 14]) + (i % 3 == 0 ? "" : std::to_string(i % 97));
            c.playerNumber = static_cast<std::uint32_t>((i * 7919u) % 1000000000u);
            c.telephone1 = 55000000u + static_cast<std::uint32_t>(i);
            c.day = 1 + i % 28;
            c.month = 1 + i % 12;
            c.year = 1990 + i % 20;
            bytes += andel::encodeKunderec(c);
        }
        std::FILE* file = std::fopen((root_ / "WTOM.KVS").c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    ~RegisterDirectory() { std::filesystem::remove_all(root_); }
    andel::Workspace workspace() const { return andel::Workspace(root_); }

private:
    std::filesystem::path root_;
};

void BM_LoadAndSortRegister(benchmark::State& state) {
    RegisterDirectory directory;
    const andel::Workspace workspace = directory.workspace();
    SilentMessages messages;
    andel::SettingsStore settings = andel::mainStore(workspace, messages);
    const int criterion = static_cast<int>(state.range(0));
    for (auto _ : state) {
        andel::CustomerRegister reg;
        andel::loadRegister(reg, workspace, settings);
        andel::arrangeColumns(reg.table, criterion);
        andel::sortRows(reg.table, andel::sortHeader(criterion));
        benchmark::DoNotOptimize(reg.table.rows.data());
    }
}
BENCHMARK(BM_LoadAndSortRegister)->Arg(1)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

// One keystroke in the search field: every row's sort column compared without regard
// to case, the match near the end ("Ø" sorts after Z).
void BM_SearchKeystroke(benchmark::State& state) {
    RegisterDirectory directory;
    const andel::Workspace workspace = directory.workspace();
    SilentMessages messages;
    andel::SettingsStore settings = andel::mainStore(workspace, messages);
    andel::CustomerRegister reg;
    andel::loadRegister(reg, workspace, settings);
    andel::chooseCriterion(reg, 1, settings);
    for (auto _ : state) benchmark::DoNotOptimize(andel::searchCustomer(reg, "øde"));
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

// Times one half of an append-delete pair on the large register; the other half puts
// the register back untimed.
template <bool TimeAppend>
void BM_Rewrite(benchmark::State& state) {
    RegisterDirectory directory;
    const andel::Workspace workspace = directory.workspace();
    SilentMessages messages;
    andel::Tkunderec extra;
    extra.firstName = "Ekstra";
    extra.lastName = "Kunde";
    for (auto _ : state) {
        if constexpr (TimeAppend) {
            andel::appendCustomer(workspace, extra, messages);
            state.PauseTiming();
            andel::deleteCustomer(workspace, extra, messages);
            state.ResumeTiming();
        } else {
            state.PauseTiming();
            andel::appendCustomer(workspace, extra, messages);
            state.ResumeTiming();
            andel::deleteCustomer(workspace, extra, messages);
        }
    }
}
BENCHMARK(BM_Rewrite<true>)->Name("BM_AppendCustomer")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rewrite<false>)->Name("BM_DeleteCustomer")->Unit(benchmark::kMillisecond);

}  // namespace
