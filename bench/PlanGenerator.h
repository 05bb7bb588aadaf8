#pragma once
// Plans of any size for the benchmarks: projects of 100 tasks, each task
// under the one before it or under the project, with a folder, two files, a
// description and dates spread over the years.
#include <filesystem>
#include <string>

#include "uProject.h"

namespace fq::bench {

void FillPlan(TSFProjectManager& manager, int taskCount);

// Saves such a plan to the file.
void WritePlan(const std::string& file, int taskCount);

long StatusKilobytes(const char* field);  // a field of /proc/self/status, e.g. "VmHWM:"

// A temporary folder of this benchmark run, made on first use; the caller
// removes it at the end.
const std::filesystem::path& WorkFolder();

}  // namespace fq::bench
