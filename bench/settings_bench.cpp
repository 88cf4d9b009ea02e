// getString on a settings store of 1,000 lines that no other program holds.
#include "settings/settings_store.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class NoMessages : public andel::Messages {
public:
    bool show(const andel::Message&) override { return true; }
};

void getStringFromAThousandLines(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path directory = fs::temp_directory_path() / "andel-settings-bench";
    fs::create_directories(directory);
    {
        std::ofstream out(directory / "config.kvs", std::ios::binary | std::ios::trunc);
        for (int i = 0; i < 1000; ++i) {
            out << "N\xd8KKEL_" << i << "=verdi nummer " << i << " med litt tekst\r\n";
        }
    }
    NoMessages messages;
    const andel::SettingsStore store(directory / "config.kvs", messages);
    for (auto _ : state) {
        const andel::SettingValue value = store.getString("nøkkel_990");
        benchmark::DoNotOptimize(value);
        if (!value.found) state.SkipWithError("key not found");
    }
    fs::remove_all(directory);
}
BENCHMARK(getStringFromAThousandLines)->Unit(benchmark::kMicrosecond);

}  // namespace
