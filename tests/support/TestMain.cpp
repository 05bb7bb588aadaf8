#include <gtest/gtest.h>

#include "TestEnvironment.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const fq::test::TestEnvironmentScope environment;
    return RUN_ALL_TESTS();
}
