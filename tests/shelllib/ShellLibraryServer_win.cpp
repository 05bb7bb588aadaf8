#include "ShellLibraryServer_win.h"

#include <stdexcept>
#include <string>

namespace fq::test {
namespace {

// GetProcAddress gives a generic function; the cast goes through the one
// function type that converts to any other without complaint.
template <class Function>
Function EntryPoint(HMODULE library, const char* name) {
    const FARPROC found = GetProcAddress(library, name);
    if (found == nullptr) throw std::runtime_error(std::string("the library does not export ") + name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

const CLSID kHandlerClassId = {0x5C1E0A7B, 0x93D4, 0x4F2E, {0xB8, 0xA6, 0x2D, 0x7F, 0x41, 0xC9, 0xE0, 0x53}};
const wchar_t kHandlerClassIdText[] = L"{5C1E0A7B-93D4-4F2E-B8A6-2D7F41C9E053}";

ServerEntryPoints ServerEntryPoints::Of(HMODULE library) {
    ServerEntryPoints server;
    server.GetClassObject = EntryPoint<GetClassObjectFunction>(library, "DllGetClassObject");
    server.CanUnloadNow = EntryPoint<PlainFunction>(library, "DllCanUnloadNow");
    server.RegisterServer = EntryPoint<PlainFunction>(library, "DllRegisterServer");
    server.UnregisterServer = EntryPoint<PlainFunction>(library, "DllUnregisterServer");
    return server;
}

HMODULE LinkedLibrary() {
    const HMODULE library = GetModuleHandleW(L"Fennquill.dll");
    if (library == nullptr) throw std::runtime_error("Fennquill.dll is not loaded");
    return library;
}

std::filesystem::path LinkedLibraryPath() {
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(LinkedLibrary(), path, static_cast<DWORD>(std::size(path)));
    return path;
}

const ServerEntryPoints& LinkedServer() {
    static const ServerEntryPoints server = ServerEntryPoints::Of(LinkedLibrary());
    return server;
}

LoadedLibrary::LoadedLibrary(const std::filesystem::path& file) : module_(LoadLibraryW(file.c_str())) {
    if (module_ == nullptr) throw std::runtime_error("cannot load " + file.string());
}

LoadedLibrary::~LoadedLibrary() { FreeLibrary(module_); }

}  // namespace fq::test
