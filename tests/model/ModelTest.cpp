// The project model's operations and the folder markings they make.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <stdexcept>

#include "RecordingFolderMarker.h"
#include "TempFolder.h"
#include "uProject.h"

namespace fq {
namespace {

using test::ClearCall;
using test::MarkerRecorder;
using test::SetIconCall;
using test::TempFolder;
using testing::ElementsAre;
using testing::IsEmpty;

constexpr double kOneSecond = 1.0 / 86400.0;

// A plan with one project, and answers to the model's confirmation question.
class Model : public testing::Test {
protected:
    void SetUp() override {
        projectId = manager.AddProject("Website");
        SetConfirmHandler([this](const std::string& question) {
            questions.push_back(question);
            return answer;
        });
    }
    void TearDown() override { SetConfirmHandler(nullptr); }

    TSFProject& Project() { return manager.Projects.Items(manager.Projects.IndexOfProjectOrTask(projectId)); }
    TSFTask& Task(const std::string& id) { return Project().Tasks.Items(Project().Tasks.IndexOfTask(id)); }
    // A task with the given folders attached (marks recorded before are dropped).
    std::string TaskWithFolders(const std::vector<std::string>& folders, const std::string& parent = "") {
        const std::string id = Project().AddTask("task", parent);
        for (const std::string& folder : folders) Task(id).AddFolder(folder, "name");
        marker->calls.clear();
        return id;
    }

    TSFProjectManager manager;
    std::string projectId;
    MarkerRecorder marker;
    TempFolder disk;
    std::vector<std::string> questions;
    bool answer = true;
};

const char kQuestion[] = "Are you sure you want to delete selected task and all the children tasks?";

TEST(NewIdentifier, Is32UpperCaseHexCharactersAndFresh) {
    std::set<std::string> seen;
    for (int i = 0; i < 1000; ++i) {
        const std::string id = NewIdentifier();
        ASSERT_TRUE(std::regex_match(id, std::regex("[0-9A-F]{32}"))) << id;
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 1000u);
}

TEST(Collection, RefusesIndexesOutsideTheList) {
    TSFTaskCollection tasks;
    tasks.Add();
    EXPECT_NO_THROW(tasks.Items(0));
    for (int index : {-1, 1, 5}) {
        EXPECT_THROW(tasks.Items(index), std::out_of_range) << index;
        EXPECT_THROW(tasks.Delete(index), std::out_of_range) << index;
    }
    EXPECT_EQ(tasks.Count(), 1);
}

TEST_F(Model, NewProjectKeepsItsNameAsTypedAndStartsNow) {
    const double before = Now();
    const std::string id = manager.AddProject("  Spaced name ");
    const TSFProject& project = manager.Projects.Items(1);
    EXPECT_EQ(project.ID, id);
    EXPECT_EQ(project.ProjectName, "  Spaced name ");
    EXPECT_EQ(project.Priority, 3);
    EXPECT_EQ(project.Tasks.Count(), 0);
    EXPECT_GE(project.StartDate, before);
    EXPECT_LE(project.StartDate, Now());
    EXPECT_NE(id, projectId);
}

TEST_F(Model, NewTaskHasItsStartingValuesAndMarksNothing) {
    const std::string id = Project().AddTask("Layout", "");
    const TSFTask& task = Task(id);
    EXPECT_EQ(task.TaskName, "Layout");
    EXPECT_EQ(task.Priority, 3);
    EXPECT_EQ(task.Progress, 0);
    EXPECT_EQ(task.ProjectID, "");
    EXPECT_EQ(task.ParentID, projectId);
    EXPECT_NEAR(task.EndDate - task.StartDate, 1.0, kOneSecond);
    EXPECT_EQ(task.Folders.Count(), 0);
    EXPECT_THAT(task.Files, IsEmpty());
    EXPECT_THAT(marker->calls, IsEmpty());

    const std::string child = Project().AddTask("Child", id);
    EXPECT_EQ(Task(child).ParentID, id);
    const std::string orphan = Project().AddTask("Orphan", "not checked");
    EXPECT_EQ(Task(orphan).ParentID, "not checked");
}

TEST_F(Model, AddFolderAttachesAndMarksEveryFolderOfTheTask) {
    const std::string a = disk.MakeFolder("a"), b = disk.MakeFolder("b"), c = disk.MakeFolder("c");
    const std::string id = TaskWithFolders({a, b});
    Task(id).SetPriority(4);
    marker->calls.clear();

    Task(id).AddFolder(c, "c-name");

    const TSFFolder& added = Task(id).Folders.Items(2);
    EXPECT_EQ(added.Path, c);
    EXPECT_EQ(added.Name, "c-name");
    EXPECT_EQ(added.TaskID, id);
    EXPECT_EQ(added.ParentID, "");
    EXPECT_EQ(added.ID.size(), 32u);
    EXPECT_THAT(marker->calls, ElementsAre(SetIconCall(a, id, 4, 0), SetIconCall(b, id, 4, 0), SetIconCall(c, id, 4, 0)));
}

TEST_F(Model, AFolderAttachedAlreadyIsNotAddedInAnyLetterCase) {
    const std::string folder = disk.MakeFolder("Straße Ä");
    const std::string id = TaskWithFolders({folder});
    for (const std::string& same : {folder, disk / "STRAßE ä", disk / "straße ä"}) {
        Task(id).AddFolder(same, "again");
        EXPECT_TRUE(Task(id).HasFolder(same));
        EXPECT_EQ(Task(id).IndexOfFolder(same), 0);
    }
    EXPECT_EQ(Task(id).Folders.Count(), 1);
    EXPECT_THAT(marker->calls, IsEmpty());
    EXPECT_FALSE(Task(id).HasFolder(disk / "other"));
    EXPECT_EQ(Task(id).IndexOfFolder(disk / "other"), -1);
}

TEST_F(Model, AddItemOfANewDirectoryMarksTwice) {
    const std::string a = disk.MakeFolder("a"), b = disk.MakeFolder("b");
    const std::string id = TaskWithFolders({a});
    Task(id).AddItem(b, "b");
    EXPECT_EQ(Task(id).Folders.Count(), 2);
    EXPECT_THAT(Task(id).Files, IsEmpty());
    EXPECT_THAT(marker->calls, ElementsAre(SetIconCall(a, id, 3, 0), SetIconCall(b, id, 3, 0),
                                           SetIconCall(a, id, 3, 0), SetIconCall(b, id, 3, 0)));
}

TEST_F(Model, AddItemOfAnAttachedDirectoryAddsNothingButMarksAgain) {
    const std::string a = disk.MakeFolder("a");
    const std::string id = TaskWithFolders({a});
    Task(id).AddItem(a, "a");
    EXPECT_EQ(Task(id).Folders.Count(), 1);
    EXPECT_THAT(Task(id).Files, IsEmpty());
    EXPECT_THAT(marker->calls, ElementsAre(SetIconCall(a, id, 3, 0)));
}

TEST_F(Model, AddItemAttachesAnythingElseAsAFileEveryTime) {
    const std::string a = disk.MakeFolder("a");
    const std::string file = disk.WriteFile("plan.txt", "x");
    const std::string missing = disk / "does/not/exist";
    const std::string id = TaskWithFolders({a});
    Task(id).AddItem(file, "ignored");
    Task(id).AddItem(missing, "ignored");
    Task(id).AddItem(disk / "PLAN.TXT", "ignored");
    EXPECT_THAT(Task(id).Files, ElementsAre(file, missing, disk / "PLAN.TXT"));
    EXPECT_EQ(Task(id).IndexOfFile(file), 0) << "the first entry of a repeated path";
    EXPECT_EQ(Task(id).IndexOfFile(disk / "plan.TXT"), 0);
    EXPECT_EQ(Task(id).IndexOfFile(missing), 1);
    EXPECT_EQ(Task(id).IndexOfFile(disk / "other"), -1);
    EXPECT_THAT(marker->calls, ElementsAre(SetIconCall(a, id, 3, 0), SetIconCall(a, id, 3, 0), SetIconCall(a, id, 3, 0)));
}

TEST_F(Model, RemoveFolderUnmarksExactlyThatFolder) {
    const std::string a = disk.MakeFolder("a"), b = disk.MakeFolder("b");
    const std::string id = TaskWithFolders({a, b});
    for (int outside : {-1, 2, 100}) Task(id).RemoveFolder(outside);
    EXPECT_EQ(Task(id).Folders.Count(), 2);
    EXPECT_THAT(marker->calls, IsEmpty());

    Task(id).RemoveFolder(0);
    ASSERT_EQ(Task(id).Folders.Count(), 1);
    EXPECT_EQ(Task(id).Folders.Items(0).Path, b);
    EXPECT_THAT(marker->calls, ElementsAre(ClearCall(a)));
}

TEST_F(Model, RemoveFileOutsideTheListIsAnErrorAndRemovesNothing) {
    const std::string id = TaskWithFolders({});
    Task(id).AddItem("/x/one", "");
    Task(id).AddItem("/x/two", "");
    for (int outside : {-1, 2}) EXPECT_THROW(Task(id).RemoveFile(outside), std::out_of_range);
    EXPECT_THAT(Task(id).Files, ElementsAre("/x/one", "/x/two"));
    Task(id).RemoveFile(0);
    EXPECT_THAT(Task(id).Files, ElementsAre("/x/two"));
    EXPECT_THAT(marker->calls, IsEmpty());
}

struct SetterCase {
    const char* name;
    void (TSFTask::*setter)(int);
    int value;
    bool accepted;
};

class RangeCheckedSetter : public Model, public testing::WithParamInterface<SetterCase> {};

TEST_P(RangeCheckedSetter, StoresAndMarksOnlyValuesInRange) {
    const SetterCase& c = GetParam();
    const std::string a = disk.MakeFolder("a"), b = disk.MakeFolder("b");
    const std::string id = TaskWithFolders({a, b});
    Task(id).Priority = 2;
    Task(id).Progress = 3;

    (Task(id).*c.setter)(c.value);

    const bool isPriority = c.setter == &TSFTask::SetPriority;
    const int priority = isPriority && c.accepted ? c.value : 2;
    const int progress = !isPriority && c.accepted ? c.value : 3;
    EXPECT_EQ(Task(id).Priority, priority);
    EXPECT_EQ(Task(id).Progress, progress);
    if (c.accepted)
        EXPECT_THAT(marker->calls, ElementsAre(SetIconCall(a, id, priority, progress), SetIconCall(b, id, priority, progress)));
    else
        EXPECT_THAT(marker->calls, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, RangeCheckedSetter,
    testing::Values(SetterCase{"PriorityBelow", &TSFTask::SetPriority, 0, false},
                    SetterCase{"PriorityLowest", &TSFTask::SetPriority, 1, true},
                    SetterCase{"PrioritySame", &TSFTask::SetPriority, 2, true},
                    SetterCase{"PriorityCritical", &TSFTask::SetPriority, 5, true},
                    SetterCase{"PriorityAbove", &TSFTask::SetPriority, 6, false},
                    SetterCase{"PriorityNegative", &TSFTask::SetPriority, -3, false},
                    SetterCase{"ProgressBelow", &TSFTask::SetProgress, -1, false},
                    SetterCase{"ProgressNone", &TSFTask::SetProgress, 0, true},
                    SetterCase{"ProgressSame", &TSFTask::SetProgress, 3, true},
                    SetterCase{"ProgressFour", &TSFTask::SetProgress, 4, true},
                    SetterCase{"ProgressDone", &TSFTask::SetProgress, 10, true},
                    SetterCase{"ProgressAbove", &TSFTask::SetProgress, 11, false}),
    [](const testing::TestParamInfo<SetterCase>& param) { return std::string(param.param.name); });

TEST_F(Model, MarkFoldersIsAPassWithTheCurrentValues) {
    const std::string a = disk.MakeFolder("a");
    const std::string id = TaskWithFolders({a});
    Task(id).Priority = 5;
    Task(id).Progress = 7;
    Task(id).MarkFolders();
    EXPECT_THAT(marker->calls, ElementsAre(SetIconCall(a, id, 5, 7)));
}

TEST_F(Model, AFailingMarkStopsThePassButTheValueStaysStored) {
    const std::string a = disk.MakeFolder("a"), b = disk.MakeFolder("b"), c = disk.MakeFolder("c");
    const std::string id = TaskWithFolders({a, b, c});
    marker->failingFolder = b;
    EXPECT_THROW(Task(id).SetProgress(7), std::runtime_error);
    EXPECT_EQ(Task(id).Progress, 7);
    EXPECT_THAT(marker->calls, ElementsAre(SetIconCall(a, id, 3, 7)));
}

TEST_F(Model, TextAndDateSettersNeverTouchTheMarks) {
    const std::string id = TaskWithFolders({disk.MakeFolder("a")});
    TSFTask& task = Task(id);
    task.SetTaskName("Renamed");
    task.SetDescription("two\r\nlines");
    task.SetParentID("P");
    task.SetStartDate(45000.5);
    task.SetEndDate(44000.25);  // before the start: not checked
    EXPECT_EQ(task.TaskName, "Renamed");
    EXPECT_EQ(task.Description, "two\r\nlines");
    EXPECT_EQ(task.ParentID, "P");
    EXPECT_EQ(task.StartDate, 45000.5);
    EXPECT_EQ(task.EndDate, 44000.25);
    EXPECT_THAT(marker->calls, IsEmpty());
}

TEST_F(Model, DeletingATaskWithoutChildrenAsksNothingAndUnmarksItsFolders) {
    const std::string a = disk.MakeFolder("a"), b = disk.MakeFolder("b");
    const std::string keep = TaskWithFolders({});
    const std::string id = TaskWithFolders({a, b});
    Project().DeleteTask(id);
    EXPECT_THAT(questions, IsEmpty());
    EXPECT_EQ(Project().Tasks.IndexOfTask(id), -1);
    EXPECT_EQ(Project().Tasks.IndexOfTask(keep), 0);
    EXPECT_THAT(marker->calls, ElementsAre(ClearCall(a), ClearCall(b)));
}

TEST_F(Model, DeletingATaskWithChildrenAsksOnceAndNoKeepsEverything) {
    const std::string parent = TaskWithFolders({disk.MakeFolder("p")});
    TaskWithFolders({disk.MakeFolder("c")}, parent);
    answer = false;
    Project().DeleteTask(parent);
    EXPECT_THAT(questions, ElementsAre(kQuestion));
    EXPECT_EQ(Project().Tasks.Count(), 2);
    EXPECT_EQ(Project().Tasks.Items(1).Folders.Count(), 1);
    EXPECT_THAT(marker->calls, IsEmpty());
}

TEST_F(Model, WithoutAnyoneToAskATaskWithChildrenStays) {
    SetConfirmHandler(nullptr);
    const std::string parent = TaskWithFolders({});
    TaskWithFolders({}, parent);
    Project().DeleteTask(parent);
    EXPECT_EQ(Project().Tasks.Count(), 2);
}

// project
//   t1 [f1]
//     t2 [f2a, f2b]
//       t4 [f4]
//     t3 [f3]
//   other [fo]
TEST_F(Model, DeletingAConfirmedParentRemovesItsSubtreeDescendantsFirst) {
    const std::string t1 = TaskWithFolders({disk.MakeFolder("f1")});
    const std::string t2 = TaskWithFolders({disk.MakeFolder("f2a"), disk.MakeFolder("f2b")}, t1);
    const std::string other = TaskWithFolders({disk.MakeFolder("fo")});
    const std::string t3 = TaskWithFolders({disk.MakeFolder("f3")}, t1);
    const std::string t4 = TaskWithFolders({disk.MakeFolder("f4")}, t2);

    Project().DeleteTask(t1);

    EXPECT_THAT(questions, ElementsAre(kQuestion));
    ASSERT_EQ(Project().Tasks.Count(), 1);
    EXPECT_EQ(Project().Tasks.Items(0).ID, other);
    // children from the end of the list towards its start, each after its own
    // descendants, the parent last
    EXPECT_THAT(marker->calls, ElementsAre(ClearCall(disk / "f3"), ClearCall(disk / "f4"), ClearCall(disk / "f2a"),
                                           ClearCall(disk / "f2b"), ClearCall(disk / "f1")));
    for (const std::string& gone : {t1, t2, t3, t4}) EXPECT_EQ(Project().Tasks.IndexOfTask(gone), -1);
}

TEST_F(Model, DeletingAnUnknownTaskDoesNothing) {
    TaskWithFolders({disk.MakeFolder("a")});
    for (const std::string& id : {std::string("0123456789ABCDEF0123456789ABCDEF"), std::string(), projectId})
        Project().DeleteTask(id);
    EXPECT_EQ(Project().Tasks.Count(), 1);
    EXPECT_THAT(marker->calls, IsEmpty());
    EXPECT_THAT(questions, IsEmpty());
}

TEST_F(Model, DeleteTaskContainsAFailureAndKeepsWhatWasDone) {
    const std::string unrelated = TaskWithFolders({disk.MakeFolder("u")});
    const std::string parent = TaskWithFolders({disk.MakeFolder("p")});
    const std::string failing = TaskWithFolders({disk.MakeFolder("c2")}, parent);
    const std::string child = TaskWithFolders({disk.MakeFolder("c1")}, parent);
    marker->failingClear = disk / "c2";

    EXPECT_NO_THROW(Project().DeleteTask(parent));

    // c1 went first and is gone; the walk stopped at c2, so it and the parent stay
    EXPECT_THAT(marker->calls, ElementsAre(ClearCall(disk / "c1")));
    EXPECT_EQ(Project().Tasks.IndexOfTask(child), -1);
    EXPECT_EQ(Project().Tasks.IndexOfTask(failing), 2);
    EXPECT_EQ(Project().Tasks.IndexOfTask(parent), 1);
    EXPECT_EQ(Project().Tasks.IndexOfTask(unrelated), 0);
}

TEST_F(Model, DeletingAProjectRemovesEveryTaskWithoutAskingAndUnmarksAll) {
    const std::string other = manager.AddProject("Other");
    const std::string t1 = TaskWithFolders({disk.MakeFolder("f1")});
    const std::string t2 = TaskWithFolders({disk.MakeFolder("f2")}, t1);
    TaskWithFolders({disk.MakeFolder("f3a"), disk.MakeFolder("f3b")}, t2);

    manager.DeleteProject(projectId);

    EXPECT_THAT(questions, IsEmpty());
    ASSERT_EQ(manager.Projects.Count(), 1);
    EXPECT_EQ(manager.Projects.Items(0).ID, other);
    EXPECT_THAT(marker->calls, ElementsAre(ClearCall(disk / "f3a"), ClearCall(disk / "f3b"), ClearCall(disk / "f2"),
                                           ClearCall(disk / "f1")));
}

TEST_F(Model, DeletingAProjectByOneOfItsTasksOrByNothing) {
    const std::string task = TaskWithFolders({});
    manager.DeleteProject("no such identifier");
    EXPECT_EQ(manager.Projects.Count(), 1);
    manager.DeleteProject(task);
    EXPECT_EQ(manager.Projects.Count(), 0);
}

TEST_F(Model, LookUpsByIdentifier) {
    const std::string second = manager.AddProject("Second");
    const std::string task = manager.Projects.Items(1).AddTask("T", "");
    std::string found = "unchanged";

    EXPECT_TRUE(manager.IsProjectId(projectId));
    EXPECT_FALSE(manager.IsProjectId(task));
    EXPECT_EQ(manager.Projects.IndexOfProjectOrTask(second), 1);
    EXPECT_EQ(manager.Projects.IndexOfProjectOrTask(task), 1);
    EXPECT_EQ(manager.Projects.IndexOfProjectOrTask("missing"), -1);
    EXPECT_EQ(manager.Projects.IndexOfProjectOrTask(task.substr(0, 31)), -1);

    EXPECT_FALSE(manager.FindTaskProject(projectId, found)) << "a project is not a task";
    EXPECT_FALSE(manager.FindTaskProject("missing", found));
    std::string lower = task;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_FALSE(manager.FindTaskProject(lower, found)) << "identifiers compare exactly";
    EXPECT_EQ(found, "unchanged");
    EXPECT_TRUE(manager.FindTaskProject(task, found));
    EXPECT_EQ(found, second);
}

TEST_F(Model, ARepeatedTaskIdentifierNamesTheLastProjectHoldingIt) {
    manager.AddProject("Second");
    manager.AddProject("Third");
    Project().AddTask("T", "");
    const std::string repeated = Project().Tasks.Items(0).ID;
    manager.Projects.Items(2).AddTask("copy", "");
    manager.Projects.Items(2).Tasks.Items(0).ID = repeated;
    EXPECT_EQ(manager.Projects.IndexOfProjectOrTask(repeated), 2);
    std::string found;
    EXPECT_TRUE(manager.FindTaskProject(repeated, found));
    EXPECT_EQ(found, projectId) << "FindTaskProject stops at the first";
}

TEST_F(Model, ProjectEndDateIsTheLaterOfStartAndTheLatestTaskEnd) {
    TSFProject& project = Project();
    project.StartDate = 45000;
    EXPECT_EQ(project.ProjectEndDate(), 45000) << "without tasks";
    project.Tasks.Add().EndDate = 44000;
    project.Tasks.Add().EndDate = 44999.9;
    EXPECT_EQ(project.ProjectEndDate(), 45000) << "tasks ending before the start";
    project.Tasks.Add().EndDate = 45010.5;
    project.Tasks.Add().EndDate = 45003;
    EXPECT_EQ(project.ProjectEndDate(), 45010.5);
}

}  // namespace
}  // namespace fq
