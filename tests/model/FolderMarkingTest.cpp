// The model's marking and unmarking against the real shell library, on
// folders on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "TempFolder.h"
#include "fileattributes.h"
#include "folders.h"
#include "profile.h"
#include "uProject.h"

namespace fq {
namespace {

using test::TempFolder;

class MarkedFolders : public testing::Test {
protected:
    void SetUp() override {
        SetConfirmHandler([](const std::string&) { return true; });
        manager.AddProject("Website");
    }
    void TearDown() override { SetConfirmHandler(nullptr); }

    TSFProject& Project() { return manager.Projects.Items(0); }
    TSFTask& Task(const std::string& id) { return Project().Tasks.Items(Project().Tasks.IndexOfTask(id)); }

    static std::string Ini(const std::string& folder) { return folder + platform::kPathSeparator + "desktop.ini"; }
    static std::string Marker(const std::string& folder, const char* key) {
        return platform::ReadProfileValue(Ini(folder), ".ShellCLassInfo", key, "<none>");
    }
    static bool IsMarked(const std::string& folder) { return platform::PathExists(Ini(folder)); }

    TSFProjectManager manager;
    TempFolder disk;
};

TEST_F(MarkedFolders, FollowTheirTasksPriorityAndProgress) {
    const std::string folder = disk.MakeFolder("Notes");
    const std::string task = Project().AddTask("Layout", "");
    Task(task).AddFolder(folder, "Notes");

    EXPECT_EQ(Marker(folder, "IconFile"), platform::ProgramDirectory() + "res.icl");
    EXPECT_EQ(Marker(folder, "IconIndex"), "22");
    EXPECT_EQ(Marker(folder, "TaskId"), task);
    EXPECT_EQ(platform::GetFileAttributesOf(folder), platform::kAttributeDirectory | platform::kAttributeSystem);

    Task(task).SetProgress(7);
    Task(task).SetPriority(5);
    EXPECT_EQ(Marker(folder, "IconIndex"), "51");

    Task(task).RemoveFolder(0);
    EXPECT_FALSE(IsMarked(folder));
    EXPECT_EQ(platform::GetFileAttributesOf(folder), platform::kAttributeDirectory);
}

TEST_F(MarkedFolders, AFolderOfTwoTasksShowsTheOneThatMarkedItLast) {
    const std::string shared = disk.MakeFolder("Shared");
    const std::string first = Project().AddTask("First", "");
    const std::string second = Project().AddTask("Second", "");
    Task(first).AddFolder(shared, "Shared");
    Task(second).AddFolder(shared, "Shared");
    EXPECT_EQ(Marker(shared, "TaskId"), second);
    Task(first).SetProgress(4);
    EXPECT_EQ(Marker(shared, "TaskId"), first);
    EXPECT_EQ(Marker(shared, "IconIndex"), "26");

    Task(second).RemoveFolder(0);
    EXPECT_FALSE(IsMarked(shared)) << "removing it from either task clears the mark";
    EXPECT_EQ(Task(first).Folders.Count(), 1);
}

TEST_F(MarkedFolders, DeletingAConfirmedParentClearsTheWholeSubtreesMarks) {
    const std::string parent = Project().AddTask("Parent", "");
    const std::string child = Project().AddTask("Child", parent);
    const std::string other = Project().AddTask("Other", "");
    Task(parent).AddFolder(disk.MakeFolder("p"), "p");
    Task(child).AddFolder(disk.MakeFolder("c"), "c");
    Task(other).AddFolder(disk.MakeFolder("o"), "o");

    Project().DeleteTask(parent);

    EXPECT_FALSE(IsMarked(disk / "p"));
    EXPECT_FALSE(IsMarked(disk / "c"));
    EXPECT_TRUE(IsMarked(disk / "o"));
    manager.DeleteProject(manager.Projects.Items(0).ID);
    EXPECT_FALSE(IsMarked(disk / "o"));
}

TEST_F(MarkedFolders, AMarkThatCannotBeWrittenStopsThePassAndReachesTheCaller) {
    const std::string task = Project().AddTask("T", "");
    for (const char* name : {"a", "b", "c"}) Task(task).AddFolder(disk.MakeFolder(name), name);
    ASSERT_TRUE(platform::SetFileAttributesOf(Ini(disk / "b"), platform::kAttributeReadOnly));

    try {
        Task(task).SetProgress(9);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + Ini(disk / "b"));
    }
    EXPECT_EQ(Task(task).Progress, 9);
    EXPECT_EQ(Marker(disk / "a", "IconIndex"), "31");
    EXPECT_EQ(Marker(disk / "c", "IconIndex"), "22") << "folders after the failing one keep their old mark";

    Project().DeleteTask(task);  // unmarking reports nothing: the task goes although b keeps its marker
    EXPECT_EQ(Project().Tasks.Count(), 0);
}

TEST_F(MarkedFolders, AVanishedFolderIsPassedOver) {
    const std::string task = Project().AddTask("T", "");
    const std::string gone = disk.MakeFolder("gone");
    Task(task).AddFolder(gone, "gone");
    std::filesystem::remove_all(gone);
    EXPECT_NO_THROW(Task(task).SetProgress(3));
    EXPECT_FALSE(platform::PathExists(gone));
    EXPECT_NO_THROW(Task(task).RemoveFolder(0));
}

TEST_F(MarkedFolders, LoadingTheSavedPlanLeavesTheMarksAsTheyAre) {
    const std::string folder = disk.MakeFolder("Notes");
    const std::string task = Project().AddTask("T", "");
    Task(task).AddFolder(folder, "Notes");
    Task(task).SetProgress(2);
    manager.FileName = disk / "Fennquill.xml";
    manager.Save();
    const std::string before = disk.ReadFile("Notes/desktop.ini");
    platform::SetFileAttributesOf(Ini(folder), platform::kAttributeNormal);

    TSFProjectManager restarted;
    restarted.FileName = manager.FileName;
    restarted.Load();

    EXPECT_EQ(disk.ReadFile("Notes/desktop.ini"), before);
    EXPECT_EQ(platform::GetFileAttributesOf(Ini(folder)), platform::kAttributeNormal) << "loading verifies nothing";
}

}  // namespace
}  // namespace fq
