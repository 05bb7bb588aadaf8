#include "TestEnvironment.h"

#include "OsTestEnvironment.h"
#include "TempFolder.h"

namespace fq::test {
namespace {

std::filesystem::path g_root;

}  // namespace

const std::filesystem::path& TestRoot() { return g_root; }

TestEnvironmentScope::TestEnvironmentScope() {
    g_root = MakeTestRoot();
    EnterTestEnvironment(g_root);
}

TestEnvironmentScope::~TestEnvironmentScope() {
    LeaveTestEnvironment();
    RemoveTree(g_root);
}

}  // namespace fq::test
