// fennquill-open: its decisions, and the real program starting the main
// program with the task as its only argument.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "OpenTask.h"
#include "TempFolder.h"
#include "registry.h"

extern char** environ;

namespace fennquill {
namespace {

using fq::test::TempFolder;
using testing::ElementsAre;

const char kTask[] = "0123456789ABCDEF0123456789ABCDEF";

// A registry file of its own, with AppPath set unless told otherwise.
class Launcher : public testing::Test {
protected:
    void SetUp() override {
        saved_ = std::getenv("XDG_CONFIG_HOME");
        setenv("XDG_CONFIG_HOME", (disk / "config").c_str(), 1);
        RegisterProgram("/opt/fennquill/FQ");
    }
    void TearDown() override { setenv("XDG_CONFIG_HOME", saved_.c_str(), 1); }

    static void RegisterProgram(const std::string& program) {
        platform::RegistryKey("Software\\Fennquill\\OS Data", platform::RegistryKey::Opening::CreateIfMissing)
            .WriteString("AppPath", program);
    }
    std::string MarkedFolder(const std::string& name, const std::string& iniText) {
        const std::string folder = disk.MakeFolder(name);
        disk.WriteFile(name + "/desktop.ini", iniText);
        return folder;
    }
    std::string Marked(const std::string& name, const std::string& taskId = kTask) {
        return MarkedFolder(name, "[.ShellCLassInfo]\r\nIconFile=/opt/res.icl\r\nIconIndex=22\r\nTaskId=" + taskId + "\r\n");
    }
    OpenOutcome Open(const std::vector<std::string>& items) {
        return OpenTaskOf(items, [this](const std::string& program, const std::string& argument) {
            started.push_back(program + " | " + argument);
            return startWorks;
        });
    }

    TempFolder disk;
    std::vector<std::string> started;
    bool startWorks = true;

private:
    std::string saved_;
};

TEST_F(Launcher, StartsTheRegisteredProgramWithTheMarkedTask) {
    EXPECT_EQ(Open({Marked("Notes")}), OpenOutcome::Started);
    EXPECT_THAT(started, ElementsAre(std::string("/opt/fennquill/FQ | ") + kTask));
}

TEST_F(Launcher, ReadsTheMarkerWhateverTheCaseOfItsNames) {
    EXPECT_EQ(Open({MarkedFolder("Notes", "[.shellclassinfo]\ntaskid = T1 \n")}), OpenOutcome::Started);
    EXPECT_THAT(started, ElementsAre("/opt/fennquill/FQ | T1"));
}

TEST_F(Launcher, RefusesWhatIsNotExactlyOneMarkedFolder) {
    const std::string notes = Marked("Notes");
    const std::string file = disk.WriteFile("plan.txt", "");
    const struct {
        std::vector<std::string> items;
        OpenOutcome outcome;
    } cases[] = {
        {{}, OpenOutcome::NotOneItem},
        {{notes, Marked("Other")}, OpenOutcome::NotOneItem},
        {{file}, OpenOutcome::NotAFolder},
        {{disk / "missing"}, OpenOutcome::NotAFolder},
        {{disk.MakeFolder("Unmarked")}, OpenOutcome::NotMarked},
        {{MarkedFolder("Empty", "[.ShellCLassInfo]\r\nTaskId=\r\n")}, OpenOutcome::NotMarked},
        {{MarkedFolder("Elsewhere", "[Other]\r\nTaskId=T1\r\n")}, OpenOutcome::NotMarked},
        {{Marked("Quoted", "T1\" --evil")}, OpenOutcome::UnsafeTaskId},
        {{Marked("Tabbed", "T1\t-x")}, OpenOutcome::UnsafeTaskId},
    };
    for (const auto& c : cases) EXPECT_EQ(Open(c.items), c.outcome) << (c.items.empty() ? "no items" : c.items.front());
    EXPECT_TRUE(started.empty());
}

TEST_F(Launcher, WithoutARegisteredProgramNothingStarts) {
    RegisterProgram("");
    EXPECT_EQ(Open({Marked("Notes")}), OpenOutcome::NoProgram);
    EXPECT_TRUE(started.empty());
}

TEST_F(Launcher, AStartThatFailsIsSaid) {
    startWorks = false;
    EXPECT_EQ(Open({Marked("Notes")}), OpenOutcome::StartFailed);
    EXPECT_EQ(OutcomeText(OpenOutcome::StartFailed), "Fennquill could not be started.");
}

// The real fennquill-open, started as a file manager starts it, starting the
// recorder registered as the main program.
class LauncherProgram : public Launcher {
protected:
    int RunLauncher(const std::vector<std::string>& items) {
        std::vector<std::string> texts{FQ_OPEN_PROGRAM};
        texts.insert(texts.end(), items.begin(), items.end());
        std::vector<char*> arguments;
        for (std::string& text : texts) arguments.push_back(text.data());
        arguments.push_back(nullptr);
        pid_t child = 0;
        if (posix_spawn(&child, FQ_OPEN_PROGRAM, nullptr, nullptr, arguments.data(), environ) != 0) return -1;
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // The recorder's arguments, once it has written them (at most ten seconds).
    std::vector<std::string> Recorded() {
        for (int i = 0; i < 200 && !std::filesystem::exists(record_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const std::string bytes = std::filesystem::exists(record_) ? fq::test::ReadBytes(record_) : "<not started>";
        std::vector<std::string> arguments;
        for (std::size_t start = 0, end; (end = bytes.find('\0', start)) != std::string::npos; start = end + 1)
            arguments.push_back(bytes.substr(start, end - start));
        return bytes == "<not started>" ? std::vector<std::string>{bytes} : arguments;
    }
    void SetUp() override {
        Launcher::SetUp();
        record_ = disk / "recorded";
        setenv("FQ_RECORD_TO", record_.c_str(), 1);
        RegisterProgram(FQ_RECORDER_PROGRAM);
    }

    std::string record_;
};

TEST_F(LauncherProgram, HandsAnyTaskIdentifierOverAsExactlyOneArgument) {
    const std::string crafted = "A B; $(touch pwned) `id` --evil -reverse 'x' \\";
    EXPECT_EQ(RunLauncher({Marked("Notes", crafted)}), 0);
    EXPECT_THAT(Recorded(), ElementsAre(crafted));
    EXPECT_FALSE(std::filesystem::exists("pwned"));
}

TEST_F(LauncherProgram, SaysWhyNothingStarted) {
    EXPECT_EQ(RunLauncher({disk.MakeFolder("Unmarked")}), 4);
    EXPECT_EQ(RunLauncher({}), 2);
    RegisterProgram(disk / "no-such-program");
    EXPECT_EQ(RunLauncher({Marked("Notes")}), 7);
    EXPECT_FALSE(std::filesystem::exists(record_));
}

}  // namespace
}  // namespace fennquill
