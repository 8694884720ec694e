// The stage dialog's file search as Vantro.exe binds it: the real firmware
// file choice and golden search, the golden samples classified by their
// contents through the open/short operations, over real temporary folders.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "FirmwareRig.h"
#include "vantro/FirmwareFileSearch.h"
#include "vantro/OpenShortOperations.h"

namespace vantro {
namespace {

using firmware_test::Native;
using firmware_test::PutFirmware;

// A golden sample's header rows up to the row that tells its kind.
std::string Golden(const std::string& kindRow) {
    return "NG Num,0,\nWidth,2,\nHeight,1,\nButton,0,\n(skipped)\n" + kindRow + "\n";
}

const char kSelfRow[] = "Channel,Cycle,Clk,Volt";
const char kNodeRow[] = "   Node,1,2,3,4,5";
const char kTablesRow[] = "Table1:,CalibLoopcnt,x";

struct StageFiles : firmware_test::FirmwareTest {
    StageFiles() {
        for (int i = 0; i < kStageFileFieldCount; ++i)
            std::snprintf(found.path[i], kStagePathSize, "%s", "stale");
    }
    std::vector<std::string> Fields() const {
        std::vector<std::string> fields;
        for (int i = 0; i < kStageFileFieldCount; ++i)
            fields.push_back(found.path[i]);
        return fields;
    }

    std::unique_ptr<OpenShortData> data{new OpenShortData()};
    ChipLayout layout{};
    NgLineStatus ngLines{};
    OpenShortDisplay display;
    OpenShortOperations openShort{context, OpenShortRecords{*data, layout, ngLines, settings.shared},
                                  display};
    // The firmware operations classify golden samples through the open/short ones.
    OperationContext stageContext{settings, state, tools,      clock,     ui, view,
                                  device,   logs,  noFirmware, openShort, {}};
    FirmwareOperations firmware{stageContext};
    FirmwareFileSearch search{firmware, state};
    StageFileFields found;
};

// The names say nothing: only the contents make a file a golden sample.
TEST_F(StageFiles, FirmwareSlotsAndGoldenSamplesByContent) {
    Chips(3);
    PutFirmware("fw/m.bin", 2, 1, 2);
    PutFirmware("fw/a.bin", 1, 5, 0);
    PutFirmware("fw/b.bin", 1, 6, 0);
    firmware_test::MakeFolder("golden");
    test_support::WriteBytes("golden/one.csv", Golden(kSelfRow));
    test_support::WriteBytes("golden/two.csv", Golden(kNodeRow));
    test_support::WriteBytes("golden/self-mutual.csv", Golden(kTablesRow));  // 2D layout: not with the flag 0
    settings.settings.Use2DFiles = 0;

    search.Find(9, found);
    EXPECT_EQ((std::vector<std::string>{Native("fw/m.bin"), Native("fw/a.bin"), Native("fw/b.bin"), "", "",
                                        Native("golden/one.csv"), Native("golden/two.csv")}),
              Fields());
    EXPECT_STREQ(Native("golden/one.csv").c_str(), state.selfGoldenPath);
    EXPECT_STREQ(Native("golden/two.csv").c_str(), state.mutualGoldenPath);
    EXPECT_EQ(1, firmware.Files().golden.self);
    EXPECT_EQ(1, firmware.Files().golden.mutual);
    EXPECT_EQ(2, data->selfGolden.width);  // read by the classification
}

// The 2D-files flag decides which mutual layout is a golden sample; a second
// sample of a kind claims none; a choice that fails shows no earlier slot.
TEST_F(StageFiles, FlagTwinsAndAFailedChoice) {
    Chips(3);
    PutFirmware("fw/m.bin", 2, 1, 2);
    PutFirmware("fw/a.bin", 1, 5, 0);
    firmware_test::MakeFolder("golden");
    test_support::WriteBytes("golden/s1.csv", Golden(kSelfRow));
    test_support::WriteBytes("golden/s2.csv", Golden(kSelfRow));
    test_support::WriteBytes("golden/node.csv", Golden(kNodeRow));
    test_support::WriteBytes("golden/tables.csv", Golden(kTablesRow));
    settings.settings.Use2DFiles = 1;

    search.Find(9, found);
    EXPECT_EQ((std::vector<std::string>{"", "", "", "", "", "", Native("golden/tables.csv")}), Fields());
    EXPECT_EQ(2, firmware.Files().golden.self);
    EXPECT_EQ(1, firmware.Files().golden.mutual);
}

}  // namespace
}  // namespace vantro
