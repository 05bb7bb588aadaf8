// Registration of the handler class with COM and the shell, read back from
// the registry of the tests' wine prefix: through the library's entry points
// and through the system's registration tool, and when the registry refuses.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RegistryProbe_win.h"
#include "ShellLibraryServer_win.h"
#include "TempFolder.h"

namespace fq::test {
namespace {

const std::wstring kClassId = kHandlerClassIdText;
const std::wstring kClassKey = L"CLSID\\" + kClassId;
const std::wstring kProgId = L"Fennquill.ContextMenuDemo";
const std::wstring kDescription = L"Context Menu Shell Extension Example";
const std::wstring kApprovedKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const std::wstring kFileHandlerKey = L"*\\shellex\\ContextMenuHandlers\\ContextMenuDemo";
const std::wstring kFolderHandlerKey = L"Folder\\shellex\\ContextMenuHandlers\\ContextMenuDemo";

struct Entry {
    HKEY root;
    std::wstring key;
    std::wstring name;  // empty: the default value
    std::wstring data;
};

// In the order they are written.
std::vector<Entry> EveryEntry(const std::wstring& serverPath) {
    return {
        {HKEY_LOCAL_MACHINE, kApprovedKey, kClassId, kDescription},
        {HKEY_CLASSES_ROOT, kClassKey, L"", kDescription},
        {HKEY_CLASSES_ROOT, kClassKey + L"\\InprocServer32", L"", serverPath},
        {HKEY_CLASSES_ROOT, kClassKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {HKEY_CLASSES_ROOT, kProgId, L"", kDescription},
        {HKEY_CLASSES_ROOT, kProgId + L"\\Clsid", L"", kClassId},
        {HKEY_CLASSES_ROOT, kClassKey + L"\\ProgID", L"", kProgId},
        {HKEY_CLASSES_ROOT, kFileHandlerKey, L"", kClassId},
        {HKEY_CLASSES_ROOT, kFolderHandlerKey, L"", kClassId},
    };
}

// The keys that belong to this class alone.
const std::vector<std::wstring> kOwnKeys = {kClassKey, kProgId, kFileHandlerKey, kFolderHandlerKey};

std::string Narrow(const std::wstring& text) { return std::filesystem::path(text).string(); }

// The linked library as its registration is to name it: its short form
// when the build tree's path holds a space.
std::wstring RegisteredLinkedLibrary() {
    const std::wstring path = LinkedLibraryPath().wstring();
    if (path.find(L' ') == std::wstring::npos) return path;
    wchar_t shortPath[MAX_PATH * 2] = {};
    GetShortPathNameW(path.c_str(), shortPath, MAX_PATH * 2);
    return shortPath;
}

void ExpectEveryEntry(const std::wstring& serverPath) {
    for (const Entry& entry : EveryEntry(serverPath)) {
        SCOPED_TRACE(Narrow(entry.key + L" : " + entry.name));
        EXPECT_EQ(StringValue(entry.root, entry.key, entry.name), entry.data);
    }
}

void ExpectNoneOfItsEntries() {
    for (const std::wstring& key : kOwnKeys) EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key)) << Narrow(key);
    EXPECT_EQ(StringValue(HKEY_LOCAL_MACHINE, kApprovedKey, kClassId), std::nullopt);
}

// Starts the system's registration tool in this prefix and gives its exit
// code; fails the test when it does not end in time.
DWORD RunRegsvr32(const std::wstring& switches, const std::filesystem::path& library) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring program = std::wstring(system) + L"\\regsvr32.exe";
    std::wstring commandLine = L"regsvr32.exe " + switches + L" \"" + library.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ADD_FAILURE() << "cannot start regsvr32: " << GetLastError();
        return ~0UL;
    }
    DWORD exitCode = ~0UL;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else {
        TerminateProcess(process.hProcess, 1);
        ADD_FAILURE() << "regsvr32 did not end within a minute";
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

// Every test leaves the registry of the prefix as it found it.
class ServerRegistration : public testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(LinkedServer().UnregisterServer(), S_OK); }
};

TEST_F(ServerRegistration, WritesEveryEntryForTheLibraryItWasLoadedFrom) {
    ASSERT_EQ(LinkedServer().RegisterServer(), S_OK);
    ExpectEveryEntry(RegisteredLinkedLibrary());
}

TEST_F(ServerRegistration, UnregistrationLeavesNoneOfItsEntriesAndAgainIsNoError) {
    ASSERT_EQ(LinkedServer().RegisterServer(), S_OK);
    EXPECT_EQ(LinkedServer().UnregisterServer(), S_OK);
    ExpectNoneOfItsEntries();
    EXPECT_EQ(LinkedServer().UnregisterServer(), S_OK);
}

TEST_F(ServerRegistration, ComFindsTheClassOnlyWhileItIsRegistered) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    IUnknown* handler = nullptr;
    ASSERT_EQ(LinkedServer().RegisterServer(), S_OK);
    EXPECT_EQ(CoCreateInstance(kHandlerClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&handler)),
              S_OK);
    if (handler != nullptr) handler->Release();
    handler = nullptr;
    ASSERT_EQ(LinkedServer().UnregisterServer(), S_OK);
    EXPECT_EQ(CoCreateInstance(kHandlerClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&handler)),
              REGDB_E_CLASSNOTREG);
    CoUninitialize();
}

TEST_F(ServerRegistration, TheSystemsRegistrationToolFindsTheEntryPoints) {
    const std::filesystem::path library = LinkedLibraryPath();
    ASSERT_EQ(RunRegsvr32(L"/s", library), 0u);
    ExpectEveryEntry(RegisteredLinkedLibrary());
    ASSERT_EQ(RunRegsvr32(L"/u /s", library), 0u);
    ExpectNoneOfItsEntries();
}

TEST_F(ServerRegistration, ALibraryPathWithASpaceIsRegisteredInItsShortForm) {
    const TempFolder folder;
    const std::filesystem::path copy = std::filesystem::path(folder.MakeFolder("with space")) / L"Fennquill.dll";
    std::filesystem::copy_file(LinkedLibraryPath(), copy);
    {
        const LoadedLibrary loaded(copy);
        const ServerEntryPoints server = ServerEntryPoints::Of(loaded.Get());
        ASSERT_EQ(server.RegisterServer(), S_OK);
        const std::wstring registered =
            StringValue(HKEY_CLASSES_ROOT, kClassKey + L"\\InprocServer32", L"").value_or(L"");
        EXPECT_EQ(registered.find(L' '), std::wstring::npos) << Narrow(registered);
        wchar_t longForm[MAX_PATH * 2] = {};
        GetLongPathNameW(registered.c_str(), longForm, MAX_PATH * 2);
        EXPECT_TRUE(std::filesystem::equivalent(longForm, copy)) << Narrow(longForm);
        EXPECT_EQ(StringValue(HKEY_CLASSES_ROOT, kClassKey + L"\\ProgID", L""), kProgId);
        EXPECT_EQ(server.UnregisterServer(), S_OK);
    }
    ExpectNoneOfItsEntries();
}

TEST_F(ServerRegistration, WithoutTheApprovedListNothingIsWrittenOrRemovedAndThatIsSuccess) {
    const PrivateKey unwritable(L"Fennquill machine that refuses", PrivateKey::Kind::Volatile);
    {
        const PredefinedKeyOverride machine(HKEY_LOCAL_MACHINE, unwritable.Get());
        EXPECT_EQ(LinkedServer().RegisterServer(), S_OK);
    }
    ExpectNoneOfItsEntries();

    ASSERT_EQ(LinkedServer().RegisterServer(), S_OK);
    {
        const PredefinedKeyOverride machine(HKEY_LOCAL_MACHINE, unwritable.Get());
        EXPECT_EQ(LinkedServer().UnregisterServer(), S_OK);
    }
    ExpectEveryEntry(RegisteredLinkedLibrary());
}

TEST_F(ServerRegistration, AnEntryThatCannotBeWrittenFailsAndWhatCameBeforeStays) {
    // The ProgID key is volatile: its default value can be written, but not its lasting subkey Clsid.
    const PrivateKey classes(L"Fennquill classes", PrivateKey::Kind::Lasting);
    MakeVolatileSubkey(classes.Get(), kProgId);
    const PredefinedKeyOverride classesRoot(HKEY_CLASSES_ROOT, classes.Get());

    EXPECT_EQ(LinkedServer().RegisterServer(), E_FAIL);

    const std::vector<Entry> entries = EveryEntry(RegisteredLinkedLibrary());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        const bool writtenBeforeTheFailure = i <= 4;
        SCOPED_TRACE(Narrow(entry.key + L" : " + entry.name));
        EXPECT_EQ(StringValue(entry.root, entry.key, entry.name),
                  writtenBeforeTheFailure ? std::optional<std::wstring>(entry.data) : std::nullopt);
    }
    EXPECT_EQ(LinkedServer().UnregisterServer(), S_OK);
    for (const std::wstring& key : kOwnKeys) EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key)) << Narrow(key);
}

}  // namespace
}  // namespace fq::test
