// Which selections the handler accepts: exactly one folder marked with a
// task, given as the file manager gives it, and the selection's memory is
// released whatever the answer.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "comref_win.h"
#include "DropFilesData_win.h"
#include "Fennquill.h"
#include "HandlerFixture_win.h"
#include "Utf8Path.h"
#include "profile.h"

namespace fq::test {
namespace {

const char kTask[] = "0123456789ABCDEF0123456789ABCDEF";
const char kOtherTask[] = "FEDCBA9876543210FEDCBA9876543210";

class Selection : public HandlerTest {
protected:
    void SetUp() override {
        HandlerTest::SetUp();
        MarkedFolder("marked", kTask);
        MarkedFolder("other marked", kOtherTask);
        folders_.MakeFolder("unmarked");
        folders_.WriteFile("marked\\notes.txt", "notes");
        MarkedFolder("empty task", "");
        platform::WriteProfileValue(folders_.MakeFolder("no task") + "\\desktop.ini", ".ShellCLassInfo", "IconIndex",
                                    "2");
    }

    std::vector<std::string> Paths(const std::vector<std::string>& names) const {
        std::vector<std::string> paths;
        for (const std::string& name : names) paths.push_back(folders_ / name);
        return paths;
    }
};

struct SelectionCase {
    const char* what;
    std::vector<std::string> names;
    HRESULT expected;
};

const SelectionCase kSelections[] = {
    {"one marked folder", {"marked"}, S_OK},
    {"two marked folders", {"marked", "other marked"}, E_FAIL},
    {"a marked folder and a file", {"marked", "marked\\notes.txt"}, E_FAIL},
    {"a file", {"marked\\notes.txt"}, E_FAIL},
    {"an unmarked folder", {"unmarked"}, E_FAIL},
    {"a marker with an empty TaskId", {"empty task"}, E_FAIL},
    {"a desktop.ini without TaskId", {"no task"}, E_FAIL},
    {"a path that names nothing", {"missing"}, E_FAIL},
    {"an empty list", {}, E_FAIL},
};

TEST_F(Selection, OnlyOneMarkedFolderIsAcceptedAndTheMediumIsAlwaysReleased) {
    for (const SelectionCase& c : kSelections) {
        SCOPED_TRACE(c.what);
        platform::win::ComRef<IContextMenu> handler;
        CreateHandler(handler);
        platform::win::ComRef<IShellExtInit> init;
        ASSERT_EQ(handler->QueryInterface(IID_IShellExtInit, init.PutVoid()), S_OK);
        std::vector<std::wstring> paths;
        for (const std::string& path : Paths(c.names)) paths.push_back(Wide(path));
        auto* data = new DropFilesData(paths);
        EXPECT_EQ(init->Initialize(nullptr, data, nullptr), c.expected);
        EXPECT_EQ(data->MediaHandedOut(), 1);
        EXPECT_EQ(data->MediaReleased(), 1);
        data->Release();
    }
}

TEST_F(Selection, WithoutADataObjectItFails) {
    platform::win::ComRef<IContextMenu> handler;
    CreateHandler(handler);
    platform::win::ComRef<IShellExtInit> init;
    ASSERT_EQ(handler->QueryInterface(IID_IShellExtInit, init.PutVoid()), S_OK);
    EXPECT_EQ(init->Initialize(nullptr, nullptr, nullptr), E_FAIL);
}

TEST_F(Selection, TheDataObjectsOwnFailureIsPassedOn) {
    for (const HRESULT failure : {DV_E_FORMATETC, E_OUTOFMEMORY}) {
        SCOPED_TRACE(failure);
        platform::win::ComRef<IContextMenu> handler;
        CreateHandler(handler);
        platform::win::ComRef<IShellExtInit> init;
        ASSERT_EQ(handler->QueryInterface(IID_IShellExtInit, init.PutVoid()), S_OK);
        auto* data = new DropFilesData({Wide(folders_ / "marked")});
        data->FailWith(failure);
        EXPECT_EQ(init->Initialize(nullptr, data, nullptr), failure);
        EXPECT_EQ(data->MediaHandedOut(), 0);
        data->Release();
    }
}

// The shell's own data object for items of one folder, as the file manager
// makes it for a selection.
void ShellDataObject(const std::string& parent, const std::vector<std::string>& names, platform::win::ComRef<IDataObject>& data) {
    platform::win::ComRef<IShellFolder> desktop, folder;
    ASSERT_EQ(SHGetDesktopFolder(desktop.Put()), S_OK);
    PIDLIST_RELATIVE parentItem = nullptr;
    std::wstring parentName = Wide(parent);
    ASSERT_EQ(desktop->ParseDisplayName(nullptr, nullptr, parentName.data(), nullptr, &parentItem, nullptr), S_OK);
    const HRESULT bound = desktop->BindToObject(parentItem, nullptr, IID_IShellFolder, folder.PutVoid());
    CoTaskMemFree(parentItem);
    ASSERT_EQ(bound, S_OK);
    std::vector<PIDLIST_RELATIVE> children;
    for (const std::string& name : names) {
        std::wstring childName = Wide(name);
        PIDLIST_RELATIVE child = nullptr;
        ASSERT_EQ(folder->ParseDisplayName(nullptr, nullptr, childName.data(), nullptr, &child, nullptr), S_OK);
        children.push_back(child);
    }
    std::vector<LPCITEMIDLIST> items(children.begin(), children.end());
    const HRESULT made = folder->GetUIObjectOf(nullptr, static_cast<UINT>(items.size()), items.data(), IID_IDataObject,
                                               nullptr, data.PutVoid());
    for (PIDLIST_RELATIVE child : children) CoTaskMemFree(child);
    ASSERT_EQ(made, S_OK);
}

TEST_F(Selection, TheShellsOwnDataObjectIsReadAsWell) {
    const SelectionCase cases[] = {
        {"one marked folder", {"marked"}, S_OK},
        {"two marked folders", {"marked", "other marked"}, E_FAIL},
        {"an unmarked folder", {"unmarked"}, E_FAIL},
        {"a file", {"notes.txt"}, E_FAIL},
    };
    folders_.WriteFile("notes.txt", "notes");
    for (const SelectionCase& c : cases) {
        SCOPED_TRACE(c.what);
        platform::win::ComRef<IDataObject> data;
        ShellDataObject(Utf8FromPath(folders_.Path()), c.names, data);
        ASSERT_TRUE(data);
        platform::win::ComRef<IContextMenu> handler;
        CreateHandler(handler);
        platform::win::ComRef<IShellExtInit> init;
        ASSERT_EQ(handler->QueryInterface(IID_IShellExtInit, init.PutVoid()), S_OK);
        EXPECT_EQ(init->Initialize(nullptr, data.Get(), nullptr), c.expected);
    }
}

}  // namespace
}  // namespace fq::test
