// The simulated controller's answers and journal, on a real state folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Controller.h"
#include "Journal.h"
#include "PanelCreator.h"

using namespace portaq_sim;

namespace {

class ControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folderPath_ = std::string("panel-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(folderPath_);
        Create("chips=3\n");
    }
    void Create(const std::string& description) {
        PanelState panel;
        ASSERT_TRUE(panel.Parse(description, nullptr));
        std::string error;
        ASSERT_TRUE(CreatePanel(StateFolder(folderPath_), panel, "", &error)) << error;
    }
    void Set(const std::string& key, const std::string& value) {
        std::string error;
        ASSERT_TRUE(SetPanelValue(StateFolder(folderPath_), key, value, &error)) << error;
    }
    Controller MakeController(long pid = 7) {
        return Controller(StateFolder(folderPath_), pid,
                          [this](const std::string& e) { errors_.push_back(e); });
    }
    std::vector<std::string> Calls() {
        return JournalCalls(ReadJournal(StateFolder(folderPath_).JournalPath()));
    }

    std::string folderPath_;
    std::vector<std::string> errors_;
};

TEST_F(ControllerTest, MaskedWritePersistsPerChipAcrossControllers) {
    {
        Controller first = MakeController(11);
        ASSERT_EQ(first.Open(0, 1), OpenResult::kHandle);
        EXPECT_EQ(first.ReportToOS(1, 0, 0), 1);
        first.SetChipIndex(2);
        uint8_t answer[16] = {};
        EXPECT_EQ(first.ReadWriteMemData(1, 0xA0000010, 0x12345678, 0x00FFFF00, answer), 0);
        EXPECT_EQ(answer[0], 0x00);
        EXPECT_EQ(answer[1], 0x56);
        EXPECT_EQ(answer[2], 0x34);
        EXPECT_EQ(first.ReportToOS(1, 1, 0), 1);
    }
    Controller second = MakeController(12);
    ASSERT_EQ(second.Open(0, 1), OpenResult::kHandle);
    uint8_t packet[640];
    uint32_t count = 0;
    second.SetChipIndex(2);
    ASSERT_EQ(second.ReadData(1, 0xA0000010, packet, &count), 0);
    EXPECT_EQ(count, 640u);
    EXPECT_EQ(packet[1], 0x56);
    EXPECT_EQ(packet[2], 0x34);
    second.SetChipIndex(1);
    ASSERT_EQ(second.ReadData(1, 0xA0000010, packet, &count), 0);
    EXPECT_EQ(packet[1], 0x00);

    auto entries = ReadJournal(StateFolder(folderPath_).JournalPath());
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries[0].pid, 11);
    EXPECT_EQ(entries[3].chip, 2);
    EXPECT_EQ(entries[3].call, "IO_ReadWriteMemData(#1, 0xA0000010, 0x12345678, 0x00FFFF00) = 0");
    EXPECT_EQ(entries[5].pid, 12);
    EXPECT_EQ(
        JournalCalls(entries),
        (std::vector<std::string>{
            "IO_OpenDevice(0) = #1", "IO_ReportToOS(#1, 0, 0) = 1", "IO_SetChipIndex(2) = 0",
            "IO_ReadWriteMemData(#1, 0xA0000010, 0x12345678, 0x00FFFF00) = 0", "IO_ReportToOS(#1, 1, 0) = 1",
            "IO_OpenDevice(0) = #1", "IO_SetChipIndex(2) = 0", "IO_ReadData(#1, 0xA0000010) = 0 count=640",
            "IO_SetChipIndex(1) = 0", "IO_ReadData(#1, 0xA0000010) = 0 count=640"}));
}

TEST_F(ControllerTest, OpenStartsAtTheMaster) {
    Controller c = MakeController();
    c.SetChipIndex(4);
    c.Open(0, 1);
    EXPECT_EQ(c.Chip(), 0);
}

TEST_F(ControllerTest, DescriptionFillsChipInformationAndSensorBlocks) {
    Create("chips=3\nfirmware_id=01 02 03 04 05 06 07 08 09 0A 0B "
           "0C\nchip1.width=33\nchip1.height=21\nchip1.ito_info=0x04\n");
    Controller c = MakeController();
    c.Open(0, 1);
    uint8_t packet[640];
    uint32_t count = 0;
    ASSERT_EQ(c.ReadData(1, kChipInfoAddress, packet, &count), 0);
    EXPECT_EQ(packet[0], 0x01);
    EXPECT_EQ(packet[11], 0x0C);
    EXPECT_EQ(packet[36], 2);  // slaves
    c.SetChipIndex(1);
    ASSERT_EQ(c.ReadData(1, kSensorBlockAddress, packet, &count), 0);
    EXPECT_EQ(packet[1], 33);
    EXPECT_EQ(packet[2], 21);
    ASSERT_EQ(c.ReadData(1, kItoInfoAddress, packet, &count), 0);
    EXPECT_EQ(packet[2], 0x04);
}

TEST_F(ControllerTest, CommandAddresses) {
    Set("calibration_status", "0");
    Controller c = MakeController();
    c.Open(0, 1);
    uint8_t answer[16] = {};
    EXPECT_EQ(c.ReadWriteMemData(1, kCalibrationStatusCommand, 0, 0, answer), 0);
    EXPECT_EQ(answer[1], 0);
    Set("calibration_status", "1");
    EXPECT_EQ(c.ReadWriteMemData(1, kCalibrationStatusCommand, 0, 0, answer), 0);
    EXPECT_EQ(answer[1], 1);
    EXPECT_EQ(c.ReadWriteMemData(1, kReinitialiseCommand, 0, 0, answer), 0);
    EXPECT_EQ(c.SetRawMode(1, 0x1FF), 0);
    EXPECT_EQ(Calls().back(), "IO_SetRawMode(#1, 0x1FF) = 0");
}

TEST_F(ControllerTest, InjectedFaults) {
    struct Case {
        const char* key;
        const char* value;
    };
    uint8_t packet[640];
    uint32_t count = 99;
    {
        Controller c = MakeController();
        ASSERT_TRUE(StateFolder(folderPath_).SetPlugged(false, nullptr));
        EXPECT_EQ(c.Open(0, 1), OpenResult::kInvalid);
        EXPECT_EQ(c.ReadData(1, 0xA0000000, packet, &count), 1);
        EXPECT_EQ(count, 0u);
        ASSERT_TRUE(StateFolder(folderPath_).SetPlugged(true, nullptr));
    }
    Set("open_result", "0");
    EXPECT_EQ(MakeController().Open(0, 1), OpenResult::kZero);
    Set("open_result", "1");
    Set("report_result", "0");
    Controller c = MakeController();
    ASSERT_EQ(c.Open(0, 1), OpenResult::kHandle);
    EXPECT_EQ(c.ReportToOS(1, 0, 0), 0);
    Set("packet_length", "20");
    EXPECT_EQ(c.ReadData(1, 0x5A000000, packet, &count), 0);
    EXPECT_EQ(count, 20u);
    Set("packet_length", "0");
    EXPECT_EQ(c.ReadData(1, 0x5A000000, packet, &count), 0);
    EXPECT_EQ(count, 0u);
    Set("packet_length", "640");
    count = 64;  // the caller's buffer bounds the packet
    EXPECT_EQ(c.ReadData(1, 0x5A000003, packet, &count), 0);
    EXPECT_EQ(count, 64u);

    Set("fail.IO_ReadData.address", "0xA000C004");
    count = 0;
    EXPECT_EQ(c.ReadData(1, 0xA000C004, packet, &count), 1);
    EXPECT_EQ(c.ReadData(1, 0xA0000000, packet, &count), 0);
    Set("fail.IO_ReadData.address", "");
    Set("fail.IO_ReadData.after", "2");
    EXPECT_EQ(c.ReadData(1, 0xA0000000, packet, &count), 0);
    EXPECT_EQ(c.ReadData(1, 0xA0000000, packet, &count), 0);
    EXPECT_EQ(c.ReadData(1, 0xA0000000, packet, &count), 1);
    EXPECT_EQ(count, 0u);
    Set("fail.IO_ReadData.after", "");
    Set("fail.IO_ReadWriteMemData.result", "5");
    uint8_t answer[16] = {};
    EXPECT_EQ(c.ReadWriteMemData(1, 0x1000, 1, 1, answer), 5);
    Set("fail.IO_ReadWriteMemData.result", "");
    EXPECT_EQ(c.ReadWriteMemData(1, 0x1000, 1, 1, answer), 0);
    // A handle never given out (or closed) is refused.
    EXPECT_EQ(c.ReadWriteMemData(0, 0x1000, 1, 1, answer), 1);
}

TEST_F(ControllerTest, ScriptedResultsApplyPerCall) {
    Set("script.IO_ReportToOS", "1,0,1");
    Set("script.IO_ReadData", "1,1,0");
    Set("script.IO_IsNeedReInstall", "1");
    Set("script.IO_SetRawMode", "3");
    Controller c = MakeController();
    c.Open(0, 1);
    EXPECT_EQ(c.ReportToOS(1, 0, 0), 1);
    EXPECT_EQ(c.ReportToOS(1, 1, 0), 0);
    EXPECT_EQ(c.ReportToOS(1, 0, 0), 1);
    EXPECT_EQ(c.ReportToOS(1, 1, 0), 1);  // script used up: the panel's own answer
    uint8_t packet[640];
    uint32_t count = 0;
    EXPECT_EQ(c.ReadData(1, 0xA0000000, packet, &count), 1);
    EXPECT_EQ(c.ReadData(1, 0xA0000000, packet, &count), 1);
    EXPECT_EQ(c.ReadData(1, 0xA0000000, packet, &count), 0);
    EXPECT_EQ(c.IsNeedReInstall(), 1);
    EXPECT_EQ(c.IsNeedReInstall(), 0);
    EXPECT_EQ(c.SetRawMode(1, 0x1FF), 3);
}

TEST_F(ControllerTest, ReinstallFlagAndIdentity) {
    Set("need_reinstall", "1");
    Set("path_type", "1");
    Controller c = MakeController();
    EXPECT_EQ(c.IsNeedReInstall(), 1);
    EXPECT_EQ(c.ClearReInstallFlag(), 0);
    EXPECT_EQ(MakeController().IsNeedReInstall(), 0);
    char path[512];
    EXPECT_EQ(c.GetDevicePath(path, sizeof path), 0);
    EXPECT_EQ(c.GetDeviceTypeByPath(path), 1);
    EXPECT_EQ(c.GetDeviceTypeByPath("\\\\?\\hid#vid_0001"), 1);
    Set("path_type", "");
    EXPECT_EQ(c.GetDeviceTypeByPath(path), 9);
    EXPECT_EQ(c.GetDeviceType(), 9);
    uint16_t vid = 0, pid = 0;
    EXPECT_EQ(c.GetVidPid(&vid, &pid), 0);
    EXPECT_EQ(vid, 0xB7C4);
    EXPECT_EQ(pid, 0x0101);
}

TEST_F(ControllerTest, DamagedStateMeansNoDeviceWithAMessage) {
    ASSERT_TRUE(ReplaceFileContents(StateFolder(folderPath_).FilePath("panel.txt"),
                                    "device_type=9\ngarbage\n", nullptr));
    Controller c = MakeController();
    EXPECT_EQ(c.Open(0, 1), OpenResult::kInvalid);
    ASSERT_FALSE(errors_.empty());
    EXPECT_NE(errors_[0].find("panel.txt is damaged: line 2 is not key=value"), std::string::npos)
        << errors_[0];

    Create("chips=1\n");
    ASSERT_TRUE(ReplaceFileContents(StateFolder(folderPath_).FilePath("chip0.txt"), "0x10 zz\n", nullptr));
    Controller d = MakeController();
    ASSERT_EQ(d.Open(0, 1), OpenResult::kHandle);
    uint8_t packet[640];
    uint32_t count = 0;
    EXPECT_EQ(d.ReadData(1, 0xA0000000, packet, &count), 1);
}

TEST_F(ControllerTest, LeftoverTemporaryFileDoesNotChangeThePanel) {
    // A process killed while writing leaves only a temporary file behind.
    StateFolder folder(folderPath_);
    ASSERT_TRUE(ReplaceFileContents(folder.FilePath("panel.txt.tmp999"), "device_ty", nullptr));
    EXPECT_EQ(MakeController().GetDeviceType(), 9);
}

}  // namespace
