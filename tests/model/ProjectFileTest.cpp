// The project file: what Save writes, what Load reads back, and how bad
// files are reported.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>

#include "DateTime.h"
#include "RecordingFolderMarker.h"
#include "TempFolder.h"
#include "uProject.h"

namespace fq {
namespace {

using platform::CivilDateTime;
using test::MarkerRecorder;
using test::TempFolder;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

constexpr double kOneSecond = 1.0 / 86400.0;

class ProjectFile : public testing::Test {
protected:
    void SetUp() override { manager.FileName = folder / "Fennquill.xml"; }

    void WriteFile(const std::string& xml) { folder.WriteFile("Fennquill.xml", xml); }
    std::string SavedText() const { return folder.ReadFile("Fennquill.xml"); }
    // Loads the text into a fresh manager.
    TSFProjectManager& LoadText(const std::string& xml) {
        WriteFile(xml);
        loaded.FileName = manager.FileName;
        loaded.Load();
        return loaded;
    }
    std::string LoadError(const std::string& xml) {
        try {
            LoadText(xml);
        } catch (const ProjectFileError& error) {
            return error.what();
        }
        ADD_FAILURE() << "no error for " << xml;
        return {};
    }

    TempFolder folder;
    TSFProjectManager manager;
    TSFProjectManager loaded;
    MarkerRecorder marker;
};

TSFProject& AddProject(TSFProjectManager& manager, const std::string& id, const std::string& name) {
    TSFProject& project = manager.Projects.Add();
    project.Initialize();
    project.ID = id;
    project.ProjectName = name;
    return project;
}

TSFTask& AddTask(TSFProject& project, const std::string& id, const std::string& parent) {
    TSFTask& task = project.Tasks.Add();
    task.Initialize();
    task.ID = id;
    task.ParentID = parent;
    return task;
}

TEST_F(ProjectFile, WritesTheDocumentInItsExactShape) {
    TSFProject& project = AddProject(manager, "P1", "Website");
    project.StartDate = EncodeDateTime({2024, 1, 5, 9, 0, 0, 0});
    TSFTask& task = AddTask(project, "T1", "P1");
    task.TaskName = "Layout";
    task.Priority = 4;
    task.Progress = 5;
    task.StartDate = EncodeDateTime({2024, 1, 5, 10, 30, 0, 0});
    task.EndDate = EncodeDateTime({2024, 1, 6, 0, 0, 0, 0});
    TSFFolder& notes = task.Folders.Add();
    notes.ID = "F1";
    notes.Name = "Notes";
    notes.Path = "C:\\Work\\Notes";
    notes.TaskID = "T1";
    task.Files.push_back("C:\\Work\\plan.txt");

    manager.Save();

    EXPECT_EQ(SavedText(),
              "<Projects>\r\n"
              "  <Project ID=\"P1\" ProjectName=\"Website\" Priority=\"3\" StartDate=\"01/05/2024 09:00:00\" "
              "EndDate=\"01/06/2024\" Description=\"\">\r\n"
              "    <Tasks>\r\n"
              "      <Task ID=\"T1\" TaskName=\"Layout\" ProjectID=\"\" Priority=\"4\" Progress=\"5\" "
              "StartDate=\"01/05/2024 10:30:00\" EndDate=\"01/06/2024\" Description=\"\" AssignedTo=\"-1\" "
              "ParentID=\"P1\">\r\n"
              "        <Folders>\r\n"
              "          <Folder ID=\"F1\" Name=\"Notes\" Path=\"C:\\Work\\Notes\" TaskID=\"T1\" ParentID=\"\">\r\n"
              "            <Files />\r\n"
              "          </Folder>\r\n"
              "        </Folders>\r\n"
              "        <Files>\r\n"
              "          <File FileName=\"C:\\Work\\plan.txt\" />\r\n"
              "        </Files>\r\n"
              "      </Task>\r\n"
              "    </Tasks>\r\n"
              "  </Project>\r\n"
              "</Projects>\r\n");
    EXPECT_THAT(marker->calls, IsEmpty()) << "saving marks nothing";
}

TEST_F(ProjectFile, AnEmptyPlanIsTheEmptyProjectsElement) {
    manager.Save();
    EXPECT_EQ(SavedText(), "<Projects />\r\n");
}

TEST_F(ProjectFile, AMissingFileLeavesThePlanAsItWas) {
    manager.AddProject("kept");
    manager.Load();
    ASSERT_EQ(manager.Projects.Count(), 1);
    EXPECT_EQ(manager.Projects.Items(0).ProjectName, "kept");
    EXPECT_FALSE(std::filesystem::exists(manager.FileName));
}

// Dates are written to the second.
double ToTheSecond(double value) {
    CivilDateTime civil = DecodeDateTime(value).value();
    civil.millisecond = 0;
    return EncodeDateTime(civil);
}

void ExpectSameFolder(const TSFFolder& a, const TSFFolder& b) {
    EXPECT_EQ(a.ID, b.ID);
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.Path, b.Path);
    EXPECT_EQ(a.TaskID, b.TaskID);
    EXPECT_EQ(a.ParentID, b.ParentID);
    EXPECT_EQ(a.Files, b.Files);
}

void ExpectSameTask(const TSFTask& a, const TSFTask& b) {
    EXPECT_EQ(a.ID, b.ID);
    EXPECT_EQ(a.TaskName, b.TaskName);
    EXPECT_EQ(a.ProjectID, b.ProjectID);
    EXPECT_EQ(a.Priority, b.Priority);
    EXPECT_EQ(a.Progress, b.Progress);
    EXPECT_EQ(ToTheSecond(a.StartDate), ToTheSecond(b.StartDate));
    EXPECT_EQ(ToTheSecond(a.EndDate), ToTheSecond(b.EndDate));
    EXPECT_EQ(a.Description, b.Description);
    EXPECT_EQ(a.ParentID, b.ParentID);
    EXPECT_EQ(a.Files, b.Files);
    ASSERT_EQ(a.Folders.Count(), b.Folders.Count());
    for (int i = 0; i < a.Folders.Count(); ++i) ExpectSameFolder(a.Folders.Items(i), b.Folders.Items(i));
}

void ExpectSamePlan(const TSFProjectManager& a, const TSFProjectManager& b) {
    ASSERT_EQ(a.Projects.Count(), b.Projects.Count());
    for (int p = 0; p < a.Projects.Count(); ++p) {
        const TSFProject& x = a.Projects.Items(p);
        const TSFProject& y = b.Projects.Items(p);
        EXPECT_EQ(x.ID, y.ID);
        EXPECT_EQ(x.ProjectName, y.ProjectName);
        EXPECT_EQ(x.Priority, y.Priority);
        EXPECT_EQ(ToTheSecond(x.StartDate), ToTheSecond(y.StartDate));
        EXPECT_EQ(x.Description, y.Description);
        ASSERT_EQ(x.Tasks.Count(), y.Tasks.Count());
        for (int t = 0; t < x.Tasks.Count(); ++t) ExpectSameTask(x.Tasks.Items(t), y.Tasks.Items(t));
    }
}

TEST_F(ProjectFile, APlanWithEveryFieldSetReadsBackTheSame) {
    const std::string awkward = "<&\"'> \t tab";
    TSFProject& first = AddProject(manager, NewIdentifier(), "Späte Überraschung 日本 " + awkward);
    first.Priority = 5;
    first.Description = "line one\r\nline two\nline three\r\n\r\n";
    first.StartDate = EncodeDateTime({1850, 3, 15, 8, 5, 9, 0});
    TSFTask& parent = AddTask(first, NewIdentifier(), first.ID);
    parent.TaskName = awkward;
    parent.ProjectID = "carried";
    parent.Priority = 9;    // out of range values are carried as they are
    parent.Progress = -20;
    parent.StartDate = EncodeDateTime({1066, 10, 14, 9, 30, 0, 0});
    parent.EndDate = EncodeDateTime({9999, 12, 31, 23, 59, 59, 0});
    parent.Description = "\tindented\r\nCR LF\nLF only\n\n";
    TSFFolder& attached = parent.Folders.Add();
    attached.Initialize();
    attached.Name = "Ordner \"x\"";
    attached.Path = "/home/ann/Ordner \"x\" & <y>";
    attached.TaskID = parent.ID;
    attached.ParentID = "folder parent";
    attached.Files = {"/a/b.txt", ""};
    parent.Files = {"/home/ann/plan ü.txt", "/home/ann/plan ü.txt", ""};
    TSFTask& child = AddTask(first, NewIdentifier(), parent.ID);
    child.StartDate = EncodeDateTime({2069, 1, 1, 0, 0, 0, 0});
    child.EndDate = EncodeDateTime({1968, 12, 31, 12, 0, 0, 0});
    TSFProject& empty = AddProject(manager, "", "");  // empty texts everywhere
    empty.StartDate = EncodeDateTime({2024, 1, 5, 0, 0, 0, 0});

    manager.Save();
    loaded.FileName = manager.FileName;
    loaded.Load();

    ExpectSamePlan(manager, loaded);
}

TEST_F(ProjectFile, LineBreaksAndTabsInTextsAreCharacterReferences) {
    TSFProject& project = AddProject(manager, "P", "name");
    project.Description = "a\r\nb\nc\td";
    manager.Save();
    const std::string text = SavedText();
    EXPECT_THAT(text, HasSubstr("Description=\"a&#13;&#10;b&#10;c&#09;d\""));
    for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
        ASSERT_EQ(text[i - 1], '\r') << "every line ends with CR LF";
}

TEST_F(ProjectFile, MillisecondsAreDroppedAndTheDateReadsBackToTheSecond) {
    AddTask(AddProject(manager, "P", "p"), "T", "P").StartDate = EncodeDateTime({2024, 6, 1, 12, 34, 56, 789});
    manager.Save();
    loaded.FileName = manager.FileName;
    loaded.Load();
    EXPECT_EQ(loaded.Projects.Items(0).Tasks.Items(0).StartDate, EncodeDateTime({2024, 6, 1, 12, 34, 56, 0}));
}

TEST_F(ProjectFile, ADeclarationAndAByteOrderMarkAreAccepted) {
    const auto& plan = LoadText("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                "<Projects><Project ID=\"P\" ProjectName=\"Ä\"/></Projects>");
    ASSERT_EQ(plan.Projects.Count(), 1);
    EXPECT_EQ(plan.Projects.Items(0).ProjectName, "Ä");
}

TEST_F(ProjectFile, EveryChildOfTheDocumentElementIsAProjectWhateverItsName) {
    const double before = Now();
    const auto& plan = LoadText(
        "<Plan>\n"
        "  <Project ID=\"P1\" ProjectName=\"one\" Priority=\"2\"/>\n"
        "  <!-- a comment -->\n"
        "  <Other ID=\"ignored\" ProjectName=\"ignored\"/>\n"
        "  <Project ProjectName=\"no id\"/>\n"
        "</Plan>");
    ASSERT_EQ(plan.Projects.Count(), 4);
    EXPECT_EQ(plan.Projects.Items(0).ID, "P1");
    EXPECT_EQ(plan.Projects.Items(0).Priority, 2);
    for (int i : {1, 2}) {
        const TSFProject& extra = plan.Projects.Items(i);
        EXPECT_EQ(extra.ProjectName, "");
        EXPECT_EQ(extra.Priority, 3);
        EXPECT_EQ(extra.Tasks.Count(), 0);
        EXPECT_EQ(extra.ID.size(), 32u) << "a fresh identifier";
        EXPECT_GE(extra.StartDate, before);
    }
    EXPECT_EQ(plan.Projects.Items(3).ProjectName, "no id");
    EXPECT_EQ(plan.Projects.Items(3).ID.size(), 32u);
}

TEST_F(ProjectFile, TasksAreReadOnlyFromAFirstChildNamedTasks) {
    const auto& plan = LoadText(
        "<Projects>"
        "<Project ID=\"A\"><Other/><Tasks><Task ID=\"lost\"/></Tasks></Project>"
        "<Project ID=\"B\"><Tasks><Task ID=\"T1\"/><Note/><Task ID=\"T2\"/></Tasks><Tasks><Task ID=\"lost\"/></Tasks></Project>"
        "</Projects>");
    EXPECT_EQ(plan.Projects.Items(0).Tasks.Count(), 0);
    ASSERT_EQ(plan.Projects.Items(1).Tasks.Count(), 2);
    EXPECT_EQ(plan.Projects.Items(1).Tasks.Items(1).ID, "T2");
}

TEST_F(ProjectFile, FoldersAndFilesAreFoundByPosition) {
    const auto& plan = LoadText(
        "<Projects><Project><Tasks>"
        "<Task ID=\"filesFirst\"><Files><File FileName=\"/f\"/><File/></Files>"
        "<Folders><Folder ID=\"F\" Path=\"/d\" TaskID=\"other task\"/></Folders></Task>"
        "<Task ID=\"anyNames\"><X><Folder Path=\"/x\"/><File FileName=\"/no\"/></X><Y><File FileName=\"/y\"/></Y></Task>"
        "<Task ID=\"none\"/>"
        "</Tasks></Project></Projects>");
    const TSFTaskCollection& tasks = plan.Projects.Items(0).Tasks;
    ASSERT_EQ(tasks.Count(), 3);
    EXPECT_THAT(tasks.Items(0).Files, ElementsAre("/f", ""));
    ASSERT_EQ(tasks.Items(0).Folders.Count(), 1);
    EXPECT_EQ(tasks.Items(0).Folders.Items(0).Path, "/d");
    EXPECT_EQ(tasks.Items(0).Folders.Items(0).TaskID, "other task");
    // not named Folders: the second child holds the folders, and also the files
    ASSERT_EQ(tasks.Items(1).Folders.Count(), 0);
    EXPECT_THAT(tasks.Items(1).Files, ElementsAre("/y"));
    EXPECT_EQ(tasks.Items(2).Folders.Count(), 0);
    EXPECT_THAT(tasks.Items(2).Files, IsEmpty());
}

TEST_F(ProjectFile, ATaskWithoutIdentifierGetsAFreshOneAndItsFoldersKeepTheirs) {
    const auto& plan = LoadText(
        "<Projects><Project><Tasks><Task TaskName=\"t\"><Folders><Folder TaskID=\"OLD\"/></Folders><Files/></Task>"
        "</Tasks></Project></Projects>");
    const TSFTask& task = plan.Projects.Items(0).Tasks.Items(0);
    EXPECT_EQ(task.ID.size(), 32u);
    EXPECT_EQ(task.Folders.Items(0).TaskID, "OLD");
    EXPECT_EQ(task.Folders.Items(0).ID.size(), 32u);
}

TEST_F(ProjectFile, OutOfRangeNumbersAreReadAsTheyAre) {
    const auto& plan = LoadText(
        "<Projects><Project Priority=\"-4\"><Tasks><Task Priority=\"9\" Progress=\"20\"/></Tasks></Project></Projects>");
    EXPECT_EQ(plan.Projects.Items(0).Priority, -4);
    EXPECT_EQ(plan.Projects.Items(0).Tasks.Items(0).Priority, 9);
    EXPECT_EQ(plan.Projects.Items(0).Tasks.Items(0).Progress, 20);
}

TEST_F(ProjectFile, AnUnreadableDateResetsBothDatesOfTheTask) {
    const double before = Now();
    const auto& plan = LoadText(
        "<Projects><Project StartDate=\"soon\"><Tasks>"
        "<Task StartDate=\"01/05/2024 10:00:00\" EndDate=\"later\"/>"
        "<Task StartDate=\"never\" EndDate=\"01/06/2024\"/>"
        "<Task StartDate=\"01/05/2024\" EndDate=\"01/04/2024 12:00:00\"/>"
        "</Tasks></Project></Projects>");
    const TSFProject& project = plan.Projects.Items(0);
    EXPECT_GE(project.StartDate, before);
    for (int i : {0, 1}) {
        const TSFTask& task = project.Tasks.Items(i);
        EXPECT_GE(task.StartDate, before) << i;
        EXPECT_LE(task.StartDate, Now()) << i;
        EXPECT_NEAR(task.EndDate - task.StartDate, 1.0, kOneSecond) << i;
    }
    EXPECT_EQ(project.Tasks.Items(2).StartDate, 45296.0) << "readable dates are not checked against each other";
    EXPECT_EQ(project.Tasks.Items(2).EndDate, 45295.5);
}

TEST_F(ProjectFile, TheProjectEndDateIsNotReadButComputed) {
    const auto& plan = LoadText(
        "<Projects><Project StartDate=\"01/01/2024\" EndDate=\"12/31/2030\"><Tasks>"
        "<Task StartDate=\"01/01/2024\" EndDate=\"03/01/2024\"/></Tasks></Project></Projects>");
    EXPECT_EQ(plan.Projects.Items(0).ProjectEndDate(), EncodeDateTime({2024, 3, 1, 0, 0, 0, 0}));
}

TEST_F(ProjectFile, AFolderKeepsItsOwnFileListWhereverTheFileHasIt) {
    const auto& plan = LoadText(
        "<Projects><Project><Tasks><Task><Folders>"
        "<Folder Path=\"/d\"><File FileName=\"/direct\"/><Files><File FileName=\"/nested\"/></Files><Other/></Folder>"
        "</Folders><Files/></Task></Tasks></Project></Projects>");
    EXPECT_THAT(plan.Projects.Items(0).Tasks.Items(0).Folders.Items(0).Files, ElementsAre("/direct", "/nested"));
}

TEST_F(ProjectFile, LoadingMarksNothingAndLeavesTheFileAsItWas) {
    const std::string xml = "<Projects><Project><Tasks><Task Progress=\"3\"><Folders><Folder Path=\"" +
                            folder.MakeFolder("marked") + "\"/></Folders><Files/></Task></Tasks></Project></Projects>";
    WriteFile(xml);
    struct stat before {};
    stat(manager.FileName.c_str(), &before);
    manager.Load();
    struct stat after {};
    stat(manager.FileName.c_str(), &after);
    EXPECT_EQ(SavedText(), xml);
    EXPECT_EQ(before.st_mtim.tv_sec, after.st_mtim.tv_sec);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
    EXPECT_THAT(marker->calls, IsEmpty());
}

struct BadFileCase {
    const char* name;
    const char* xml;
    std::vector<const char*> messageParts;
    int projectsLeft;
};

class BadFile : public ProjectFile, public testing::WithParamInterface<BadFileCase> {};

TEST_P(BadFile, IsAnErrorSayingWhatAndWhere) {
    const BadFileCase& c = GetParam();
    manager.AddProject("replaced by loading");
    WriteFile(c.xml);
    try {
        manager.Load();
        FAIL() << "no error";
    } catch (const ProjectFileError& error) {
        EXPECT_THAT(error.what(), HasSubstr(manager.FileName));
        for (const char* part : c.messageParts) EXPECT_THAT(error.what(), HasSubstr(part));
    }
    EXPECT_EQ(manager.Projects.Count(), c.projectsLeft);
    EXPECT_EQ(SavedText(), c.xml) << "loading never changes the file";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadFile,
    testing::Values(
        BadFileCase{"NotWellFormed", "<Projects>\n  <Project>\n</Projects>\n", {"line 3", "column"}, 0},
        BadFileCase{"Empty", "", {"No document element"}, 0},
        BadFileCase{"TextOnly", "just text", {"No document element"}, 0},
        BadFileCase{"TaskPriority",
                    "<Projects>\r\n  <Project ID=\"A\"/>\r\n  <Project ID=\"B\">\r\n    <Tasks>\r\n"
                    "      <Task ID=\"T\" Priority=\"high\"/>\r\n    </Tasks>\r\n  </Project>\r\n</Projects>\r\n",
                    {"line 5", "'high' is not a valid integer value", "Priority", "Task"},
                    2},
        BadFileCase{"TaskProgress", "<Projects><Project><Tasks><Task Progress=\"50%\"/></Tasks></Project></Projects>",
                    {"line 1", "'50%' is not a valid integer value", "Progress"},
                    1},
        BadFileCase{"ProjectPriority", "<Projects>\n<Project Priority=\"\"/>\n</Projects>",
                    {"line 2", "'' is not a valid integer value", "Project"},
                    1},
        BadFileCase{"TaskWithOnlyFolders",
                    "<Projects>\n<Project/>\n<Project><Tasks>\n<Task><Folders/></Task>\n</Tasks></Project>\n</Projects>",
                    {"line 4", "Task"},
                    2},
        BadFileCase{"TaskWithOnlyFiles", "<Projects><Project><Tasks><Task><Files/></Task></Tasks></Project></Projects>",
                    {"Task"},
                    1}),
    [](const testing::TestParamInfo<BadFileCase>& param) { return std::string(param.param.name); });

TEST_F(ProjectFile, AFileThatCannotBeReadIsAnErrorNamingIt) {
    std::filesystem::create_directory(manager.FileName);
    manager.AddProject("cleared");
    try {
        manager.Load();
        FAIL() << "no error";
    } catch (const ProjectFileError& error) {
        EXPECT_THAT(error.what(), HasSubstr(manager.FileName));
    }
    EXPECT_EQ(manager.Projects.Count(), 0);
}

TEST_F(ProjectFile, DeeplyNestedElementsLoadWithoutExhaustingTheStack) {
    constexpr int kDepth = 200000;
    std::string xml = "<Projects><Project ID=\"P\"/><Deep>";
    for (int i = 0; i < kDepth; ++i) xml += "<x>";
    for (int i = 0; i < kDepth; ++i) xml += "</x>";
    xml += "</Deep></Projects>";
    const auto& plan = LoadText(xml);
    ASSERT_EQ(plan.Projects.Count(), 2);
    EXPECT_EQ(plan.Projects.Items(0).ID, "P");
}

TEST_F(ProjectFile, APlanOfManyMegabytesRoundTrips) {
    TSFProject& project = AddProject(manager, "P", "big");
    for (int i = 0; i < 30000; ++i) {
        TSFTask& task = AddTask(project, NewIdentifier(), "P");
        task.TaskName = "Task " + std::to_string(i);
        task.Description = std::string(200, 'd');
        TSFFolder& attached = task.Folders.Add();
        attached.Initialize();
        attached.Path = "/work/folder" + std::to_string(i);
        task.Files.push_back("/work/file" + std::to_string(i) + ".txt");
    }
    manager.Save();
    ASSERT_GT(std::filesystem::file_size(manager.FileName), 10u << 20);
    loaded.FileName = manager.FileName;
    loaded.Load();
    ExpectSamePlan(manager, loaded);
}

TEST_F(ProjectFile, AFailedSaveRaisesTheErrorAndKeepsTheOldFile) {
    AddProject(manager, "P", "new");
    WriteFile("<Projects><Project ID=\"OLD\"/></Projects>");

    const std::string original = manager.FileName;
    manager.FileName = folder / "missing/Fennquill.xml";
    EXPECT_THROW(manager.Save(), std::runtime_error);

    manager.FileName = folder.MakeFolder("taken");
    folder.WriteFile("taken/inside", "");
    EXPECT_THROW(manager.Save(), std::runtime_error);
    EXPECT_TRUE(std::filesystem::exists(folder / "taken/inside"));

    EXPECT_EQ(folder.ReadFile("Fennquill.xml"), "<Projects><Project ID=\"OLD\"/></Projects>");
    EXPECT_EQ(manager.Projects.Items(0).ProjectName, "new") << "the model is unchanged";
    manager.FileName = original;
    manager.Save();
    EXPECT_THAT(SavedText(), HasSubstr("ProjectName=\"new\""));
}

}  // namespace
}  // namespace fq
