#include "vantro/WindowsVersion.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

TEST(WindowsVersionClass, FollowsTheTable) {
    struct Case {
        unsigned major, minor, build;
        int expected;
    } cases[] = {
        {6, 2, 9200, 0}, {6, 1, 7601, 1}, {6, 0, 6001, 2},   {6, 0, 6002, 2},
        {6, 0, 6000, 3}, {5, 1, 2600, 4}, {5, 1, 2599, 5},   {5, 2, 3790, 6},
        {6, 3, 9600, 7}, {5, 0, 2195, 7}, {10, 0, 19045, 7}, {0, 0, 0, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WindowsVersionClassOf(c.major, c.minor, c.build), c.expected)
            << c.major << "." << c.minor << " build " << c.build;
}

}  // namespace
}  // namespace vantro
