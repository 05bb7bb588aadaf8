// Opening a plan of 100 000 tasks as a user does: the program starts, loads
// the plan, fills the tree, and the window is painted for the first time.
// Each opening runs in a fresh process of its own (this program, started
// again with --open), so that its peak memory is its own.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QStringList>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "FennquillApplication.h"
#include "PlanGenerator.h"
#include "ProjectTreeModel.h"
#include "uMain.h"

namespace {

namespace fs = std::filesystem;

// In the fresh process: the times of the start-up (load and tree) and of the
// first paint in milliseconds, and the peak memory in kilobytes.
int Open(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    fq::FennquillApplication application(argc, argv);
    fq::TfrmMain window{QStringList()};
    const qint64 started = clock.elapsed();
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    const qint64 painted = clock.elapsed();
    std::printf("%lld %lld %ld %d\n", static_cast<long long>(started), static_cast<long long>(painted - started),
                fq::bench::StatusKilobytes("VmHWM:"), window.TreeModel->rowCount());
    return 0;
}

void BM_OpenPlan(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    const fs::path data = fq::bench::WorkFolder() / ("data-" + std::to_string(tasks));
    fs::create_directories(data);
    fq::bench::WritePlan((data / "Fennquill.xml").string(), tasks);
    const std::string command = "XDG_DATA_HOME='" + data.string() + "' XDG_CONFIG_HOME='" + (fq::bench::WorkFolder() / "config").string() +
                                "' QT_QPA_PLATFORM=offscreen '" + fs::read_symlink("/proc/self/exe").string() + "' --open";
    long long startup = 0, paint = 0;
    long peak = 0;
    int projects = 0;
    for (auto _ : state) {
        FILE* child = popen(command.c_str(), "r");
        if (child == nullptr || std::fscanf(child, "%lld %lld %ld %d", &startup, &paint, &peak, &projects) != 4)
            state.SkipWithError("the opening process failed");
        if (child != nullptr) pclose(child);
        state.SetIterationTime(static_cast<double>(startup + paint) / 1000.0);
    }
    state.counters["load_and_tree_ms"] = static_cast<double>(startup);
    state.counters["first_paint_ms"] = static_cast<double>(paint);
    state.counters["peak_MB"] = static_cast<double>(peak) / 1024.0;
    state.counters["projects"] = projects;
}

BENCHMARK(BM_OpenPlan)->Arg(10000)->Arg(100000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--open") == 0) return Open(argc, argv);
    std::setlocale(LC_ALL, "");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(fq::bench::WorkFolder());
    return 0;
}
