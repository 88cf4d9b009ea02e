// Listing a storage directory of 5,000 storage files for the storage browser.
#include "platform/clock.h"
#include "storage/storage_file.h"
#include "storage/storage_listing.h"
#include "workbench/recompute.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace {

constexpr int kFiles = 5000;

void BM_ListStorage(benchmark::State& state) {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "andel-storage-bench";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    andel::WorkbenchState syndicate = andel::initialWorkbenchState();
    syndicate.ukecomboboxItems = {" UKE 05 -2000"};
    for (int i = 0; i < kFiles; ++i) {
        syndicate.xfornavn = "Spiller" + std::to_string(i);
        const andel::LocalDateTime at{std::chrono::year{2000 + i % 9} / (1 + i % 12) / (1 + i % 28), i % 24,
                                      (i / 24) % 60, (i / 1440) % 60};
        const std::string bytes = andel::encodeTextLines(andel::storageFileLines(syndicate, andel::StorageMode::Lager, "", at));
        const std::filesystem::path file = directory / ("DATO-" + std::to_string(100000 + i) + ".TXT");
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
    for (auto _ : state) {
        andel::TextTable table = andel::emptyStorageTable();
        andel::fillStorageTable(table, directory);
        benchmark::DoNotOptimize(table.rows.data());
    }
    std::filesystem::remove_all(directory);
}
BENCHMARK(BM_ListStorage)->Unit(benchmark::kMillisecond);

}  // namespace
