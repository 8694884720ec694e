#include "TestArgv.h"
#include "console_tools/FerritIto.h"
#include "RecordingDevice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace console_tools {

namespace {

int ferritVersion(const char* path, int* a, int* b, int* c, int* d) {
    if (std::string(path) == "Portaq.dll")
        *a = 2, *b = 0, *c = 0, *d = 9;
    else
        *a = 1, *b = 3, *c = 6, *d = 422;
    return 1;
}

const char* const kHead = "Ferrit of Norq\n\\Ferrit.exe Version : 1.3.6.422\n";

struct Ferrit : ::testing::Test {
    RecordingDevice device;
    StringConsole out;
    FirmwareConsole console{device, out, ferritVersion};

    int run(std::vector<std::string> args = {}) {
        args.insert(args.begin(), "");
        std::vector<char*> argv = argvOf(args);
        return QueryItoInfo(console, "C:\\line\\Ferrit.exe", static_cast<int>(args.size()), argv.data());
    }
    void setItoByte(std::uint8_t b) { device.bytes[kItoInfoAddress + 2] = b; }
};

TEST(ItoResultFromByte, EveryByte) {
    for (int b = 0; b < 256; ++b) {
        const int expected = b <= 3 ? (b ^ 3) : -5;
        EXPECT_EQ(expected, ItoResultFromByte(static_cast<std::uint8_t>(b))) << b;
    }
    EXPECT_EQ(0, ItoResultFromByte(0x03));
    EXPECT_EQ(3, ItoResultFromByte(0x00));
    EXPECT_EQ(-5, ItoResultFromByte(0x04));
}

TEST_F(Ferrit, ReportsTheVariantOrItsAbsence) {
    struct Case {
        std::uint8_t itoByte;
        int code;
        const char* lines;
    } cases[] = {
        {0x03, 0, "ITO info in FW is 0x3\nIf GND is 0 and NC is 1, ITO info is 0\n"},
        {0x00, 3, "ITO info in FW is 0x0\nIf GND is 0 and NC is 1, ITO info is 3\n"},
        {0x02, 1, "ITO info in FW is 0x2\nIf GND is 0 and NC is 1, ITO info is 1\n"},
        {0x04, -5, "ITO info in FW is 0x4\nThe FW not support auto-detect ITO pin !\n"},
        {0xAB, -5, "ITO info in FW is 0xAB\nThe FW not support auto-detect ITO pin !\n"},
    };
    for (const Case& c : cases) {
        RecordingDevice fresh;
        device = fresh;
        out.clear();
        setItoByte(c.itoByte);
        EXPECT_EQ(c.code, run());
        EXPECT_EQ(std::string(kHead) + c.lines, out.text());
        EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0)", "IO_OpenDevice(0)=68",
                                            "IO_ReportToOS(h,0,0)=1", "IO_ReadData(h,0x5A000003)=0,64",
                                            "IO_ReportToOS(h,1,0)=1", "CloseHandle(h)"}),
                  device.journal);
    }
}

TEST_F(Ferrit, FullPacketGivesTheSameAsASmallOne) {
    setItoByte(0x01);
    device.readAnswers = {{0, 640}};
    EXPECT_EQ(2, run());
    const std::string full = out.text();
    out.clear();
    device.readAnswers = {{0, 64}};
    EXPECT_EQ(2, run());
    EXPECT_EQ(full, out.text());
}

TEST_F(Ferrit, NoDeviceForZeroOrMinusOne) {
    for (DeviceHandle none : {DeviceHandle{0}, DeviceHandle{-1}}) {
        device.journal.clear();
        out.clear();
        device.openResult = none;
        EXPECT_EQ(-4, run());
        EXPECT_EQ(std::string(kHead) + "Norq touch controller not found.\n", out.text());
        char open[32];
        std::snprintf(open, sizeof open, "IO_OpenDevice(0)=%lld", static_cast<long long>(none));
        EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0)", open}), device.journal);
    }
}

TEST_F(Ferrit, RefusedStopClosesWithoutResume) {
    device.reportResults = {0};
    EXPECT_EQ(-4, run());
    EXPECT_EQ(std::string(kHead) + "FW stop report points to OS fail.\n", out.text());
    EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0)", "IO_OpenDevice(0)=68", "IO_ReportToOS(h,0,0)=0",
                                        "CloseHandle(h)"}),
              device.journal);
}

TEST_F(Ferrit, FailedOrShortReadResumesAndCloses) {
    const RecordingDevice::ReadAnswer answers[] = {{1, 64}, {0, 2}, {0, 0}};
    for (const auto& answer : answers) {
        RecordingDevice fresh;
        device = fresh;
        out.clear();
        device.readAnswers = {answer};
        EXPECT_EQ(-4, run());
        EXPECT_EQ(std::string(kHead) + "Could not get data from ROM\n", out.text());
        ASSERT_EQ(6u, device.journal.size());
        EXPECT_EQ("IO_ReportToOS(h,1,0)=1", device.journal[4]);
        EXPECT_EQ("CloseHandle(h)", device.journal[5]);
    }
}

TEST_F(Ferrit, ChipIndexAfterTheStop) {
    setItoByte(0x03);
    EXPECT_EQ(0, run({"/s7"}));
    EXPECT_EQ(std::string(kHead) + "Set chip index to 7\nITO info in FW is 0x3\n"
                                   "If GND is 0 and NC is 1, ITO info is 0\n",
              out.text());
    EXPECT_EQ("IO_ReportToOS(h,0,0)=1", device.journal[2]);
    EXPECT_EQ("IO_SetChipIndex(7)", device.journal[3]);
}

TEST_F(Ferrit, VersionOptionEndsWithMinusTwo) {
    EXPECT_EQ(-2, run({"/S4", "/v", "/s5"}));
    EXPECT_EQ(std::string(kHead) + "Set chip index to 4\nPortaq.dll Version : 2.0.0.9\n", out.text());
    EXPECT_EQ(std::vector<std::string>{"IO_SetVerbose(0)"}, device.journal);
}

TEST_F(Ferrit, VerboseLevelReachesTheLibrary) {
    setItoByte(0x03);
    EXPECT_EQ(0, run({"/l12", "x", "/"}));
    EXPECT_EQ("IO_SetVerbose(12)", device.journal[0]);
    EXPECT_EQ(0u, out.text().find("Set verbose level = 12\n" + std::string(kHead)));
}

}  // namespace

}  // namespace console_tools
