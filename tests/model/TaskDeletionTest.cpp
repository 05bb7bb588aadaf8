// Deleting tasks from lists a person edited by hand: children before their
// parents, parents that name nothing, repeated identifiers and parent cycles.
// Exactly the task and its descendants go, each folder is unmarked once, and
// nothing loops.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "RecordingFolderMarker.h"
#include "uProject.h"

namespace fq {
namespace {

using test::ClearCall;
using test::MarkerRecorder;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using testing::UnorderedElementsAreArray;

struct Row {
    const char* id;
    const char* parent;
};

// A project whose tasks stand in the given order, each with one folder named
// after its position ("/f0", "/f1", ...). Every deletion is confirmed.
class HandEditedList : public testing::Test {
protected:
    void SetUp() override {
        SetConfirmHandler([this](const std::string&) {
            ++questions;
            return true;
        });
    }
    void TearDown() override { SetConfirmHandler(nullptr); }

    void Build(const std::vector<Row>& rows) {
        project.Initialize();
        project.ID = "P";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            TSFTask& task = project.Tasks.Add();
            task.Initialize();
            task.ID = rows[i].id;
            task.ParentID = rows[i].parent;
            TSFFolder& folder = task.Folders.Add();
            folder.Initialize();
            folder.Path = "/f" + std::to_string(i);
        }
    }

    // The folders of the tasks left, which identify them by original position.
    std::vector<std::string> Remaining() const {
        std::vector<std::string> left;
        for (int i = 0; i < project.Tasks.Count(); ++i)
            for (int f = 0; f < project.Tasks.Items(i).Folders.Count(); ++f)
                left.push_back(project.Tasks.Items(i).Folders.Items(f).Path);
        return left;
    }

    TSFProject project;
    MarkerRecorder marker;
    int questions = 0;
};

TEST_F(HandEditedList, ChildBeforeItsParentGoesWithTheParent) {
    Build({{"C", "A"}, {"X", "P"}, {"A", "P"}, {"G", "C"}});
    project.DeleteTask("A");
    EXPECT_EQ(questions, 1);
    EXPECT_THAT(Remaining(), ElementsAre("/f1"));
    EXPECT_THAT(marker->calls, ElementsAre(ClearCall("/f3"), ClearCall("/f0"), ClearCall("/f2")));
}

TEST_F(HandEditedList, AParentThatNamesNothingLeavesTheTaskAlone) {
    Build({{"A", "P"}, {"D", "gone"}, {"B", "A"}});
    project.DeleteTask("A");
    EXPECT_THAT(Remaining(), ElementsAre("/f1"));
    project.DeleteTask("D");
    EXPECT_THAT(Remaining(), IsEmpty());
    EXPECT_EQ(questions, 1) << "only A had a child";
}

TEST_F(HandEditedList, ARepeatedIdentifierDeletesTheFirstTaskAndTheSharedChildrenOnce) {
    Build({{"A", "P"}, {"A", "P"}, {"K", "A"}, {"L", "K"}});
    project.DeleteTask("A");
    EXPECT_THAT(Remaining(), ElementsAre("/f1"));
    EXPECT_THAT(marker->calls, ElementsAre(ClearCall("/f3"), ClearCall("/f2"), ClearCall("/f0")));
}

TEST_F(HandEditedList, ARepeatedChildIdentifierRemovesBothCopiesOnce) {
    Build({{"A", "P"}, {"K", "A"}, {"K", "A"}, {"M", "K"}});
    project.DeleteTask("A");
    EXPECT_THAT(Remaining(), IsEmpty());
    EXPECT_THAT(marker->calls, UnorderedElementsAreArray({ClearCall("/f0"), ClearCall("/f1"), ClearCall("/f2"),
                                                          ClearCall("/f3")}));
    EXPECT_EQ(marker->calls.back(), ClearCall("/f0"));
}

struct CycleCase {
    const char* name;
    std::vector<Row> rows;
    const char* deleted;
    std::vector<std::string> remaining;
};

class ParentCycle : public HandEditedList, public testing::WithParamInterface<CycleCase> {};

TEST_P(ParentCycle, EndsAndRemovesEveryTaskOfTheCycleOnce) {
    Build(GetParam().rows);
    project.DeleteTask(GetParam().deleted);
    EXPECT_THAT(Remaining(), ElementsAreArray(GetParam().remaining));
    const std::size_t removed = GetParam().rows.size() - GetParam().remaining.size();
    EXPECT_EQ(marker->calls.size(), removed) << "each removed folder unmarked once";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParentCycle,
    testing::Values(CycleCase{"TwoTasks", {{"X", "Y"}, {"Y", "X"}, {"Z", "P"}}, "X", {"/f2"}},
                    CycleCase{"OwnParent", {{"S", "S"}, {"T", "S"}, {"Z", "P"}}, "S", {"/f2"}},
                    CycleCase{"ThreeTasks", {{"A", "C"}, {"B", "A"}, {"C", "B"}, {"D", "C"}}, "B", {}}),
    [](const testing::TestParamInfo<CycleCase>& param) { return std::string(param.param.name); });

TEST_F(HandEditedList, AVeryDeepChainIsDeletedWithoutExhaustingTheStack) {
    constexpr int kDepth = 200000;
    project.Initialize();
    project.ID = "P";
    for (int i = 0; i < kDepth; ++i) {
        TSFTask& task = project.Tasks.Add();
        task.ID = "T" + std::to_string(i);
        task.ParentID = i == 0 ? "P" : "T" + std::to_string(i - 1);
    }
    project.Tasks.Add().ID = "last";
    project.DeleteTask("T0");
    ASSERT_EQ(project.Tasks.Count(), 1);
    EXPECT_EQ(project.Tasks.Items(0).ID, "last");
}

TEST_F(HandEditedList, DeleteTaskTreeOfAnUnknownIdentifierDoesNothing) {
    Build({{"A", "P"}, {"B", "A"}});
    project.Tasks.DeleteTaskTree("P");
    project.Tasks.DeleteTaskTree("missing");
    EXPECT_THAT(Remaining(), ElementsAre("/f0", "/f1"));
    EXPECT_THAT(marker->calls, IsEmpty());
}

TEST_F(HandEditedList, DeletingAProjectWithATangledListUnmarksEveryFolderWithoutAsking) {
    TSFProjectManager manager;
    Build({{"C", "A"}, {"A", "P"}, {"A", "C"}, {"D", "gone"}});
    manager.Projects.Add() = std::move(project);
    manager.DeleteProject("P");
    EXPECT_EQ(manager.Projects.Count(), 0);
    EXPECT_EQ(questions, 0);
    EXPECT_THAT(marker->calls, ElementsAre(ClearCall("/f3"), ClearCall("/f2"), ClearCall("/f1"), ClearCall("/f0")));
}

}  // namespace
}  // namespace fq
