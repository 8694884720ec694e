#include "TestArgv.h"
#include "console_tools/CendraOptions.h"
#include "console_tools/ParamWriter.h"
#include "PlainSources.h"
#include "RecordingDevice.h"
#include "test_support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace console_tools {

namespace {

using Journal = std::vector<std::string>;

struct PlainLoader : ParamSourceLoader {
    PlainSources sources;
    std::string tablePath, configPath;
    std::unique_ptr<ParamSources> load(const char* table, const char* config) override {
        tablePath = table;
        configPath = config;
        return std::make_unique<PlainSources>(sources);
    }
};

ScriptTime fixedTime() {
    return {2024, 3, 7, 9, 5};
}

struct Cendra : ::testing::Test {
    RecordingDevice device;
    StringConsole out;
    PlainLoader loader;
    CendraContext context{device, out, loader, fixedTime};

    void SetUp() override {
        std::FILE* f = std::fopen("online.ini", "w");
        ASSERT_NE(nullptr, f);
        std::fclose(f);
        std::remove("script.txt");
        loader.sources.add("Gain", "0x00001234", 1, 1);
        loader.sources.add("Wide", "0x00002000", 3, 2);
        loader.sources.add("Fixed", "0x00003000", 0, 4, false);
        loader.sources.add("Broken", "0x00004000", 6, 4);
    }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), "");
        std::vector<char*> argv = argvOf(args);
        return runParamWrite(context, static_cast<int>(args.size()), argv.data());
    }
    void configure(std::vector<ConfigValue> entries) { loader.sources.entries = std::move(entries); }
};

const std::string kGainLine = "On-line write data: addr=0x00001234, data=0x00050000, mask=0x00FF0000: ";

TEST_F(Cendra, WritesAndReinitialisesByDeviceType) {
    struct Case {
        int type;
        std::string reinit;
    } cases[] = {{4, "IO_ReadWriteMemData(h,0x80000001,0x00000000,0x00000000)=0"},
                 {6, "IO_SetRawMode(h,0x1FF)=0"},
                 {9, "IO_SetRawMode(h,0x1FF)=0"},
                 {13, "IO_SetRawMode(h,0x1FF)=0"}};
    for (const Case& c : cases) {
        device = RecordingDevice();
        device.type = c.type;
        out.clear();
        configure({{"gain", 5}, {"Wide", 0x1234}});
        EXPECT_EQ(kWriteSuccess, run({"-c", "t.csv", "-i", "online.ini"}));
        EXPECT_EQ("\n" + kGainLine +
                      "OK!\n"
                      "On-line write data: addr=0x00002000, data=0x00000012, mask=0x000000FF: OK!\n"
                      "On-line write data: addr=0x00002001, data=0x34000000, mask=0xFF000000: OK!\n"
                      "Re-initial: OK!\nOnline-write success!\n",
                  out.text());
        EXPECT_EQ((Journal{"IO_OpenDevice(0)=68", "IO_ReportToOS(h,0,0)=1",
                           "IO_GetDeviceType()=" + std::to_string(c.type),
                           "IO_ReadWriteMemData(h,0x00001234,0x00050000,0x00FF0000)=0",
                           "IO_ReadWriteMemData(h,0x00002000,0x00000012,0x000000FF)=0",
                           "IO_ReadWriteMemData(h,0x00002001,0x34000000,0xFF000000)=0", c.reinit,
                           "IO_ReportToOS(h,1,0)=1", "CloseHandle(h)"}),
                  device.journal);
    }
    EXPECT_EQ("t.csv", loader.tablePath);
    EXPECT_EQ("online.ini", loader.configPath);
}

TEST_F(Cendra, SlaveIsSelectedBeforeTheStopAndNotReinitialised) {
    configure({{"Gain", 5}});
    EXPECT_EQ(kWriteSuccess, run({"-s", "2", "-c", "t.csv", "-i", "online.ini"}));
    EXPECT_EQ("\n" + kGainLine + "OK!\nOnline-write success!\n", out.text());
    EXPECT_EQ((Journal{"IO_OpenDevice(0)=68", "IO_SetChipIndex(2)", "IO_ReportToOS(h,0,0)=1",
                       "IO_GetDeviceType()=4", "IO_ReadWriteMemData(h,0x00001234,0x00050000,0x00FF0000)=0",
                       "IO_ReportToOS(h,1,0)=1", "CloseHandle(h)"}),
              device.journal);
}

TEST_F(Cendra, Slave65535CountsAsNotGiven) {
    configure({});
    EXPECT_EQ(kWriteSuccess, run({"-s", "65535", "-c", "t.csv", "-i", "online.ini"}));
    EXPECT_EQ((Journal{"IO_OpenDevice(0)=68", "IO_ReportToOS(h,0,0)=1", "IO_GetDeviceType()=4",
                       "IO_ReadWriteMemData(h,0x80000001,0x00000000,0x00000000)=0", "IO_ReportToOS(h,1,0)=1",
                       "CloseHandle(h)"}),
              device.journal);
    EXPECT_EQ("\nRe-initial: OK!\nOnline-write success!\n", out.text());
}

TEST_F(Cendra, FailuresKeepWritingAndSkipTheReinitialisation) {
    device.failWriteNumber = 2;
    configure({{"Missing", 1}, {"Fixed", 2}, {"Gain", 5}, {"Broken", 3}, {"Gain", 6}, {"Gain", 7}});
    EXPECT_EQ(kWriteFailed, run({"-c", "t.csv", "-i", "online.ini", "-o", "script.txt"}));
    EXPECT_EQ("\nCannot find 'Missing' in online table!\n'Fixed' is not editable!\n" + kGainLine +
                  "OK!\n'Broken' has an invalid start byte or length!\n"
                  "On-line write data: addr=0x00001234, data=0x00060000, mask=0x00FF0000: ERR!\n"
                  "On-line write data: addr=0x00001234, data=0x00070000, mask=0x00FF0000: OK!\n"
                  "There is some online-write failed!\n",
              out.text());
    EXPECT_EQ((Journal{"IO_OpenDevice(0)=68", "IO_ReportToOS(h,0,0)=1", "IO_GetDeviceType()=4",
                       "IO_ReadWriteMemData(h,0x00001234,0x00050000,0x00FF0000)=0",
                       "IO_ReadWriteMemData(h,0x00001234,0x00060000,0x00FF0000)=5",
                       "IO_ReadWriteMemData(h,0x00001234,0x00070000,0x00FF0000)=0", "IO_ReportToOS(h,1,0)=1",
                       "CloseHandle(h)"}),
              device.journal);
    // failed writes are in the script; keys never built are not
    const std::string script = test_support::ReadBytes("script.txt");
    EXPECT_NE(std::string::npos, script.find(test_support::OnDisk("crc   #Gain = 5\n")));
    EXPECT_NE(std::string::npos, script.find(test_support::OnDisk("crc   #Gain = 6\n")));
    EXPECT_NE(std::string::npos, script.find(test_support::OnDisk("crc   #Gain = 7\n")));
    EXPECT_EQ(std::string::npos, script.find("Missing"));
    EXPECT_EQ(std::string::npos, script.find("Fixed"));
    EXPECT_EQ(std::string::npos, script.find("Broken"));
}

TEST_F(Cendra, ReinitialisationFailures) {
    struct Case {
        int type;
        int rawModeResult;
        int failWrite;
    } cases[] = {{2, 0, 0}, {0, 0, 0}, {14, 0, 0}, {6, 3, 0}, {4, 0, 2}};
    for (const Case& c : cases) {
        device = RecordingDevice();
        device.type = c.type;
        device.rawModeResult = c.rawModeResult;
        device.failWriteNumber = c.failWrite;
        out.clear();
        configure({{"Gain", 5}});
        EXPECT_EQ(kWriteFailed, run({"-c", "t.csv", "-i", "online.ini"})) << c.type;
        EXPECT_EQ("\n" + kGainLine + "OK!\nRe-initial: ERR!\nThere is some online-write failed!\n",
                  out.text());
        ASSERT_GE(device.journal.size(), 2u);
        EXPECT_EQ("IO_ReportToOS(h,1,0)=1", device.journal[device.journal.size() - 2]);
        EXPECT_EQ("CloseHandle(h)", device.journal.back());
    }
}

TEST_F(Cendra, NoDevice) {
    device.openResult = -1;
    configure({{"Gain", 5}});
    EXPECT_EQ(kNoDevice, run({"-c", "t.csv", "-i", "online.ini", "-o", "script.txt"}));
    EXPECT_EQ("\nCannot open device!\n", out.text());
    EXPECT_EQ((Journal{"IO_OpenDevice(0)=-1", "CloseHandle(h)"}), device.journal);
    EXPECT_EQ(test_support::OnDisk("#Build Time: 2024/03/07-09:05\n#No data\n"),
              test_support::ReadBytes("script.txt"));
}

TEST_F(Cendra, HandleZeroIsADevice) {
    device.openResult = 0;
    configure({});
    EXPECT_EQ(kWriteSuccess, run({"-c", "t.csv", "-i", "online.ini"}));
}

TEST_F(Cendra, EmptyConfigurationReinitialisesOnly) {
    configure({});
    EXPECT_EQ(kWriteSuccess, run({"-c", "t.csv", "-i", "online.ini", "-o", "script.txt"}));
    EXPECT_EQ("\nRe-initial: OK!\nOnline-write success!\n", out.text());
    EXPECT_EQ(test_support::OnDisk("#Build Time: 2024/03/07-09:05\n#No data\n"),
              test_support::ReadBytes("script.txt"));
}

TEST_F(Cendra, UsageWithoutTableOrConfig) {
    const std::string usage =
        "No csv file or config file!\n\n"
        "Usage: Tool [-c <Onlinetable file>] [-i <config file>] [-s <slave index>] [-o <output file>]\n"
        "       Example: Tool -c Onlinetable.csv -i online.ini -s 5 -o output.txt\n"
        "       Example: Tool -c Onlinetable.csv -i online.ini\n";
    for (std::vector<std::string> args :
         std::vector<std::vector<std::string>>{{},
                                               {"-c", "t.csv"},
                                               {"-i", "online.ini"},
                                               {"-C", "t.csv", "-I", "online.ini"},
                                               {"-c", "t.csv", "-i"}}) {
        out.clear();
        EXPECT_EQ(kUsageShown, run(args));
        EXPECT_EQ(usage, out.text());
    }
    EXPECT_TRUE(device.journal.empty());
    EXPECT_TRUE(loader.tablePath.empty());
}

TEST_F(Cendra, UnreadableConfigFileTouchesNoDevice) {
    EXPECT_EQ(kConfigUnreadable, run({"-c", "t.csv", "-i", "no such.ini", "-o", "script.txt"}));
    EXPECT_EQ("Cannot open config file no such.ini!\n", out.text());
    EXPECT_TRUE(device.journal.empty());
    EXPECT_TRUE(loader.tablePath.empty());
    EXPECT_EQ(test_support::OnDisk("#Build Time: 2024/03/07-09:05\n#No data\n"),
              test_support::ReadBytes("script.txt"));
}

TEST_F(Cendra, ScriptThatCannotBeOpenedKeepsTheResult) {
    configure({{"Gain", 5}});
    EXPECT_EQ(kWriteSuccess, run({"-c", "t.csv", "-i", "online.ini", "-o", "no/such/folder/s.txt"}));
    EXPECT_EQ("\n" + kGainLine +
                  "OK!\nRe-initial: OK!\nOnline-write success!\nCannot open output file to write!\n",
              out.text());
}

TEST_F(Cendra, KeyGivenTwiceGivesTwoScriptLines) {
    device.type = 9;
    configure({{"Gain", 5}, {"GAIN", 5}});
    EXPECT_EQ(kWriteSuccess, run({"-c", "t.csv", "-i", "online.ini", "-o", "script.txt"}));
    EXPECT_EQ(test_support::OnDisk("#Build Time: 2024/03/07-09:05\n"
                                   "09 33 88 00 34 12 00 00 00 00 05 00 00 00 ff 00    #Gain = 5\n"
                                   "09 33 88 00 34 12 00 00 00 00 05 00 00 00 ff 00    #GAIN = 5\n"),
              test_support::ReadBytes("script.txt"));
}

}  // namespace

}  // namespace console_tools
