// Choosing "Task Properties": the program the main program registered is
// started with the folder's task as its one argument, and nothing starts
// when the verb is not the handler's, the marker has gone, or the task
// could smuggle more than one argument. A recorder program stands in for
// the main program.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcesses_win.h"
#include "comref_win.h"
#include "Fennquill.h"
#include "HandlerFixture_win.h"
#include "RecorderRun_win.h"
#include "TaskLaunch.h"
#include "Utf8Path.h"
#include "profile.h"
#include "registry.h"

namespace fq::test {
namespace {

using namespace std::chrono_literals;

const char kTask[] = "0123456789ABCDEF0123456789ABCDEF";
const char kProgramKey[] = "Software\\Fennquill\\OS Data";

struct Outcome {
    HRESULT result = E_UNEXPECTED;
    unsigned long started = 0;                             // processes started by the call
    std::optional<std::vector<std::string>> arguments;     // what the recorder recorded, when something started
};

class Invocation : public HandlerTest {
protected:
    void SetUp() override {
        HandlerTest::SetUp();
        platform::RegistryKey program(kProgramKey, platform::RegistryKey::Opening::CreateIfMissing);
        ASSERT_TRUE(program.WriteString("AppPath", Utf8FromPath(RecorderProgram())));
        recording_ = PathFromUtf8(folders_ / "arguments.txt");
        RecordInto(recording_);
    }

    void TearDown() override {
        EXPECT_TRUE(ChildProcesses::Watched().WaitUntilNoneRuns(30s)) << "a started program is still running";
        HandlerTest::TearDown();
    }

    // A handler initialized with one folder it accepts.
    void HandlerFor(const std::string& folder, platform::win::ComRef<IContextMenu>& handler) const {
        CreateHandler(handler);
        ASSERT_EQ(InitializeWith(handler.Get(), {folder}), S_OK);
    }

    Outcome Invoke(IContextMenu* handler, LPCSTR verb) {
        std::filesystem::remove(recording_);
        CMINVOKECOMMANDINFO invocation{};
        invocation.cbSize = sizeof invocation;
        invocation.lpVerb = verb;
        invocation.nShow = SW_SHOWNORMAL;
        Outcome outcome;
        const unsigned long before = ChildProcesses::Watched().StartedSoFar();
        outcome.result = handler->InvokeCommand(&invocation);
        outcome.started = ChildProcesses::Watched().StartedSoFar() - before;
        if (outcome.started > 0) outcome.arguments = WaitForRecordedArguments(recording_, 30s);
        EXPECT_TRUE(ChildProcesses::Watched().WaitUntilNoneRuns(30s));
        return outcome;
    }

    static LPCSTR Offset(UINT offset) { return MAKEINTRESOURCEA(offset); }

    std::filesystem::path recording_;
};

TEST_F(Invocation, OffsetZeroStartsTheRegisteredProgramWithTheTaskAsItsOnlyArgument) {
    platform::win::ComRef<IContextMenu> handler;
    HandlerFor(MarkedFolder("marked", kTask), handler);
    const Outcome outcome = Invoke(handler.Get(), Offset(0));
    EXPECT_EQ(outcome.result, S_OK);
    EXPECT_GE(outcome.started, 1u);
    EXPECT_EQ(outcome.arguments, std::vector<std::string>{kTask});
}

TEST_F(Invocation, ACraftedTaskArrivesAsExactlyOneArgumentOrStartsNothing) {
    struct Case {
        const char* taskId;
        bool handedOver;
    };
    const Case cases[] = {
        {"A B --evil", true},
        {"X\\", true},
        {"C:\\Some Folder\\", true},
        {"Y\\\\", true},
        {"--evil /switch", true},
        {"T\xC3\xA4sk \xE2\x98\x83", true},
        {"A B\" --evil", false},
        {"Y\\\\\"", false},
        {"\"quoted", false},
        {"A\tB", false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.taskId);
        const std::string folder = MarkedFolder("crafted " + std::to_string(++n), c.taskId);
        ASSERT_EQ(fennquill::MarkedTaskId(folder), c.taskId) << "the marker does not hold the crafted text";
        platform::win::ComRef<IContextMenu> handler;
        HandlerFor(folder, handler);
        const Outcome outcome = Invoke(handler.Get(), Offset(0));
        EXPECT_EQ(outcome.result, S_OK);
        if (c.handedOver) {
            EXPECT_EQ(outcome.arguments, std::vector<std::string>{c.taskId});
        } else {
            EXPECT_EQ(outcome.started, 0u);
        }
    }
}

TEST_F(Invocation, AVerbThatIsNotTheHandlersFailsAndStartsNothing) {
    struct Case {
        const char* what;
        LPCSTR verb;
    };
    const Case cases[] = {
        {"the string verb open", "open"},
        {"the string verb properties", "properties"},
        {"offset 1", Offset(1)},
        // A string's address whose low 32 bits are zero is still no offset.
        {"an address above 4 GiB", reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(1) << 32)},
    };
    platform::win::ComRef<IContextMenu> handler;
    HandlerFor(MarkedFolder("marked", kTask), handler);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome outcome = Invoke(handler.Get(), c.verb);
        EXPECT_EQ(outcome.result, E_FAIL);
        EXPECT_EQ(outcome.started, 0u);
    }
}

TEST_F(Invocation, AMarkerChangedAfterInitializeIsReadAgain) {
    struct Case {
        const char* what;
        void (*change)(const std::string& folder);
        HRESULT expected;
    };
    const Case cases[] = {
        {"desktop.ini deleted", [](const std::string& folder) { ClearFolder(folder.c_str()); }, S_OK},
        {"TaskId emptied",
         [](const std::string& folder) {
             platform::WriteProfileValue(folder + "\\desktop.ini", ".ShellCLassInfo", "TaskId", "");
         },
         S_OK},
        {"the folder removed", [](const std::string& folder) { RemoveTree(PathFromUtf8(folder)); }, E_INVALIDARG},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string folder = MarkedFolder("changed " + std::to_string(++n), kTask);
        platform::win::ComRef<IContextMenu> handler;
        HandlerFor(folder, handler);
        c.change(folder);
        const Outcome outcome = Invoke(handler.Get(), Offset(0));
        EXPECT_EQ(outcome.result, c.expected);
        EXPECT_EQ(outcome.started, 0u);
    }
}

TEST_F(Invocation, WithoutARegisteredProgramNothingStartsAndThatIsSuccess) {
    platform::win::ComRef<IContextMenu> handler;
    HandlerFor(MarkedFolder("marked", kTask), handler);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Fennquill\\OS Data", 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegDeleteValueW(key, L"AppPath");
    RegCloseKey(key);
    const Outcome outcome = Invoke(handler.Get(), Offset(0));
    EXPECT_EQ(outcome.result, S_OK);
    EXPECT_EQ(outcome.started, 0u);
}

TEST_F(Invocation, WithoutAnAcceptedSelectionThereIsNoFolder) {
    const std::string marked = MarkedFolder("marked", kTask);
    const std::string unmarked = folders_.MakeFolder("unmarked");
    platform::win::ComRef<IContextMenu> fresh;
    CreateHandler(fresh);
    EXPECT_EQ(Invoke(fresh.Get(), Offset(0)).result, E_INVALIDARG);

    platform::win::ComRef<IContextMenu> refusedLater;
    HandlerFor(marked, refusedLater);
    ASSERT_EQ(InitializeWith(refusedLater.Get(), {unmarked}), E_FAIL);
    const Outcome outcome = Invoke(refusedLater.Get(), Offset(0));
    EXPECT_EQ(outcome.result, E_INVALIDARG);
    EXPECT_EQ(outcome.started, 0u);
}

}  // namespace
}  // namespace fq::test
