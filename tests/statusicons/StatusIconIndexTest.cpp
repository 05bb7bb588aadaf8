// The order of the 55 status pictures.
#include <gtest/gtest.h>

#include <set>

#include "StatusIcons.h"

namespace fq {
namespace {

TEST(StatusIconIndex, PutsThePrioritiesInTurnEachWithItsElevenProgressSteps) {
    struct Case {
        int priority;
        int progress;
        int index;
    };
    const Case cases[] = {
        {1, 0, 0}, {1, 10, 10}, {2, 0, 11}, {3, 5, 27}, {4, 7, 40}, {5, 0, 44}, {5, 10, 54},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StatusIconIndex(c.priority, c.progress), c.index) << c.priority << "/" << c.progress;
    }
}

TEST(StatusIconIndex, EveryStatusHasItsOwnIndexThatLeadsBackToIt) {
    std::set<int> indexes;
    for (int priority = 1; priority <= 5; ++priority) {
        for (int progress = 0; progress <= 10; ++progress) {
            const int index = StatusIconIndex(priority, progress);
            EXPECT_GE(index, 0);
            EXPECT_LT(index, kStatusIconCount);
            EXPECT_EQ(StatusIconPriority(index), priority) << index;
            EXPECT_EQ(StatusIconProgress(index), progress) << index;
            indexes.insert(index);
        }
    }
    EXPECT_EQ(indexes.size(), 55u);
    EXPECT_EQ(kStatusIconCount, 55);
}

}  // namespace
}  // namespace fq
