// Ferrit.exe started as the sequencer starts it, against the simulated panel.
#include "ToolUnderTest.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace console_tools {

namespace {

const std::string kHead = "Ferrit of Norq\n\\Ferrit.exe Version : 1.3.6.422\n";

std::vector<std::string> normalCalls(const std::string& read = "IO_ReadData(#1, 0x5A000003) = 0 count=640") {
    return {"IO_SetVerbose(0) = 0",        "IO_OpenDevice(0) = #1",
            "IO_ReportToOS(#1, 0, 0) = 1", read,
            "IO_ReportToOS(#1, 1, 0) = 1", "DLL_PROCESS_DETACH unclosed=none"};
}

TEST(FerritProgram, VariantsAndTheirExitCodes) {
    struct Case {
        int itoByte;
        DWORD code;
        const char* lines;
    } cases[] = {
        {0x03, 0, "ITO info in FW is 0x3\nIf GND is 0 and NC is 1, ITO info is 0\n"},
        {0x02, 1, "ITO info in FW is 0x2\nIf GND is 0 and NC is 1, ITO info is 1\n"},
        {0x01, 2, "ITO info in FW is 0x1\nIf GND is 0 and NC is 1, ITO info is 2\n"},
        {0x00, 3, "ITO info in FW is 0x0\nIf GND is 0 and NC is 1, ITO info is 3\n"},
        {0x04, 0xFFFFFFFB, "ITO info in FW is 0x4\nThe FW not support auto-detect ITO pin !\n"},
    };
    for (const Case& c : cases) {
        SimulatedPanel panel("chips=1\nchip0.ito_info=" + std::to_string(c.itoByte) + "\n");
        const ToolRun run = RunTool("Ferrit.exe", "");
        EXPECT_EQ(c.code, run.exitCode) << c.itoByte;
        EXPECT_EQ(Crlf(kHead + c.lines), run.out);
        EXPECT_EQ(normalCalls(), panel.calls());
    }
}

TEST(FerritProgram, SmallAndFullPacketsGiveTheSameOutput) {
    SimulatedPanel panel("chips=1\nchip0.ito_info=1\npacket_length=64\n");
    const ToolRun small = RunTool("Ferrit.exe", "");
    EXPECT_EQ(normalCalls("IO_ReadData(#1, 0x5A000003) = 0 count=64"), panel.calls());
    panel.set("packet_length", "640");
    const ToolRun full = RunTool("Ferrit.exe", "");
    EXPECT_EQ(2u, small.exitCode);
    EXPECT_EQ(2u, full.exitCode);
    EXPECT_EQ(small.out, full.out);
}

TEST(FerritProgram, NoDeviceForZeroOrMinusOne) {
    for (const char* description : {"chips=1\nopen_result=0\n", "chips=1\nplugged=0\n"}) {
        SimulatedPanel panel(description);
        const ToolRun run = RunTool("Ferrit.exe", "");
        EXPECT_EQ(0xFFFFFFFCu, run.exitCode);
        EXPECT_EQ(Crlf(kHead + "Norq touch controller not found.\n"), run.out);
        const auto calls = panel.calls();
        ASSERT_EQ(3u, calls.size());
        EXPECT_EQ("IO_SetVerbose(0) = 0", calls[0]);
        EXPECT_EQ(0u, calls[1].find("IO_OpenDevice(0) = "));
        EXPECT_EQ("DLL_PROCESS_DETACH unclosed=none", calls[2]);
    }
}

TEST(FerritProgram, RefusedStopClosesWithoutResume) {
    SimulatedPanel panel("chips=1\nreport_result=0\n");
    const ToolRun run = RunTool("Ferrit.exe", "");
    EXPECT_EQ(0xFFFFFFFCu, run.exitCode);
    EXPECT_EQ(Crlf(kHead + "FW stop report points to OS fail.\n"), run.out);
    EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0) = 0", "IO_OpenDevice(0) = #1",
                                        "IO_ReportToOS(#1, 0, 0) = 0", "DLL_PROCESS_DETACH unclosed=none"}),
              panel.calls());
}

TEST(FerritProgram, FailedOrShortReadResumesAndCloses) {
    struct Case {
        const char* description;
        const char* read;
    } cases[] = {
        {"chips=1\nfail.IO_ReadData.address=0x5A000003\n", "IO_ReadData(#1, 0x5A000003) = 1 count=0"},
        {"chips=1\npacket_length=2\n", "IO_ReadData(#1, 0x5A000003) = 0 count=2"},
    };
    for (const Case& c : cases) {
        SimulatedPanel panel(c.description);
        const ToolRun run = RunTool("Ferrit.exe", "");
        EXPECT_EQ(0xFFFFFFFCu, run.exitCode);
        EXPECT_EQ(Crlf(kHead + "Could not get data from ROM\n"), run.out);
        EXPECT_EQ(normalCalls(c.read), panel.calls());
    }
}

TEST(FerritProgram, ChipIndexAfterTheStop) {
    SimulatedPanel panel("chips=8\nchip7.ito_info=2\nchip0.ito_info=3\n");
    const ToolRun run = RunTool("Ferrit.exe", "/s7");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ(
        Crlf(kHead + "Set chip index to 7\nITO info in FW is 0x2\nIf GND is 0 and NC is 1, ITO info is 1\n"),
        run.out);
    auto expected = normalCalls();
    expected.insert(expected.begin() + 3, "IO_SetChipIndex(7) = 0");
    EXPECT_EQ(expected, panel.calls());
    EXPECT_EQ(7, panel.chips()[4]);
}

TEST(FerritProgram, SequencerStartWithSlaveFive) {
    SimulatedPanel panel("chips=6\nchip5.ito_info=0\n");
    const ToolRun run = RunTool("Ferrit.exe", "/s5");
    EXPECT_EQ(3u, run.exitCode);
    const auto calls = panel.calls();
    ASSERT_GT(calls.size(), 4u);
    EXPECT_EQ("IO_SetChipIndex(5) = 0", calls[3]);
    EXPECT_EQ(5, panel.chips()[4]);
}

TEST(FerritProgram, VersionOptionGivesMinusTwo) {
    SimulatedPanel panel("chips=1\n");
    const ToolRun run = RunTool("Ferrit.exe", "/v");
    EXPECT_EQ(0xFFFFFFFEu, run.exitCode);
    EXPECT_EQ(Crlf(kHead + "Portaq.dll Version : 2.4.0.17\n"), run.out);
    EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0) = 0", "DLL_PROCESS_DETACH unclosed=none"}),
              panel.calls());
}

TEST(FerritProgram, VerboseLevelReachesTheLibrary) {
    SimulatedPanel panel("chips=1\n");
    const ToolRun run = RunTool("Ferrit.exe", "/L42");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(0u, run.out.find(Crlf("Set verbose level = 42\n" + kHead)));
    EXPECT_EQ("IO_SetVerbose(42) = 0", panel.calls()[0]);
}

}  // namespace

}  // namespace console_tools
