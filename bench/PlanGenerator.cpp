#include "PlanGenerator.h"

#include <stdlib.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

namespace fq::bench {

constexpr int kTasksPerProject = 100;

void FillPlan(TSFProjectManager& manager, int taskCount) {
    for (int made = 0; made < taskCount;) {
        manager.AddProject("Project " + std::to_string(made / kTasksPerProject));
        TSFProject& project = manager.Projects.Items(manager.Projects.Count() - 1);
        std::string parent;
        for (int i = 0; i < kTasksPerProject && made < taskCount; ++i, ++made) {
            parent = project.AddTask("Task " + std::to_string(made), i % 4 == 0 ? std::string() : parent);
            TSFTask& task = project.Tasks.Items(project.Tasks.Count() - 1);
            task.Description = "Check the drawings against the survey,\r\nthen send them on.";
            task.StartDate = 40000.0 + (made * 7919 % 9000) + (made % 86400) / 86400.0;
            task.EndDate = task.StartDate + 1.0 + made % 30;
            TSFFolder& folder = task.Folders.Add();
            folder.Initialize();
            folder.Path = "/home/ann/work/project " + std::to_string(made / kTasksPerProject) + "/task " + std::to_string(made);
            folder.Name = "task " + std::to_string(made);
            folder.TaskID = task.ID;
            task.Files = {folder.Path + "/notes.txt", folder.Path + "/plan.ods"};
        }
    }
}

void WritePlan(const std::string& file, int taskCount) {
    TSFProjectManager manager;
    FillPlan(manager, taskCount);
    manager.FileName = file;
    manager.Save();
}

const std::filesystem::path& WorkFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "fennquill-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder;
}

long StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
    return -1;
}

}  // namespace fq::bench
