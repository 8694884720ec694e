// Cendra.exe started as the sequencer starts it, against the simulated panel
// and a register table read by Pelliton.
#include "ToolUnderTest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

namespace console_tools {

namespace {

using Calls = std::vector<std::string>;

const char* const kTable =
    "Online FW Tool,,,,,,,\n"
    "Main Code ID,00 50 12 01,Build Time,20240311153000 R2,Checksum,0x5A3C,USB Desc ID,51 34 30 31\n"
    "Register,Address,Start Byte,Length,Description,Define,,\n"
    "////General\n"
    "short ReportRate,0x20000004,0,2,Touch report rate in Hz,\n"
    "char Gain,0x20000010,1,1,Gain,\n"
    "short Wide,0x20000020,3,2,Across two words,\n"
    "char GloveThreshold,0x20000030,0,1,Glove touch threshold,GLOVE_EN\n"
    "////DefineTable\n"
    "0x20000120,1,1,GLOVE_EN,0\n";

const std::string kTablePath = "my tables\\online table.csv";
const std::string kConfigPath = "my config\\online one.ini";

const std::string kWriteLines =
    "On-line write data: addr=0x20000004, data=0x00780000, mask=0xFFFF0000: OK!\n"
    "On-line write data: addr=0x20000010, data=0x00050000, mask=0x00FF0000: OK!\n"
    "On-line write data: addr=0x20000020, data=0x00000012, mask=0x000000FF: OK!\n"
    "On-line write data: addr=0x20000021, data=0x34000000, mask=0xFF000000: OK!\n";

const Calls kWriteCalls{"IO_ReadWriteMemData(#1, 0x20000004, 0x00780000, 0xFFFF0000) = 0",
                        "IO_ReadWriteMemData(#1, 0x20000010, 0x00050000, 0x00FF0000) = 0",
                        "IO_ReadWriteMemData(#1, 0x20000020, 0x00000012, 0x000000FF) = 0",
                        "IO_ReadWriteMemData(#1, 0x20000021, 0x34000000, 0xFF000000) = 0"};

struct CendraProgram : ::testing::Test {
    void SetUp() override {
        CreateDirectoryA("my tables", nullptr);
        CreateDirectoryA("my config", nullptr);
        ASSERT_TRUE(WriteFileBytes(kTablePath, kTable));
        writeConfig("ReportRate = 120\nGain = 5   ; two lines below\nWide = 0x1234\n");
        std::remove("script.txt");
    }
    void writeConfig(const std::string& text) { ASSERT_TRUE(WriteFileBytes(kConfigPath, text)); }
    static std::string files(const std::string& more = "") {
        return "-c \"" + kTablePath + "\" -i \"" + kConfigPath + "\"" + more;
    }
    static Calls withFrame(Calls middle, const std::string& type, bool selectTwo = false) {
        Calls calls{"IO_OpenDevice(0) = #1"};
        if (selectTwo)
            calls.push_back("IO_SetChipIndex(2) = 0");
        calls.push_back("IO_ReportToOS(#1, 0, 0) = 1");
        calls.push_back("IO_GetDeviceType() = " + type);
        calls.insert(calls.end(), middle.begin(), middle.end());
        calls.push_back("IO_ReportToOS(#1, 1, 0) = 1");
        calls.push_back("DLL_PROCESS_DETACH unclosed=none");
        return calls;
    }
};

TEST_F(CendraProgram, WritesAndReinitialisesByDeviceType) {
    struct Case {
        const char* type;
        const char* reinit;
    } cases[] = {{"4", "IO_ReadWriteMemData(#1, 0x80000001, 0x00000000, 0x00000000) = 0"},
                 {"6", "IO_SetRawMode(#1, 0x1FF) = 0"},
                 {"9", "IO_SetRawMode(#1, 0x1FF) = 0"},
                 {"13", "IO_SetRawMode(#1, 0x1FF) = 0"}};
    for (const Case& c : cases) {
        SimulatedPanel panel(std::string("chips=1\ndevice_type=") + c.type +
                             "\nchip0.set.0x20000004=aa bb cc dd\n");
        const ToolRun run = RunTool("Cendra.exe", files());
        EXPECT_EQ(0u, run.exitCode) << c.type;
        EXPECT_EQ(Crlf("\n" + kWriteLines + "Re-initial: OK!\nOnline-write success!\n"), run.out);
        Calls middle = kWriteCalls;
        middle.push_back(c.reinit);
        EXPECT_EQ(withFrame(middle, c.type), panel.calls());
        // only the masks' bits changed
        EXPECT_EQ(0x0078BBAAu, panel.word(0, 0x20000004));
        EXPECT_EQ(0x00050000u, panel.word(0, 0x20000010));
        EXPECT_EQ(0x00000012u, panel.word(0, 0x20000020));
        EXPECT_EQ(0x34000000u, panel.word(0, 0x20000021));
    }
}

TEST_F(CendraProgram, SlaveIsSelectedBeforeTheStopWithoutReinitialisation) {
    // As the sequencer starts it: blanks in both paths, a leading blank.
    SimulatedPanel panel("chips=3\ndevice_type=4\n");
    const ToolRun run = RunTool("Cendra.exe", files(" -s 2"));
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(Crlf("\n" + kWriteLines + "Online-write success!\n"), run.out);
    EXPECT_EQ(withFrame(kWriteCalls, "4", true), panel.calls());
    EXPECT_EQ(0x00050000u, panel.word(2, 0x20000010));
    EXPECT_EQ(0u, panel.word(0, 0x20000010));
}

TEST_F(CendraProgram, FailedEntriesSkipTheReinitialisationButResume) {
    SimulatedPanel panel(
        "chips=1\ndevice_type=4\nfail.IO_ReadWriteMemData.after=1\nfail.IO_ReadWriteMemData.result=3\n");
    writeConfig("Missing = 1\nGloveThreshold = 2\nGain = 5\nGain = 6\nReportRate = 7\n");
    const ToolRun run = RunTool("Cendra.exe", files(" -o script.txt"));
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ(Crlf("\nCannot find 'Missing' in online table!\n'GloveThreshold' is not editable!\n"
                   "On-line write data: addr=0x20000010, data=0x00050000, mask=0x00FF0000: OK!\n"
                   "On-line write data: addr=0x20000010, data=0x00060000, mask=0x00FF0000: ERR!\n"
                   "On-line write data: addr=0x20000004, data=0x00070000, mask=0xFFFF0000: ERR!\n"
                   "There is some online-write failed!\n"),
              run.out);
    EXPECT_EQ(withFrame({"IO_ReadWriteMemData(#1, 0x20000010, 0x00050000, 0x00FF0000) = 0",
                         "IO_ReadWriteMemData(#1, 0x20000010, 0x00060000, 0x00FF0000) = 3",
                         "IO_ReadWriteMemData(#1, 0x20000004, 0x00070000, 0xFFFF0000) = 3"},
                        "4"),
              panel.calls());
    const std::string script = ReadFileBytes("script.txt");
    const std::string body = script.substr(script.find('\n') + 1);
    EXPECT_EQ("88 0e 20 00 00 10 00 05 00 00 00 ff 00 00 crc   #Gain = 5\r\n"
              "88 0e 20 00 00 10 00 06 00 00 00 ff 00 00 crc   #Gain = 6\r\n"
              "88 0e 20 00 00 04 00 07 00 00 ff ff 00 00 crc   #ReportRate = 7\r\n"
              "88 0e 80 00 00 01 00 00 00 00 00 00 00 00 crc\r\n",
              body);
    EXPECT_TRUE(std::regex_match(
        script.substr(0, script.find('\n') + 1),
        std::regex("#Build Time: 20[0-9]{2}/[01][0-9]/[0-3][0-9]-[0-2][0-9]:[0-5][0-9]\r\n")))
        << script;
}

TEST_F(CendraProgram, ReinitialisationMissingOrFailing) {
    for (const char* description :
         {"chips=1\ndevice_type=2\n", "chips=1\ndevice_type=9\nraw_mode_result=7\n"}) {
        SimulatedPanel panel(description);
        writeConfig("Gain = 5\n");
        const ToolRun run = RunTool("Cendra.exe", files());
        EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
        EXPECT_EQ(Crlf("\nOn-line write data: addr=0x20000010, data=0x00050000, mask=0x00FF0000: OK!\n"
                       "Re-initial: ERR!\nThere is some online-write failed!\n"),
                  run.out);
        const Calls calls = panel.calls();
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ("IO_ReportToOS(#1, 1, 0) = 1", calls[calls.size() - 2]);
        EXPECT_EQ("DLL_PROCESS_DETACH unclosed=none", calls.back());
    }
}

TEST_F(CendraProgram, NoDevice) {
    SimulatedPanel panel("chips=1\nplugged=0\n");
    const ToolRun run = RunTool("Cendra.exe", files(" -o script.txt"));
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ(Crlf("\nCannot open device!\n"), run.out);
    EXPECT_EQ((Calls{"IO_OpenDevice(0) = -1", "DLL_PROCESS_DETACH unclosed=none"}), panel.calls());
    const std::string script = ReadFileBytes("script.txt");
    EXPECT_EQ("#No data\r\n", script.substr(script.find('\n') + 1));
}

TEST_F(CendraProgram, UnreadableConfigFileTouchesNoDevice) {
    SimulatedPanel panel("chips=1\n");
    const ToolRun run =
        RunTool("Cendra.exe", "-c \"" + kTablePath + "\" -i \"my config\\typo.ini\" -o script.txt");
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ(Crlf("Cannot open config file my config\\typo.ini!\n"), run.out);
    EXPECT_TRUE(panel.calls().empty());
    const std::string script = ReadFileBytes("script.txt");
    EXPECT_EQ("#No data\r\n", script.substr(script.find('\n') + 1));
}

TEST_F(CendraProgram, EmptyConfigurationReinitialisesOnly) {
    SimulatedPanel panel("chips=1\ndevice_type=6\n");
    writeConfig("");
    const ToolRun run = RunTool("Cendra.exe", files());
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(Crlf("\nRe-initial: OK!\nOnline-write success!\n"), run.out);
    EXPECT_EQ(withFrame({"IO_SetRawMode(#1, 0x1FF) = 0"}, "6"), panel.calls());
}

TEST_F(CendraProgram, MissingTableFindsNoKey) {
    SimulatedPanel panel("chips=1\ndevice_type=4\n");
    writeConfig("Gain = 5\nWide = 1\n");
    const ToolRun run = RunTool("Cendra.exe", "-c \"my tables\\gone.csv\" -i \"" + kConfigPath + "\"");
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ(Crlf("my tables\\gone.csv : init csv parser failed!\n"
                   "\nCannot find 'Gain' in online table!\nCannot find 'Wide' in online table!\n"
                   "There is some online-write failed!\n"),
              run.out);
    EXPECT_EQ(withFrame({}, "4"), panel.calls());
}

TEST_F(CendraProgram, UsageTouchesNoDevice) {
    SimulatedPanel panel("chips=1\n");
    const ToolRun run = RunTool("Cendra.exe", "-C t.csv -i x.ini");
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ(
        Crlf("No csv file or config file!\n\n"
             "Usage: Tool [-c <Onlinetable file>] [-i <config file>] [-s <slave index>] [-o <output file>]\n"
             "       Example: Tool -c Onlinetable.csv -i online.ini -s 5 -o output.txt\n"
             "       Example: Tool -c Onlinetable.csv -i online.ini\n"),
        run.out);
    EXPECT_TRUE(panel.calls().empty());
}

TEST_F(CendraProgram, ScriptThatCannotBeOpenedKeepsTheExitCode) {
    SimulatedPanel panel("chips=1\ndevice_type=9\n");
    const ToolRun run = RunTool("Cendra.exe", files(" -o \"no such folder\\s.txt\""));
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(Crlf("\n" + kWriteLines +
                   "Re-initial: OK!\nOnline-write success!\nCannot open output file to write!\n"),
              run.out);
}

TEST_F(CendraProgram, ScriptOnAFullDeviceReportsTheShortWrite) {
    // Linux's full device through Wine's Z: drive: the open succeeds, the flush fails.
    SimulatedPanel panel("chips=1\ndevice_type=9\n");
    const ToolRun run = RunTool("Cendra.exe", files(" -o Z:\\dev\\full"));
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(Crlf("\n" + kWriteLines +
                   "Re-initial: OK!\nOnline-write success!\nCannot write output file to the end!\n"),
              run.out);
}

TEST_F(CendraProgram, Zr8ScriptCarriesTheSlave) {
    SimulatedPanel panel("chips=3\ndevice_type=13\n");
    writeConfig("Gain = 5\n");
    ToolRun run = RunTool("Cendra.exe", files(" -o script.txt"));
    EXPECT_EQ(0u, run.exitCode);
    std::string script = ReadFileBytes("script.txt");
    EXPECT_EQ("09 37 b0 00 09 ffff 88 00 10 00 00 20 00 00 05 00 00 00 ff 00    #Gain = 5\r\n",
              script.substr(script.find('\n') + 1));
    run = RunTool("Cendra.exe", files(" -s 2 -o script.txt"));
    EXPECT_EQ(0u, run.exitCode);
    script = ReadFileBytes("script.txt");
    EXPECT_EQ("09 37 b0 00 09 02 88 00 10 00 00 20 00 00 05 00 00 00 ff 00    #Gain = 5\r\n",
              script.substr(script.find('\n') + 1));
}

}  // namespace

}  // namespace console_tools
