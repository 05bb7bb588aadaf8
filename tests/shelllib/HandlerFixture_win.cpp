#include "HandlerFixture_win.h"

#include <stdexcept>

#include "DropFilesData_win.h"
#include "Fennquill.h"
#include "ShellLibraryServer_win.h"
#include "widetext_win.h"

namespace fq::test {

std::wstring Wide(const std::string& utf8) { return platform::win::WideFromUtf8(utf8); }

void HandlerTest::SetUp() {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    comStarted_ = true;
    ASSERT_EQ(LinkedServer().RegisterServer(), S_OK);
}

void HandlerTest::TearDown() {
    EXPECT_EQ(LinkedServer().UnregisterServer(), S_OK);
    if (comStarted_) CoUninitialize();
}

void HandlerTest::CreateHandler(platform::win::ComRef<IContextMenu>& handler) {
    const HRESULT created =
        CoCreateInstance(kHandlerClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IContextMenu, handler.PutVoid());
    if (FAILED(created) || !handler) throw std::runtime_error("COM made no handler: " + std::to_string(created));
}

HRESULT HandlerTest::InitializeWith(IContextMenu* handler, const std::vector<std::string>& paths) {
    platform::win::ComRef<IShellExtInit> init;
    if (FAILED(handler->QueryInterface(IID_IShellExtInit, init.PutVoid()))) throw std::runtime_error("no IShellExtInit");
    std::vector<std::wstring> widePaths;
    for (const std::string& path : paths) widePaths.push_back(Wide(path));
    auto* data = new DropFilesData(widePaths);
    const HRESULT result = init->Initialize(nullptr, data, nullptr);
    data->Release();
    return result;
}

std::string HandlerTest::MarkedFolder(const std::string& name, const std::string& taskId) const {
    const std::string folder = folders_.MakeFolder(name);
    if (SetFolderIcon(folder.c_str(), taskId.c_str(), "C:\\Program Files\\FQ\\", 3, 0) != 0)
        throw std::runtime_error("cannot mark " + folder);
    return folder;
}

}  // namespace fq::test
