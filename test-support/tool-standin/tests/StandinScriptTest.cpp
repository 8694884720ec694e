#include <gtest/gtest.h>

#include "test_support/StandinScript.h"

namespace test_support {

using test_support::ParseScript;
using test_support::Step;

TEST(StandinScript, ParsesEveryStep) {
    std::vector<Step> steps;
    std::string error;
    ASSERT_TRUE(ParseScript(
        "# firmware updater\r\nwait 250\nwrite fwid.log ID: 01 02\\r\\nEND\\\\\nunplug\nwait forever\n"
        "plug\npanel need_reinstall 1\nportaq-read 2 A000C004\nportaq-write 0 0xA000C008 0A0B0C0D\nexit -7",
        &steps, &error))
        << error;
    ASSERT_EQ(steps.size(), 9u);
    EXPECT_EQ(steps[0].kind, Step::kWait);
    EXPECT_EQ(steps[0].number, 250);
    EXPECT_EQ(steps[1].kind, Step::kWrite);
    EXPECT_EQ(steps[1].name, "fwid.log");
    EXPECT_EQ(steps[1].text, "ID: 01 02\r\nEND\\");
    EXPECT_EQ(steps[2].kind, Step::kUnplug);
    EXPECT_EQ(steps[3].kind, Step::kWaitForever);
    EXPECT_EQ(steps[5].name, "need_reinstall");
    EXPECT_EQ(steps[5].text, "1");
    EXPECT_EQ(steps[6].number, 2);
    EXPECT_EQ(steps[6].address, 0xA000C004u);
    EXPECT_EQ(steps[7].kind, Step::kPortaqWrite);
    EXPECT_EQ(steps[7].number, 0);
    EXPECT_EQ(steps[7].address, 0xA000C008u);
    EXPECT_EQ(steps[7].word, 0x0A0B0C0Du);
    EXPECT_EQ(steps[8].kind, Step::kExit);
    EXPECT_EQ(steps[8].number, -7);  // a last line without a line end counts
}

TEST(StandinScript, RejectsWhatItDoesNotUnderstand) {
    std::vector<Step> steps;
    std::string error;
    for (const char* bad : {"jump 3\n", "wait soon\n", "exit\n", "write\n", "wait -5\n",
                            "portaq-write 0 A000C004\n", "portaq-write 0 A000C004 1FFFFFFFF\n"}) {
        EXPECT_FALSE(ParseScript(std::string("wait 1\n") + bad, &steps, &error)) << bad;
        EXPECT_EQ(error.compare(0, 7, "line 2:"), 0) << error;
    }
}

}  // namespace test_support
