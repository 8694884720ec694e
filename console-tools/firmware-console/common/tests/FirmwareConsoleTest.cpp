#include "TestArgv.h"
#include "console_tools/FirmwareConsole.h"
#include "RecordingDevice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace console_tools {

namespace {

int noVersion(const char*, int*, int*, int*, int*) {
    return 0;
}
int version1234(const char*, int* a, int* b, int* c, int* d) {
    *a = 1, *b = 2, *c = 3, *d = 4;
    return 1;
}

struct Fixture {
    RecordingDevice device;
    StringConsole out;
    FirmwareConsole console{device, out, noVersion};
};

TEST(GetDecimalValue, Cases) {
    struct Case {
        const char* text;
        std::uint16_t expected;
        bool message;
    } cases[] = {
        {"12", 12, false},           {"", 77, false}, {"1a", 77, true},
        {"123456789", 24910, false},  // 12345678 in 16 bits; the ninth digit is not looked at
        {"65536", 0, false},         {"0", 0, false}, {"-5", 77, true},
        {"12345678x", 24910, false},  // past the eighth character nothing is examined
    };
    for (const Case& c : cases) {
        Fixture f;
        EXPECT_EQ(c.expected, GetDecimalValue(f.console, c.text, 77)) << c.text;
        EXPECT_EQ(c.message ? "Get decimal value failed!\n" : "", f.out.text()) << c.text;
    }
    Fixture f;
    EXPECT_EQ(9, GetDecimalValue(f.console, nullptr, 9));
    EXPECT_TRUE(f.device.journal.empty());
}

TEST(ApplyVerboseOption, LevelsAndLines) {
    struct Case {
        std::vector<std::string> args;
        const char* printed;
        const char* call;
    } cases[] = {
        {{"tool"}, "", "IO_SetVerbose(0)"},
        {{"tool", "/L7"}, "Set verbose level = 7\n", "IO_SetVerbose(7)"},
        {{"tool", "/l"}, "Set verbose level = 1\n", "IO_SetVerbose(1)"},
        {{"tool", "/lx"}, "Set verbose level = 1\n", "IO_SetVerbose(1)"},
        {{"tool", "/l123"}, "Set verbose level = 12\n", "IO_SetVerbose(12)"},
        {{"tool", "/l3", "x.bin", "/L05"},
         "Set verbose level = 3\nSet verbose level = 5\n",
         "IO_SetVerbose(5)"},
        {{"tool", "-l4", "l4", "/s4", "/"}, "", "IO_SetVerbose(0)"},
        // argv[0] is not an option, even when the sequencer's blank leaves it empty
        {{"/l9"}, "", "IO_SetVerbose(0)"},
    };
    for (Case& c : cases) {
        Fixture f;
        auto argv = argvOf(c.args);
        ApplyVerboseOption(f.console, static_cast<int>(c.args.size()), argv.data());
        EXPECT_EQ(c.printed, f.out.text());
        EXPECT_EQ(std::vector<std::string>{c.call}, f.device.journal);
    }
}

TEST(PrintFileVersion, NameFromLastBackslash) {
    Fixture f;
    f.console.queryFileVersion = version1234;
    PrintFileVersion(f.console, "C:\\tools\\x.exe");
    PrintFileVersion(f.console, "Portaq.dll");
    EXPECT_EQ("\\x.exe Version : 1.2.3.4\nPortaq.dll Version : 1.2.3.4\n", f.out.text());
}

TEST(PrintFileVersion, UnreadableVersionPrintsZeros) {
    Fixture f;
    PrintFileVersion(f.console, "Z:\\none\\Gorlune.exe");
    EXPECT_EQ("\\Gorlune.exe Version : 0.0.0.0\n", f.out.text());
}

using Answer = RecordingDevice::ReadAnswer;

struct RomCase {
    const char* name;
    std::uint32_t address;
    std::uint32_t count;
    std::vector<Answer> answers;
    bool ok;
    std::uint16_t bytesRead;
    std::vector<std::string> reads;  // the IO_ReadData lines
    std::string printed;
};

TEST(GetRomData, Table) {
    const std::string retry1 = "Read A0000000 Error(1)..., Retry!!!\n";
    const std::string retry2 = "Read A0000000 Error(2)..., Retry!!!\n";
    const std::string retry3 = "Read A0000000 Error(3)..., Retry!!!\n";
    const std::string notFour = "The byte number of data isn't a multiple of 4.\n";
    const RomCase cases[] = {
        {"packets divide the count",
         0xA0000000,
         128,
         {{0, 64}, {0, 64}},
         true,
         128,
         {"IO_ReadData(h,0xA0000000)=0,64", "IO_ReadData(h,0xA0000040)=0,64"},
         ""},
        {"last packet only partly needed",
         0xA0000000,
         100,
         {{0, 64}, {0, 64}},
         true,
         128,
         {"IO_ReadData(h,0xA0000000)=0,64", "IO_ReadData(h,0xA0000040)=0,64"},
         ""},
        {"length not a multiple of 4",
         0xA0000000,
         10,
         {{0, 6}, {0, 6}},
         true,
         12,
         {"IO_ReadData(h,0xA0000000)=0,6", "IO_ReadData(h,0xA0000006)=0,6"},
         notFour + notFour},
        {"word addressing advances by a quarter",
         0x5A000000,
         104,
         {{0, 52}, {0, 52}},
         true,
         104,
         {"IO_ReadData(h,0x5A000000)=0,52", "IO_ReadData(h,0x5A00000D)=0,52"},
         ""},
        {"byte addressing advances by the packet",
         0xA0000000,
         104,
         {{0, 52}, {0, 52}},
         true,
         104,
         {"IO_ReadData(h,0xA0000000)=0,52", "IO_ReadData(h,0xA0000034)=0,52"},
         ""},
        {"two failures then success resets the count",
         0xA0000000,
         128,
         {{1, 0}, {1, 0}, {0, 64}, {1, 0}, {1, 0}, {0, 64}},
         true,
         128,
         {"IO_ReadData(h,0xA0000000)=1,0", "IO_ReadData(h,0xA0000000)=1,0", "IO_ReadData(h,0xA0000000)=0,64",
          "IO_ReadData(h,0xA0000040)=1,0", "IO_ReadData(h,0xA0000040)=1,0", "IO_ReadData(h,0xA0000040)=0,64"},
         retry1 + retry2 + "Read A0000040 Error(1)..., Retry!!!\nRead A0000040 Error(2)..., Retry!!!\n"},
        {"three failures in a row",
         0xA0000000,
         128,
         {{0, 64}, {2, 64}, {2, 64}, {2, 64}},
         false,
         64,
         {"IO_ReadData(h,0xA0000000)=0,64", "IO_ReadData(h,0xA0000040)=2,64",
          "IO_ReadData(h,0xA0000040)=2,64", "IO_ReadData(h,0xA0000040)=2,64"},
         "Read A0000040 Error(1)..., Retry!!!\nRead A0000040 Error(2)..., Retry!!!\n"
         "Read A0000040 Error(3)..., Retry!!!\n"},
        {"count of 0 reads nothing", 0xA0000000, 0, {}, false, 0, {}, ""},
        {"successes of 0 bytes are failures",
         0xA0000000,
         64,
         {{0, 0}, {0, 0}, {0, 0}},
         false,
         0,
         {"IO_ReadData(h,0xA0000000)=0,0", "IO_ReadData(h,0xA0000000)=0,0", "IO_ReadData(h,0xA0000000)=0,0"},
         retry1 + retry2 + retry3},
        // 103 packets count 65920 bytes, which reads as 384 in 16 bits
        {"full packets of 640", 0xA0000000, 65536, {}, true, 384, {}, ""},
    };
    for (const RomCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.device.readAnswers.assign(c.answers.begin(), c.answers.end());
        if (c.count == 65536)
            f.device.readAnswers.assign(103, Answer{0, 640});  // 102.4 packets
        std::vector<std::uint8_t> out(c.count + 1, 0xCC);
        std::uint16_t bytesRead = 0xBEEF;
        EXPECT_EQ(c.ok, GetRomData(f.console, 0x44, c.address, c.count, &bytesRead, out.data()));
        EXPECT_EQ(c.bytesRead, bytesRead);
        if (c.count != 65536)
            EXPECT_EQ(c.reads, f.device.journal);
        else
            EXPECT_EQ(103u, f.device.journal.size());
        EXPECT_EQ(c.printed, f.out.text());
        EXPECT_EQ(0xCC, out[c.count]) << "nothing past the count";
    }
}

TEST(GetRomData, CopiesOnlyWhatIsNeededInDeviceOrder) {
    Fixture f;
    for (std::uint32_t i = 0; i < 128; ++i)
        f.device.bytes[0xA0000000 + i] = static_cast<std::uint8_t>(0x80 + i);
    f.device.readAnswers = {{0, 64}, {0, 64}};
    std::vector<std::uint8_t> out(101, 0xCC);
    std::uint16_t bytesRead = 0;
    ASSERT_TRUE(GetRomData(f.console, 0x44, 0xA0000000, 100, &bytesRead, out.data()));
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(0x80 + i, out[i]) << i;
    EXPECT_EQ(0xCC, out[100]);
}

TEST(GetRomData, FailedReadIsOverwrittenByTheRetry) {
    Fixture f;
    f.device.bytes[0xA0000000] = 0x11;
    f.device.readAnswers = {{3, 4}, {0, 4}};
    std::uint8_t out[4] = {};
    std::uint16_t bytesRead = 0;
    ASSERT_TRUE(GetRomData(f.console, 0x44, 0xA0000000, 4, &bytesRead, out));
    EXPECT_EQ(0x11, out[0]);
    EXPECT_EQ(4, bytesRead);
}

TEST(GetRomData, DeliveredCountOver640IsCutToThePacket) {
    // ASan: copying the reported 700 bytes would read past the 640-byte packet.
    Fixture f;
    f.device.readAnswers = {{0, 700}, {0, 700}};
    std::vector<std::uint8_t> out(1000, 0xCC);
    std::uint16_t bytesRead = 0;
    ASSERT_TRUE(GetRomData(f.console, 0x44, 0xA0000000, 1000, &bytesRead, out.data()));
    EXPECT_EQ(1280, bytesRead);
    EXPECT_EQ(
        (std::vector<std::string>{"IO_ReadData(h,0xA0000000)=0,700", "IO_ReadData(h,0xA0000280)=0,700"}),
        f.device.journal);
    EXPECT_EQ("", f.out.text());
}

}  // namespace

}  // namespace console_tools
