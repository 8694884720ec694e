// Gorlune.exe started as the sequencer starts it, against the simulated panel.
#include "ToolUnderTest.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace console_tools {

namespace {

const std::string kHead =
    "WARNING! The bin file generated from Gorlune should NOT use as Quenfor input file directly. "
    "It maybe cause Calibrate problem.\n\n"
    "\\Gorlune.exe Version : 1.3.7.505\n\n";

std::string romImage() {
    std::string rom(0x10000 + 0x400, '\0');
    for (std::size_t i = 0; i < rom.size(); ++i)
        rom[i] = static_cast<char>((i * 31) ^ (i >> 8));
    return rom;
}

std::string readCall(std::uint32_t address, unsigned count) {
    char text[80];
    std::snprintf(text, sizeof text, "IO_ReadData(#1, 0x%08X) = 0 count=%u", address, count);
    return text;
}

struct GorluneProgram : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(WriteFileBytes("rom.bin", romImage()));
        std::remove("dump.bin");
        std::remove("x.bin");
    }
};

TEST_F(GorluneProgram, NoArgumentsDumpsTheRom) {
    SimulatedPanel panel("chips=1\nchip0.rom=rom.bin\n");
    const ToolRun run = RunTool("Gorlune.exe", "");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(
        Crlf(kHead + "Reading firmware info...\nGetting Rom Data Successfully!\nSuccessful writting!\n"),
        run.out);
    EXPECT_EQ(romImage().substr(0, 0x10000), ReadFileBytes("dump.bin"));

    std::vector<std::string> expected{"IO_SetVerbose(0) = 0", "IO_OpenDevice(0) = #1",
                                      "IO_ReportToOS(#1, 0, 0) = 1"};
    for (unsigned i = 0; i < 103; ++i)
        expected.push_back(readCall(0xA0000000 + 640 * i, 640));
    expected.push_back("IO_ReportToOS(#1, 1, 0) = 1");
    expected.push_back("DLL_PROCESS_DETACH unclosed=none");
    EXPECT_EQ(expected, panel.calls());
}

TEST_F(GorluneProgram, SlaveFiveIntoANamedFile) {
    SimulatedPanel panel("chips=6\nchip5.set.0xA0000000=11 22 33 44 55\n");
    const ToolRun run = RunTool("Gorlune.exe", "/s5 first.bin /z8 x.bin");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(Crlf(kHead +
                   "Set slave index = 5\nSet dump filename: first.bin\nSet dump size = 8\n"
                   "Set dump filename: x.bin\nReading firmware info...\nGetting Rom Data Successfully!\n"
                   "Successful writting!\n"),
              run.out);
    EXPECT_EQ(std::string("\x11\x22\x33\x44\x55\0\0\0", 8), ReadFileBytes("x.bin"));
    EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0) = 0", "IO_OpenDevice(0) = #1",
                                        "IO_ReportToOS(#1, 0, 0) = 1", "IO_SetChipIndex(5) = 0",
                                        readCall(0xA0000000, 640), "IO_ReportToOS(#1, 1, 0) = 1",
                                        "DLL_PROCESS_DETACH unclosed=none"}),
              panel.calls());
    EXPECT_EQ(5, panel.chips()[4]);
}

TEST_F(GorluneProgram, SequencerStartWithSlaveFive) {
    // Exactly the sequencer's argument string: " /s5 <file>".
    SimulatedPanel panel("chips=6\nchip5.rom=rom.bin\n");
    const ToolRun run = RunTool("Gorlune.exe", "/s5 x.bin");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(Crlf(kHead + "Set slave index = 5\nSet dump filename: x.bin\nReading firmware info...\n"
                           "Getting Rom Data Successfully!\nSuccessful writting!\n"),
              run.out);
    EXPECT_EQ(romImage().substr(0, 0x10000), ReadFileBytes("x.bin"));
    const auto calls = panel.calls();
    ASSERT_GT(calls.size(), 5u);
    EXPECT_EQ("IO_SetChipIndex(5) = 0", calls[3]);
    EXPECT_EQ(5, panel.chips()[4]);
}

TEST_F(GorluneProgram, WordAddressedDumpAdvancesByAQuarterPacket) {
    SimulatedPanel panel("chips=1\npacket_length=52\n");
    const ToolRun run = RunTool("Gorlune.exe", "/a5A000000 /Z104 w.bin");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_NE(std::string::npos, run.out.find(Crlf("Set dump address = 0x5a000000\nSet dump size = 104\n")));
    const auto calls = panel.calls();
    ASSERT_EQ(7u, calls.size());
    EXPECT_EQ(readCall(0x5A000000, 52), calls[3]);
    EXPECT_EQ(readCall(0x5A00000D, 52), calls[4]);
    EXPECT_EQ(104u, ReadFileBytes("w.bin").size());
}

TEST_F(GorluneProgram, HelpAndVersionTouchOnlyTheVerbosity) {
    SimulatedPanel panel("chips=1\n");
    ToolRun run = RunTool("Gorlune.exe", "/h");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(Crlf(kHead +
                   "\nUsage: Gorlune [filename] [/s<SLAVE_ID>] [/a<address>] [/z<size>] [/lNN] [/v] [/h]\n"
                   "  filename: firmware filename. Default: dump.bin\n"
                   "  /s<SLAVE_ID>: set slave index\n"
                   "  /a<address>:  set dump address\n"
                   "  /z<size>: set dump size\n"
                   "  /lNN:  set verbose level represented in 2-digit number, ex:/l2. Default: 1\n"
                   "  /v:    show version\n"
                   "  /h:    show tips of all available options\n"),
              run.out);
    run = RunTool("Gorlune.exe", "/l3 /V");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(Crlf("Set verbose level = 3\n" + kHead + "Portaq.dll Version : 2.4.0.17\n"), run.out);
    EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0) = 0", "DLL_PROCESS_DETACH unclosed=none",
                                        "IO_SetVerbose(3) = 0", "DLL_PROCESS_DETACH unclosed=none"}),
              panel.calls());
}

TEST_F(GorluneProgram, NoDevice) {
    SimulatedPanel panel("chips=1\nplugged=0\n");
    const ToolRun run = RunTool("Gorlune.exe", "");
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ(Crlf(kHead + "Norq touch controller driver not found.\n"), run.out);
    EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0) = 0", "IO_OpenDevice(0) = -1",
                                        "DLL_PROCESS_DETACH unclosed=none"}),
              panel.calls());
}

TEST_F(GorluneProgram, ThreeFailedReadsResumeCloseAndWriteNoFile) {
    SimulatedPanel panel("chips=1\nfail.IO_ReadData.result=2\n");
    const ToolRun run = RunTool("Gorlune.exe", "");
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ(Crlf(kHead + "Reading firmware info...\nRead A0000000 Error(1)..., Retry!!!\n"
                           "Read A0000000 Error(2)..., Retry!!!\nRead A0000000 Error(3)..., Retry!!!\n"
                           "Getting Rom Data Failed!\n"),
              run.out);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("dump.bin"));
    const auto calls = panel.calls();
    ASSERT_EQ(8u, calls.size());
    EXPECT_EQ("IO_ReadData(#1, 0xA0000000) = 2 count=0", calls[5]);
    EXPECT_EQ("IO_ReportToOS(#1, 1, 0) = 1", calls[6]);
    EXPECT_EQ("DLL_PROCESS_DETACH unclosed=none", calls[7]);
}

TEST_F(GorluneProgram, SizeZeroFailsAfterTheStop) {
    SimulatedPanel panel("chips=1\n");
    const ToolRun run = RunTool("Gorlune.exe", "/z0");
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ(Crlf(kHead + "Set dump size = 0\nReading firmware info...\nGetting Rom Data Failed!\n"),
              run.out);
    EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0) = 0", "IO_OpenDevice(0) = #1",
                                        "IO_ReportToOS(#1, 0, 0) = 1", "IO_ReportToOS(#1, 1, 0) = 1",
                                        "DLL_PROCESS_DETACH unclosed=none"}),
              panel.calls());
}

TEST_F(GorluneProgram, SizeOverTheBufferIsRefusedBeforeTheOpen) {
    SimulatedPanel panel("chips=1\n");
    const ToolRun run = RunTool("Gorlune.exe", "/z70000");
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ(Crlf(kHead + "Set dump size = 70000\nDump size 70000 is over 65536!\n"), run.out);
    EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0) = 0", "DLL_PROCESS_DETACH unclosed=none"}),
              panel.calls());
}

TEST_F(GorluneProgram, OutputThatCannotBeOpened) {
    SimulatedPanel panel("chips=1\n");
    const ToolRun run = RunTool("Gorlune.exe", "\"no such folder\\d.bin\"");
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ(Crlf(kHead + "Set dump filename: no such folder\\d.bin\nReading firmware info...\n"
                           "Getting Rom Data Successfully!\nDEBUG: open fail\n"),
              run.out);
    const auto calls = panel.calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ("IO_ReportToOS(#1, 1, 0) = 1", calls[calls.size() - 2]);
    EXPECT_EQ("DLL_PROCESS_DETACH unclosed=none", calls.back());
}

TEST_F(GorluneProgram, ShortWriteOnAFullDeviceFails) {
    // A whole dump fails in fwrite; an 8-byte one stays buffered until the close.
    for (const std::string size : {"", "/z8 "}) {
        SimulatedPanel panel("chips=1\n");
        const ToolRun run = RunTool("Gorlune.exe", size + "Z:\\dev\\full");
        EXPECT_EQ(0xFFFFFFFFu, run.exitCode) << size;
        EXPECT_EQ(Crlf(kHead + (size.empty() ? "" : "Set dump size = 8\n") +
                       "Set dump filename: Z:\\dev\\full\nReading firmware info...\n"
                       "Getting Rom Data Successfully!\nDEBUG: write fail\n"),
                  run.out);
        const auto calls = panel.calls();
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ("IO_ReportToOS(#1, 1, 0) = 1", calls[calls.size() - 2]);
        EXPECT_EQ("DLL_PROCESS_DETACH unclosed=none", calls.back());
    }
}

}  // namespace

}  // namespace console_tools
