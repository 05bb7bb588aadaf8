// Loading and saving plans of 1 000, 10 000 and 100 000 tasks, beside
// pugixml's bare parse and serialisation of the same file, and the
// identifier look-ups. Peak memory of a load is reported against the size of
// the file.
#include <benchmark/benchmark.h>
#include <pugixml.hpp>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "PlanGenerator.h"
#include "uProject.h"

namespace {

namespace fs = std::filesystem;

// The saved plan of each size, made once.
const std::string& PlanFile(int taskCount) {
    static std::map<int, std::string> files;
    auto found = files.find(taskCount);
    if (found != files.end()) return found->second;
    const std::string file = (fq::bench::WorkFolder() / ("plan-" + std::to_string(taskCount) + ".xml")).string();
    fq::bench::WritePlan(file, taskCount);
    return files[taskCount] = file;
}

double FileMegabytes(int taskCount) { return static_cast<double>(fs::file_size(PlanFile(taskCount))) / (1 << 20); }

// As at start-up: a fresh manager reads the file. Releasing the plan
// afterwards is not timed.
void BM_Load(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    const std::string& file = PlanFile(tasks);
    for (auto _ : state) {
        auto manager = std::make_unique<fq::TSFProjectManager>();
        manager->FileName = file;
        manager->Load();
        state.PauseTiming();
        manager.reset();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = FileMegabytes(tasks);
}

// Loading again into a manager that already holds the plan: the old plan
// is released first.
void BM_Reload(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    fq::TSFProjectManager manager;
    manager.FileName = PlanFile(tasks);
    manager.Load();
    for (auto _ : state) manager.Load();
}

void BM_BarePugixmlParse(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    const std::string& file = PlanFile(tasks);
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(file.c_str(), pugi::parse_default | pugi::parse_comments | pugi::parse_pi));
    }
    state.counters["file_MB"] = FileMegabytes(tasks);
}

void BM_Save(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    fq::TSFProjectManager manager;
    manager.FileName = PlanFile(tasks);
    manager.Load();
    manager.FileName = (fq::bench::WorkFolder() / "saved.xml").string();
    for (auto _ : state) manager.Save();
}

void BM_BarePugixmlSave(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    pugi::xml_document document;
    document.load_file(PlanFile(tasks).c_str());
    const std::string target = (fq::bench::WorkFolder() / "bare.xml").string();
    for (auto _ : state) benchmark::DoNotOptimize(document.save_file(target.c_str(), "  ", pugi::format_indent | pugi::format_no_declaration));
}

// A loaded plan and the identifier of its very last task: the worst case of
// the look-ups that scan from the front.
struct LookUpFixture {
    explicit LookUpFixture(int tasks) {
        manager.FileName = PlanFile(tasks);
        manager.Load();
        const fq::TSFProject& project = manager.Projects.Items(manager.Projects.Count() - 1);
        lastTask = project.Tasks.Items(project.Tasks.Count() - 1).ID;
    }
    fq::TSFProjectManager manager;
    std::string lastTask;
};

void BM_IndexOfProjectOrTask(benchmark::State& state) {
    LookUpFixture plan(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(plan.manager.Projects.IndexOfProjectOrTask(plan.lastTask));
}

void BM_FindTaskProject(benchmark::State& state) {
    LookUpFixture plan(static_cast<int>(state.range(0)));
    std::string projectId;
    for (auto _ : state) benchmark::DoNotOptimize(plan.manager.FindTaskProject(plan.lastTask, projectId));
}

void BM_IsProjectId(benchmark::State& state) {
    LookUpFixture plan(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(plan.manager.IsProjectId(plan.lastTask));
}

// Run in a process of its own (see main): loads the file and prints the
// peak memory of the process above what it held just before the load, in
// kilobytes.
int PrintPeakMemoryOfLoad(const char* file) {
    fq::TSFProjectManager manager;
    manager.FileName = file;
    const long before = fq::bench::StatusKilobytes("VmRSS:");
    manager.Load();
    std::printf("%ld\n", fq::bench::StatusKilobytes("VmHWM:") - before);
    return 0;
}

// Peak memory of a load in a fresh process, where no memory freed earlier
// is there to be reused, against the size of the file.
void BM_LoadPeakMemory(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    const std::string command = "'" + fs::read_symlink("/proc/self/exe").string() + "' --peak-memory-of-load '" + PlanFile(tasks) + "'";
    double peakMegabytes = 0;
    for (auto _ : state) {
        FILE* child = popen(command.c_str(), "r");
        long kilobytes = -1;
        if (child == nullptr || std::fscanf(child, "%ld", &kilobytes) != 1) state.SkipWithError("the measuring process failed");
        if (child != nullptr) pclose(child);
        peakMegabytes = static_cast<double>(kilobytes) / 1024;
    }
    state.counters["peak_MB"] = peakMegabytes;
    state.counters["file_MB"] = FileMegabytes(tasks);
    state.counters["peak_per_file_size"] = peakMegabytes / FileMegabytes(tasks);
}

BENCHMARK(BM_Load)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Reload)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BarePugixmlParse)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BarePugixmlSave)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexOfProjectOrTask)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindTaskProject)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IsProjectId)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadPeakMemory)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    if (argc == 3 && std::strcmp(argv[1], "--peak-memory-of-load") == 0) return PrintPeakMemoryOfLoad(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(fq::bench::WorkFolder());
    return 0;
}
