#include "console_tools/CommandScript.h"
#include "console_tools/ConsoleDevice.h"

#include <gtest/gtest.h>

namespace console_tools {

namespace {

const ScriptTime kTime{2024, 3, 7, 9, 5};
const char* const kTimeLine = "#Build Time: 2024/03/07-09:05\n";

TEST(CommandScript, ExampleEntryInBothByteOrders) {
    const std::vector<WriteEntry> entries{{0x00001234, 0x00050000, 0x00FF0000}};
    const std::vector<std::string> comments{"Gain = 5"};
    EXPECT_EQ(std::string(kTimeLine) + "88 0e 00 00 12 34 00 05 00 00 00 ff 00 00 crc   #Gain = 5\n"
                                       "88 0e 80 00 00 01 00 00 00 00 00 00 00 00 crc\n",
              FormatCommandScript(entries, comments, DEV_Q40_USB_BRG, 0xFFFF, kTime));
    EXPECT_EQ(std::string(kTimeLine) + "09 33 88 00 34 12 00 00 00 00 05 00 00 00 ff 00    #Gain = 5\n",
              FormatCommandScript(entries, comments, DEV_Q50_USB, 0xFFFF, kTime));
}

TEST(CommandScript, Zr8SlaveCarriesTheSlaveIndex) {
    const std::vector<WriteEntry> entries{{0x10, 0x1, 0xFF}, {0x11, 0x2, 0xFF}};
    const std::vector<std::string> comments{"A = 1", "A = 1"};
    EXPECT_EQ(std::string(kTimeLine) +
                  "09 37 b0 00 09 ffff 88 00 10 00 00 00 01 00 00 00 ff 00 00 00    #A = 1\n"
                  "09 37 b0 00 09 ffff 88 00 11 00 00 00 02 00 00 00 ff 00 00 00    #A = 1\n",
              FormatCommandScript(entries, comments, DEV_USB_ZR8SLAVE, 0xFFFF, kTime));
    EXPECT_EQ(std::string(kTimeLine) +
                  "09 37 b0 00 09 03 88 00 10 00 00 00 01 00 00 00 ff 00 00 00    #A = 1\n"
                  "09 37 b0 00 09 03 88 00 11 00 00 00 02 00 00 00 ff 00 00 00    #A = 1\n",
              FormatCommandScript(entries, comments, DEV_USB_ZR8SLAVE, 3, kTime));
}

TEST(CommandScript, NoEntriesGiveNoData) {
    for (int type : {0, 1, 4, 6, 9, 13}) {
        EXPECT_EQ(std::string(kTimeLine) + "#No data\n", FormatCommandScript({}, {}, type, 2, kTime)) << type;
    }
}

TEST(CommandScript, TimeLineWidths) {
    EXPECT_EQ("#Build Time:   99/12/31-23:59\n#No data\n",
              FormatScriptMsbFirst({}, {}, {99, 12, 31, 23, 59}));
    EXPECT_EQ("#Build Time:12345/01/02-03:04\n#No data\n",
              FormatScriptLsbFirst({}, {}, 9, 0, {12345, 1, 2, 3, 4}));
}

}  // namespace

}  // namespace console_tools
