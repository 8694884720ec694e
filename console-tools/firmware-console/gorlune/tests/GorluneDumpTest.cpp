#include "TestArgv.h"
#include "console_tools/GorluneDump.h"
#include "RecordingDevice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace console_tools {

namespace {

int gorluneVersion(const char* path, int* a, int* b, int* c, int* d) {
    if (std::string(path) == "Portaq.dll")
        *a = 2, *b = 0, *c = 0, *d = 9;
    else
        *a = 1, *b = 3, *c = 7, *d = 505;
    return 1;
}

struct MemoryDumpFile : DumpFile {
    bool opens = true;
    std::size_t writeLimit = ~std::size_t{0};
    bool closes = true;
    std::string name;
    std::vector<std::uint8_t> data;
    bool open(const char* fileName) override {
        name = fileName;
        return opens;
    }
    std::size_t write(const std::uint8_t* bytes, std::size_t size) override {
        const std::size_t n = size < writeLimit ? size : writeLimit;
        data.assign(bytes, bytes + n);
        return n;
    }
    bool close() override { return closes; }
};

const char* const kHead =
    "WARNING! The bin file generated from Gorlune should NOT use as Quenfor input file directly. "
    "It maybe cause Calibrate problem.\n\n"
    "\\Gorlune.exe Version : 1.3.7.505\n\n";

struct Gorlune : ::testing::Test {
    RecordingDevice device;
    StringConsole out;
    FirmwareConsole console{device, out, gorluneVersion};
    MemoryDumpFile file;

    int run(std::vector<std::string> args) {
        args.insert(args.begin(), "");
        std::vector<char*> argv = argvOf(args);
        return RunGorlune(console, file, "C:\\bench\\Gorlune.exe", static_cast<int>(args.size()),
                          argv.data());
    }
    void answerFullPackets(int n) { device.readAnswers.assign(n, {0, 640}); }
};

TEST_F(Gorlune, NoArgumentsDumps64KFromRom) {
    for (std::uint32_t i = 0; i < 0x10000; ++i)
        device.bytes[0xA0000000 + i] = static_cast<std::uint8_t>(i * 7 + (i >> 8));
    answerFullPackets(103);
    EXPECT_EQ(0, run({}));
    EXPECT_EQ(std::string(kHead) + "Reading firmware info...\nGetting Rom Data Successfully!\n"
                                   "Successful writting!\n",
              out.text());
    EXPECT_EQ("dump.bin", file.name);
    ASSERT_EQ(0x10000u, file.data.size());
    for (std::uint32_t i = 0; i < 0x10000; ++i)
        ASSERT_EQ(static_cast<std::uint8_t>(i * 7 + (i >> 8)), file.data[i]) << i;
    ASSERT_EQ(5u + 103u, device.journal.size());
    EXPECT_EQ("IO_SetVerbose(0)", device.journal[0]);
    EXPECT_EQ("IO_OpenDevice(0)=68", device.journal[1]);
    EXPECT_EQ("IO_ReportToOS(h,0,0)=1", device.journal[2]);
    for (int i = 0; i < 103; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "IO_ReadData(h,0x%08X)=0,640", 0xA0000000u + 640u * i);
        EXPECT_EQ(line, device.journal[3 + i]);
    }
    EXPECT_EQ("IO_ReportToOS(h,1,0)=1", device.journal[106]);
    EXPECT_EQ("CloseHandle(h)", device.journal[107]);
}

TEST_F(Gorlune, SlaveAndTwoFileNames) {
    device.readAnswers.assign(1, {0, 640});
    EXPECT_EQ(0, run({"/s5", "first.bin", "/z256", "x.bin"}));
    EXPECT_EQ(std::string(kHead) + "Set slave index = 5\nSet dump filename: first.bin\n"
                                   "Set dump size = 256\nSet dump filename: x.bin\n"
                                   "Reading firmware info...\nGetting Rom Data Successfully!\n"
                                   "Successful writting!\n",
              out.text());
    EXPECT_EQ("x.bin", file.name);
    EXPECT_EQ(256u, file.data.size());
    EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0)", "IO_OpenDevice(0)=68", "IO_ReportToOS(h,0,0)=1",
                                        "IO_SetChipIndex(5)", "IO_ReadData(h,0xA0000000)=0,640",
                                        "IO_ReportToOS(h,1,0)=1", "CloseHandle(h)"}),
              device.journal);
}

TEST_F(Gorlune, WordAddressedDumpAdvancesByAQuarterPacket) {
    device.readAnswers.assign(2, {0, 640});
    EXPECT_EQ(0, run({"/A5A000000", "/Z1280"}));
    EXPECT_NE(std::string::npos, out.text().find("Set dump address = 0x5a000000\nSet dump size = 1280\n"));
    EXPECT_EQ("IO_ReadData(h,0x5A000000)=0,640", device.journal[3]);
    EXPECT_EQ("IO_ReadData(h,0x5A0000A0)=0,640", device.journal[4]);
}

TEST_F(Gorlune, OptionValuesAndSetLines) {
    struct Case {
        std::vector<std::string> args;
        std::string lines;
    } cases[] = {
        {{"/a", "/z"}, "Set dump address = 0xa0000000\nSet dump size = 65536\n"},
        {{"/a0x10", "/z64"}, "Set dump address = 0x00000010\nSet dump size = 64\n"},
        {{"/aqq", "/z1x"}, "Set dump address = 0xa0000000\nSet dump size = 1\n"},
        {{"/s", "/sx", "/S12"},
         "Set slave index = 65535\nGet decimal value failed!\nSet slave index = 65535\n"
         "Set slave index = 12\n"},
        {{"/q", "/", "/l2"}, ""},  // /l is taken before the warning
    };
    for (Case& c : cases) {
        RecordingDevice fresh;
        device = fresh;
        device.readAnswers.assign(103, {0, 640});
        out.clear();
        run(c.args);
        const std::string& text = out.text();
        const std::size_t head = text.find("Version : 1.3.7.505\n\n");
        ASSERT_NE(std::string::npos, head);
        const std::size_t start = head + 21;
        EXPECT_EQ(c.lines, text.substr(start, text.find("Reading firmware") - start));
    }
    // The verbose line comes first, before the warning.
    EXPECT_EQ(0u, out.text().find("Set verbose level = 2\nWARNING!"));
}

TEST_F(Gorlune, HelpAndVersionEndAtOnce) {
    EXPECT_EQ(0, run({"/s3", "/h", "/v"}));
    EXPECT_EQ(std::string(kHead) +
                  "Set slave index = 3\n"
                  "\nUsage: Gorlune [filename] [/s<SLAVE_ID>] [/a<address>] [/z<size>] [/lNN] [/v] [/h]\n"
                  "  filename: firmware filename. Default: dump.bin\n"
                  "  /s<SLAVE_ID>: set slave index\n"
                  "  /a<address>:  set dump address\n"
                  "  /z<size>: set dump size\n"
                  "  /lNN:  set verbose level represented in 2-digit number, ex:/l2. Default: 1\n"
                  "  /v:    show version\n"
                  "  /h:    show tips of all available options\n",
              out.text());
    EXPECT_EQ(std::vector<std::string>{"IO_SetVerbose(0)"}, device.journal);

    out.clear();
    device.journal.clear();
    EXPECT_EQ(0, run({"/V", "/h"}));
    EXPECT_EQ(std::string(kHead) + "Portaq.dll Version : 2.0.0.9\n", out.text());
    EXPECT_EQ(std::vector<std::string>{"IO_SetVerbose(0)"}, device.journal);
}

TEST_F(Gorlune, DumpSizeOverTheBufferIsRefusedBeforeTheDevice) {
    struct Case {
        const char* option;
        const char* line;
    } cases[] = {{"/z70000", "Dump size 70000 is over 65536!\n"},
                 {"/z-1", "Dump size 4294967295 is over 65536!\n"},
                 {"/z65537", "Dump size 65537 is over 65536!\n"}};
    for (const Case& c : cases) {
        device.journal.clear();
        out.clear();
        EXPECT_EQ(-1, run({c.option}));
        EXPECT_NE(std::string::npos, out.text().find(c.line)) << out.text();
        EXPECT_EQ(std::vector<std::string>{"IO_SetVerbose(0)"}, device.journal);
    }
    EXPECT_TRUE(file.name.empty());
}

TEST_F(Gorlune, NoDevice) {
    device.openResult = -1;
    EXPECT_EQ(-1, run({}));
    EXPECT_EQ(std::string(kHead) + "Norq touch controller driver not found.\n", out.text());
    EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0)", "IO_OpenDevice(0)=-1"}), device.journal);
}

TEST_F(Gorlune, HandleZeroIsADevice) {
    device.openResult = 0;
    device.readAnswers.assign(103, {0, 640});
    EXPECT_EQ(0, run({}));
}

TEST_F(Gorlune, ReadFailureResumesClosesAndWritesNoFile) {
    device.readAnswers = {{1, 0}, {1, 0}, {1, 0}};
    EXPECT_EQ(-1, run({}));
    EXPECT_EQ(std::string(kHead) + "Reading firmware info...\n"
                                   "Read A0000000 Error(1)..., Retry!!!\n"
                                   "Read A0000000 Error(2)..., Retry!!!\n"
                                   "Read A0000000 Error(3)..., Retry!!!\n"
                                   "Getting Rom Data Failed!\n",
              out.text());
    EXPECT_TRUE(file.name.empty());
    ASSERT_EQ(8u, device.journal.size());
    EXPECT_EQ("IO_ReportToOS(h,1,0)=1", device.journal[6]);
    EXPECT_EQ("CloseHandle(h)", device.journal[7]);
}

TEST_F(Gorlune, ZeroSizeReadsNothingAndFails) {
    EXPECT_EQ(-1, run({"/z0"}));
    EXPECT_EQ(std::string(kHead) + "Set dump size = 0\nReading firmware info...\nGetting Rom Data Failed!\n",
              out.text());
    EXPECT_EQ((std::vector<std::string>{"IO_SetVerbose(0)", "IO_OpenDevice(0)=68", "IO_ReportToOS(h,0,0)=1",
                                        "IO_ReportToOS(h,1,0)=1", "CloseHandle(h)"}),
              device.journal);
}

TEST_F(Gorlune, FileFailures) {
    struct Case {
        bool opens;
        std::size_t writeLimit;
        bool closes;
        const char* line;
    } cases[] = {
        {false, ~std::size_t{0}, true, "DEBUG: open fail\n"},
        {true, 1000, true, "DEBUG: write fail\n"},
        {true, ~std::size_t{0}, false, "DEBUG: write fail\n"},
    };
    for (const Case& c : cases) {
        RecordingDevice fresh;
        device = fresh;
        device.readAnswers.assign(103, {0, 640});
        out.clear();
        file.opens = c.opens;
        file.writeLimit = c.writeLimit;
        file.closes = c.closes;
        EXPECT_EQ(-1, run({}));
        EXPECT_EQ(std::string(kHead) + "Reading firmware info...\nGetting Rom Data Successfully!\n" + c.line,
                  out.text());
        ASSERT_GE(device.journal.size(), 2u);
        EXPECT_EQ("IO_ReportToOS(h,1,0)=1", device.journal[device.journal.size() - 2]);
        EXPECT_EQ("CloseHandle(h)", device.journal.back());
    }
}

TEST(StdioDumpFile, WritesRawBytes) {
    const std::uint8_t bytes[] = {0x0A, 0x0D, 0x1A, 0x00, 0xFF};
    StdioDumpFile file;
    ASSERT_TRUE(file.open("raw.bin"));
    EXPECT_EQ(5u, file.write(bytes, 5));
    EXPECT_TRUE(file.close());
    FILE* in = std::fopen("raw.bin", "rb");
    ASSERT_NE(nullptr, in);
    std::uint8_t back[8] = {};
    EXPECT_EQ(5u, std::fread(back, 1, sizeof back, in));
    std::fclose(in);
    EXPECT_EQ(0, std::memcmp(bytes, back, 5));
    EXPECT_FALSE(StdioDumpFile().open("no/such/folder/x.bin"));
}

}  // namespace

}  // namespace console_tools
