#pragma once
// The handler as the file manager meets it: its class registered, an
// apartment of this thread, a new object through COM for every menu, and
// folders marked (or not) with tasks.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "comref_win.h"
#include "TempFolder.h"

namespace fq::test {

class HandlerTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new handler object; throws when COM gives none.
    static void CreateHandler(platform::win::ComRef<IContextMenu>& handler);
    // Initialize with a CF_HDROP list of paths (UTF-8).
    static HRESULT InitializeWith(IContextMenu* handler, const std::vector<std::string>& paths);

    // A new folder in the test's folder, marked with taskId as the main
    // program marks it.
    std::string MarkedFolder(const std::string& name, const std::string& taskId) const;

    TempFolder folders_;

private:
    bool comStarted_ = false;
};

std::wstring Wide(const std::string& utf8);

}  // namespace fq::test
