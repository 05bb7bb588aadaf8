#include <gtest/gtest.h>

#include <filesystem>

#include "OsTestEnvironment.h"
#include "TempFolder.h"
#include "TestEnvironment.h"

namespace fq::test {
namespace {

std::filesystem::path g_root;

}  // namespace

const std::filesystem::path& TestRoot() { return g_root; }

}  // namespace fq::test

int main(int argc, char** argv) {
    using namespace fq::test;
    testing::InitGoogleTest(&argc, argv);
    g_root = MakeTestRoot();
    EnterTestEnvironment(g_root);
    const int result = RUN_ALL_TESTS();
    LeaveTestEnvironment();
    RemoveTree(g_root);
    return result;
}
