#pragma once
// The COM entry points of a loaded shell library, found by name as the
// system's registration tool and COM find them.
#include <windows.h>

#include <filesystem>

namespace fq::test {

struct ServerEntryPoints {
    using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    using PlainFunction = HRESULT(STDAPICALLTYPE*)();

    GetClassObjectFunction GetClassObject = nullptr;
    PlainFunction CanUnloadNow = nullptr;
    PlainFunction RegisterServer = nullptr;
    PlainFunction UnregisterServer = nullptr;

    // Throws when the library lacks one of them.
    static ServerEntryPoints Of(HMODULE library);
};

// The library this program is linked with, loaded for the program's life.
HMODULE LinkedLibrary();
std::filesystem::path LinkedLibraryPath();
const ServerEntryPoints& LinkedServer();

// A further copy of the library, loaded from a file of its own.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::filesystem::path& file);
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    HMODULE Get() const { return module_; }

private:
    HMODULE module_ = nullptr;
};

// {5C1E0A7B-93D4-4F2E-B8A6-2D7F41C9E053}, the handler's class.
extern const CLSID kHandlerClassId;
extern const wchar_t kHandlerClassIdText[];

}  // namespace fq::test
