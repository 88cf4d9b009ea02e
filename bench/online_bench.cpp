// The online file: a nine-coupon system from TPP.TMP to the copied destination, and the
// check characters of one record whose both searches run long.
#include "online/check_characters.h"
#include "online/header_record.h"
#include "online/online_conversion.h"
#include "model/coupon.h"
#include "model/stem.h"
#include "model/stem_analysis.h"
#include "online/rows_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A clean submission shows no message; one that does is not what is measured.
class CountedMessages : public andel::Messages {
public:
    bool show(const andel::Message&) override { return ++count > 0; }
    int count = 0;
};

// The submission of the default stem as the make command fills it.
andel::Submission defaultStemSubmission() {
    andel::Submission s;
    s.onlineFileName = "KRYSSEN_2916_Rekker_KARI_NORDMANN_Dato_07-03-2009_KL_09-05-03.NTF";
    s.onlineDirectory = "C:\\NTFILE";
    s.navn = "Kari Nordmann";
    s.spillenummer = "123456789";
    s.antallUker = s.gangefelt = s.rekkepris = "1";
    s.kupongtype = "LØRDAG";
    s.pause = "NORMAL";
    s.fridisposisjonHeader = "1234";
    const andel::CouponSet coupons = andel::expandCoupons(andel::analyseStem(andel::defaultStem()));
    s.systemCoupons.assign(coupons.begin(), coupons.end());
    return s;
}

// Both files are flushed to the disk before they count as written, so on a disk the
// flushes dominate; on a memory file system what remains is the program's own work.
void writeNineCouponOnlineFile(benchmark::State& state, fs::path base) {
    std::error_code error;
    if (!fs::is_directory(base, error)) {
        state.SkipWithError("no such file system here");
        return;
    }
    const fs::path directory = base / "andel-online-bench";
    fs::create_directories(directory / "NTFILE");
    const andel::Workspace workspace(directory);
    andel::writeRowsFile(workspace.file("TPP.TMP"), defaultStemSubmission());
    andel::ConversionRequest request;
    request.input = workspace.file("TPP.TMP");
    request.destination = directory / "NTFILE" / "KRYSSEN.NTF";
    CountedMessages messages;
    andel::WriteProgress progress;
    for (auto _ : state) {
        const auto result = andel::runOnlineConversion(workspace, request, messages, progress);
        if (result.records != 10 || messages.count > 0) state.SkipWithError("not a clean file of ten records");
        benchmark::DoNotOptimize(result);
    }
    fs::remove_all(directory);
}
BENCHMARK_CAPTURE(writeNineCouponOnlineFile, onDisk, fs::temp_directory_path())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(writeNineCouponOnlineFile, inMemory, fs::path("/dev/shm"))->Unit(benchmark::kMicrosecond);

// The other games at ten times the demo's rows files (the demo has one to three coupons a
// game): 120 LOTTO rows, 20 EXTRA system coupons and 20 single rows, 30 ODDSBOMBEN blocks.
std::string gameRowsFile(const std::string& game) {
    andel::Submission s = defaultStemSubmission();
    s.onlineFileName = game + ".NTF";
    s.spill = game;
    std::string bytes = andel::rowsFileHeaderBytes(s);
    auto line = [&bytes](const std::string& text) { bytes += text + "\r\n"; };
    if (game == "LOTTO") {
        line("#REKKER");
        for (int i = 0; i < 120; ++i) line("03 07 12 18 24 29 33");
    } else if (game == "EXTRA") {
        line("#SYSTEMKUPONGER");
        for (int i = 0; i < 20; ++i) line("0036 01 04 09 13 18 24 27 30 33");
        line("#ENKELREKKER");
        for (int i = 0; i < 20; ++i) line("0001 03 06 12 17 21 29 34");
    } else {
        line("#SYSTEMKUPONGER");
        for (int i = 0; i < 30; ++i) {
            line("SYSTEMKUPONGNR " + std::to_string(i + 1));
            line("0006 7344444412");
            line("0006 4234721111");
        }
        line("#ENKELREKKER");
    }
    return bytes;
}

void writeGameOnlineFile(benchmark::State& state, std::string game) {
    const fs::path directory = fs::temp_directory_path() / "andel-online-game-bench";
    fs::create_directories(directory / "NTFILE");
    const andel::Workspace workspace(directory);
    std::ofstream(workspace.file("TPP.TMP"), std::ios::binary) << gameRowsFile(game);
    const andel::ConversionRequest request{workspace.file("TPP.TMP"), game, directory / "NTFILE" / "X.NTF"};
    CountedMessages messages;
    andel::WriteProgress progress;
    for (auto _ : state) {
        const auto result = andel::runOnlineConversion(workspace, request, messages, progress);
        if (result.outcome != andel::ConversionOutcome::Written || messages.count > 0) {
            state.SkipWithError("not a clean file");
        }
        benchmark::DoNotOptimize(result);
    }
    fs::remove_all(directory);
}
BENCHMARK_CAPTURE(writeGameOnlineFile, lotto, std::string("LOTTO"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(writeGameOnlineFile, extra, std::string("EXTRA"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(writeGameOnlineFile, oddsbomben, std::string("ODDSBOMBEN"))->Unit(benchmark::kMicrosecond);

// A header whose first and second check characters both start far outside 32-127:
// the two searches try 6,336 and 4,896 pairs before they stop.
void checkCharactersWithLongSearches(benchmark::State& state) {
    andel::HeaderRecord header;
    header.setName("Ola");
    std::string record = header.bytes();
    record[10] = static_cast<char>(147);
    record[11] = static_cast<char>(128);
    std::string closed = record;
    andel::closeRecord(closed, false);
    if (closed.compare(335, 4, record, 335, 4) == 0 || closed[336] == record[336] || closed[335] == record[335]) {
        state.SkipWithError("the record does not need both searches");
    }
    for (auto _ : state) {
        std::string work = record;
        andel::closeRecord(work, false);
        benchmark::DoNotOptimize(work);
    }
}
BENCHMARK(checkCharactersWithLongSearches)->Unit(benchmark::kMicrosecond);

}  // namespace
