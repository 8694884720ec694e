// The sensor size from the master and slave chips, and the device failures.
#include "StartupFixture.h"

namespace trelliq {

using testfiles::OnDisk;
using testfiles::ReadBytes;
using testfiles::WriteText;

namespace {

const char kThreeSlaves[] = "[MultiChip]\nDecWidthHeigh=1\nSlaveNO=3\nSlaveIdx0=4\nSlaveIdx1=2\nSlaveIdx2=7\n"
                            "[Grids]\nX=7\nY=5\n[Pattern]\nwidth=0\nheight=0\n[Distance]\nX=0\nY=0\n";

std::vector<std::string> Rounds(const std::vector<int>& chips) {
    std::vector<std::string> calls;
    for (size_t i = 0; i < chips.size(); ++i) {
        std::vector<std::string> round = FakeTouchDevice::Round(static_cast<int>(i) + 1, chips[i]);
        calls.insert(calls.end(), round.begin(), round.end());
    }
    return calls;
}

class SensorSize : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        SetUp_Blocks();
    }
    void SetUp_Blocks() {
        device.SetBlock(0, 20, 5);
        device.SetBlock(4, 22, 7);
        device.SetBlock(2, 24, 6);
        device.SetBlock(7, 26, 6);
    }
};

}  // namespace

TEST_F(SensorSize, MasterAndThreeSlavesGiveTheGrid) {
    WriteText("LinearConfig.ini", kThreeSlaves);
    ASSERT_EQ(Run(), StartupOutcome::GoOn);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(printed, "");
    EXPECT_EQ(device.calls, Rounds({0, 4, 2, 7}));
    EXPECT_EQ(config.MultiChip.SlaveNO, 3);
    EXPECT_EQ(config.MultiChip.SlaveIdx, (std::vector<int>{4, 2, 7}));
    EXPECT_EQ(config.Grids.X, 26);
    EXPECT_EQ(config.Grids.Y, 24);
    EXPECT_EQ(config.Distance.X, 52);
    EXPECT_EQ(config.Distance.Y, 32);
    const std::string saved = ReadBytes("LinearConfig.ini");
    EXPECT_NE(saved.find(OnDisk("[Distance]\nX=52\nY=32\n")), std::string::npos) << saved;
    EXPECT_NE(saved.find(OnDisk("[Grids]\nX=7\nY=5\n")), std::string::npos) << saved;
    EXPECT_NE(saved.find(OnDisk("[Pattern]\nwidth=1366\nheight=768\n")), std::string::npos) << saved;
}

TEST_F(SensorSize, SlaveCountsBelowOneAndMissingIndexes) {
    struct Case {
        const char* what;
        const char* multiChip;
        std::vector<int> chips;
        int width, height;
    };
    const Case cases[] = {
        {"a missing index reads the master again", "SlaveNO=1\n", {0, 0}, 20, 10},
        {"no slaves", "SlaveNO=0\n", {0}, 20, 5},
        {"a negative count reads the master only", "SlaveNO=-2\n", {0}, 20, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        device.calls.clear();
        device.opens = 0;
        messages.boxes.clear();
        IniFileFree(IniDictionary);
        WriteText("LinearConfig.ini", std::string("[MultiChip]\nDecWidthHeigh=1\n") + c.multiChip +
                                          "[Pattern]\nwidth=0\nheight=0\n[Distance]\nX=0\nY=0\n");
        ASSERT_EQ(Run(), StartupOutcome::GoOn);
        EXPECT_TRUE(messages.boxes.empty());
        EXPECT_EQ(device.calls, Rounds(c.chips));
        EXPECT_EQ(config.Grids.X, c.width);
        EXPECT_EQ(config.Grids.Y, c.height);
    }
}

TEST_F(SensorSize, SlaveCountIsBoundedByTheTenChipsOfTheTables) {
    // Eleven slaves are configured; a device that failed from the twelfth open
    // on would show any read past the master and nine slaves.
    std::string slaves;
    for (int i = 0; i <= 10; ++i)
        slaves += "SlaveIdx" + std::to_string(i) + "=" + std::to_string(i + 1) + "\n";
    const struct {
        const char* slaveNo;
        int storedSlaveNo;
        int slavesRead;
    } cases[] = {
        {"-1", -1, 0}, {"0", 0, 0}, {"9", 9, 9}, {"10", 9, 9}, {"2147483647", 9, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("SlaveNO=") + c.slaveNo);
        device = FakeTouchDevice();
        device.SetBlock(0, 20, 200);
        for (int chip = 1; chip <= 11; ++chip)
            device.SetBlock(chip, static_cast<uint8_t>(20 + chip), 250);
        device.fault = FakeTouchDevice::OpenMinusOne;
        device.faultFromOpen = 12;
        messages.boxes.clear();
        IniFileFree(IniDictionary);
        WriteText("LinearConfig.ini", std::string("[MultiChip]\nDecWidthHeigh=1\nSlaveNO=") + c.slaveNo +
                                          "\n" + slaves +
                                          "[Pattern]\nwidth=0\nheight=0\n[Distance]\nX=0\nY=0\n");
        ASSERT_EQ(Run(), StartupOutcome::GoOn);
        EXPECT_TRUE(messages.boxes.empty());
        std::vector<int> chips = {0};
        std::vector<int> indexes;
        for (int i = 1; i <= c.slavesRead; ++i) {
            chips.push_back(i);
            indexes.push_back(i);
        }
        EXPECT_EQ(device.opens, c.slavesRead + 1);
        EXPECT_EQ(device.calls, Rounds(chips));
        EXPECT_EQ(config.MultiChip.SlaveNO, c.storedSlaveNo);
        EXPECT_EQ(config.MultiChip.SlaveIdx, indexes);
        EXPECT_EQ(config.Grids.X, 20 + c.slavesRead);
        EXPECT_EQ(config.Grids.Y, 200 + 250 * c.slavesRead);
    }
}

TEST_F(SensorSize, DeviceFailuresEndStartUpAndLeaveTheFile) {
    typedef FakeTouchDevice F;
    const std::string threeFailedReads = "Read 5A000000 Error(1)..., Retry!!!\nRead 5A000000 Error(2)..., "
                                         "Retry!!!\nRead 5A000000 Error(3)..., Retry!!!\n";
    struct Case {
        const char* what;
        F::Fault fault;
        int faultFromOpen;
        std::string printed;
        std::vector<std::string> boxes;
        // The calls of the failing round (handle H<open>), after the good rounds before it.
        std::vector<std::string> failingRound;
    };
    auto failing = [](int open, std::vector<std::string> calls) {
        std::string h = "H" + std::to_string(open);
        for (std::string& call : calls) {
            size_t at = call.find("H?");
            if (at != std::string::npos)
                call.replace(at, 2, h);
        }
        return calls;
    };
    const std::vector<std::string> threeReads = {"read(H?,5A000000)", "read(H?,5A000000)",
                                                 "read(H?,5A000000)"};
    auto round = [&](std::vector<std::string> middle, int chip) {
        std::vector<std::string> calls = {"open(0)", "report(H?,0,0)"};
        if (chip != 0)
            calls.push_back("select(" + std::to_string(chip) + ")");
        calls.insert(calls.end(), middle.begin(), middle.end());
        calls.push_back("report(H?,1,0)");
        calls.push_back("close(H?)");
        return calls;
    };
    for (int open : {1, 2}) {  // the master, then the first slave after a good master
        int chip = open == 1 ? 0 : 4;
        const Case cases[] = {
            {"open gives -1", F::OpenMinusOne, open, "", {kNoDeviceBox, kSizeUnreadBox}, {"open(0)"}},
            {"open gives 0", F::OpenZero, open, "", {kNoDeviceBox, kSizeUnreadBox}, {"open(0)"}},
            {"reporting not stopped",
             F::DisableFails,
             open,
             "Disable Report Fail\n",
             {kSizeUnreadBox},
             failing(open, {"open(0)", "report(H?,0,0)", "report(H?,1,0)", "close(H?)"})},
            {"reporting not resumed",
             F::EnableFails,
             open,
             "Enable Report Fail\n",
             {kSizeUnreadBox},
             failing(open, round({"read(H?,5A000000)"}, chip))},
            {"every read fails",
             F::ReadsFail,
             open,
             threeFailedReads,
             {kSizeUnreadBox},
             failing(open, round(threeReads, chip))},
            {"every read delivers nothing",
             F::ReadsDeliverNothing,
             open,
             threeFailedReads,
             {kSizeUnreadBox},
             failing(open, round(threeReads, chip))},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (open == 1 ? " on the master" : " on a slave"));
            device = FakeTouchDevice();
            SetUp_Blocks();
            device.fault = c.fault;
            device.faultFromOpen = c.faultFromOpen;
            messages.boxes.clear();
            IniFileFree(IniDictionary);
            WriteText("LinearConfig.ini", kThreeSlaves);
            ASSERT_EQ(Run(), StartupOutcome::EndWithExitCode0);
            EXPECT_EQ(printed, c.printed);
            EXPECT_EQ(messages.boxes, c.boxes);
            std::vector<std::string> calls = open == 1 ? std::vector<std::string>() : Rounds({0});
            calls.insert(calls.end(), c.failingRound.begin(), c.failingRound.end());
            EXPECT_EQ(device.calls, calls);
            for (const auto& closes : device.closes)
                EXPECT_EQ(closes.second, 1) << closes.first;
            EXPECT_EQ(ReadBytes("LinearConfig.ini"), OnDisk(kThreeSlaves));
        }
    }
}

TEST_F(SensorSize, ZeroWidthOrHeightFailsBeforeAnyDivision) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::pair<int, int>>> blocks;  // chip, width, height
    };
    const Case cases[] = {
        {"the last chip's width is 0", {{0, {20, 5}}, {4, {22, 7}}, {2, {24, 6}}, {7, {0, 6}}}},
        {"every height is 0", {{0, {20, 0}}, {4, {22, 0}}, {2, {24, 0}}, {7, {26, 0}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        device = FakeTouchDevice();
        for (const auto& block : c.blocks)
            device.SetBlock(block.first, static_cast<uint8_t>(block.second.first),
                            static_cast<uint8_t>(block.second.second));
        messages.boxes.clear();
        IniFileFree(IniDictionary);
        WriteText("LinearConfig.ini", kThreeSlaves);
        ASSERT_EQ(Run(), StartupOutcome::EndWithExitCode0);
        EXPECT_EQ(printed, "");
        EXPECT_EQ(messages.boxes, std::vector<std::string>{kSizeUnreadBox});
        EXPECT_EQ(device.calls, Rounds({0, 4, 2, 7}));
        EXPECT_EQ(ReadBytes("LinearConfig.ini"), OnDisk(kThreeSlaves));
    }
}

}  // namespace trelliq
