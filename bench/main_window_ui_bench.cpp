// The main window as the agent meets it: start-up to the shown window in a working
// directory like the demo one, and one stem click (toggle, recomputation, repaint).
#include "main_window/main_window.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

std::filesystem::path workingDirectory() {
    const char* demo = std::getenv("ANDEL_BENCH_DIR");
    return demo ? std::filesystem::path(demo) : std::filesystem::temp_directory_path();
}

void BM_StartUpToShownWindow(benchmark::State& state) {
    for (auto _ : state) {
        andel::Tgridform window{andel::Workspace(workingDirectory())};
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond);

// The click's handler: toggle, recomputation and the controls updated from the state.
// With `repaint` the whole window is painted afterwards too.
void BM_StemClick(benchmark::State& state) {
    const bool repaint = state.range(0) != 0;
    andel::Tgridform window{andel::Workspace(workingDirectory())};
    window.show();
    QApplication::processEvents();
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    const QPoint cell = grid->visualRect(grid->model()->index(5, 3)).center();
    for (auto _ : state) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
        if (repaint) window.repaint();
    }
}
BENCHMARK(BM_StemClick)->ArgName("repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
