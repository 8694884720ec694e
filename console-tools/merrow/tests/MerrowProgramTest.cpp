// Merrow.exe itself, started as a process: output bytes, messages, exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "TblCoding.h"
#include "pelliton/CsvParser.h"
#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"

namespace console_tools {

namespace {

std::string currentFolder() {
    char path[MAX_PATH];
    DWORD n = GetCurrentDirectoryA(MAX_PATH, path);
    return std::string(path, n);
}

using test_support::Exists;
using test_support::ReadBytes;
using test_support::WriteBytes;

using test_support::ProgramRun;

// Starts Merrow.exe with the given argument text and waits for it; its
// output and errors go to a file, as a console would show them.
ProgramRun runMerrow(const std::string& args) {
    test_support::ProgramStart start;
    start.application = test_support::BinFolder() + "\\Merrow.exe";
    start.commandLine = "\"" + start.application + "\"" + (args.empty() ? "" : " " + args);
    start.output = test_support::ProgramStart::kFile;
    start.outputFile = currentFolder() + "\\merrow-stdout.txt";
    const ProgramRun run = test_support::RunProgram(start, 30000);
    EXPECT_TRUE(run.started) << "cannot start " << start.application;
    return run;
}

TEST(MerrowProgram, ConvertsBytesThroughTextMode) {
    struct {
        const char* what;
        std::string input;
        std::string output;
    } cases[] = {
        {"mapping examples", std::string("A,\"\n\xC8", 5), std::string("\xA5\x90\x86\x6E\x2C", 5)},
        {"CR LF becomes one 0x6E", "a\r\nb\r\n", "\xC5\x6E\xC6\x6E"},
        {"a lone CR is kept", "a\rb", "\xC5\x71\xC6"},
        {"0x1A ends the input",
         std::string("ab\x1A"
                     "cd",
                     5),
         "\xC5\xC6"},
        {"0xFF does not end the input",
         std::string("a\xFF"
                     "b",
                     3),
         "\xC5\x63\xC6"},
        {"empty input", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("conv.csv", c.input);
        DeleteFileA("conv.tbl");
        ProgramRun run = runMerrow("conv.csv");
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_EQ(run.out, "");
        std::string got;
        ASSERT_TRUE(ReadBytes("conv.tbl", &got));
        EXPECT_EQ(got, c.output);
    }
}

TEST(MerrowProgram, OutputNames) {
    WriteBytes("table.csv", "x\n");
    DeleteFileA("tmp.tbl");
    DeleteFileA("table.tbl");
    EXPECT_EQ(runMerrow("table.csv").out, "");
    EXPECT_TRUE(Exists("table.tbl"));

    // No extension: tmp.tbl in the current folder.
    WriteBytes("table", "y\n");
    EXPECT_EQ(runMerrow("table").out, "");
    std::string got;
    ASSERT_TRUE(ReadBytes("tmp.tbl", &got));
    EXPECT_EQ(got, tbl_coding::TblForm("y\n"));

    // A '.' only in a folder name does not count.
    CreateDirectoryA("dir.v2", nullptr);
    WriteBytes("dir.v2\\table", "z\n");
    DeleteFileA("tmp.tbl");
    EXPECT_EQ(runMerrow("dir.v2\\table").out, "");
    ASSERT_TRUE(ReadBytes("tmp.tbl", &got));
    EXPECT_EQ(got, tbl_coding::TblForm("z\n"));
    EXPECT_FALSE(Exists("dir.v2\\table.tbl"));
    EXPECT_FALSE(Exists("dir.tbl"));
}

TEST(MerrowProgram, LongPathGetsItsFullName) {
    // A full path of 254 characters whose output name is 256 long.
    std::string folder = currentFolder() + "\\";
    const size_t want = 254 - 4;  // leaves room for "\x.c"
    std::string sub = std::string(want - folder.size(), 'L');
    ASSERT_GT(sub.size(), 0u);
    std::string dir = folder + sub;
    CreateDirectoryA(dir.c_str(), nullptr);
    std::string input = dir + "\\x.c";
    ASSERT_EQ(input.size(), 254u);
    WriteBytes(input, "long\n");
    ProgramRun run = runMerrow("\"" + input + "\"");
    EXPECT_EQ(run.out, "");
    std::string got;
    ASSERT_TRUE(ReadBytes(dir + "\\x.tbl", &got));
    EXPECT_EQ(got, tbl_coding::TblForm("long\n"));
}

TEST(MerrowProgram, Failures) {
    ProgramRun none = runMerrow("");
    EXPECT_EQ(none.out, "Please give the input file\r\n");
    EXPECT_EQ(none.exitCode, 0u);

    // A missing input leaves an existing output byte for byte.
    const std::string good = std::string("\xA5\x90\x6E\x00\xFF", 5);
    WriteBytes("kept.tbl", good);
    ProgramRun missing = runMerrow("kept.csv");
    EXPECT_EQ(missing.out, "Cannot open the file kept.csv\r\n");
    EXPECT_EQ(missing.exitCode, 0u);
    std::string got;
    ASSERT_TRUE(ReadBytes("kept.tbl", &got));
    EXPECT_EQ(got, good);

    // ... and creates none where there was none.
    DeleteFileA("absent.tbl");
    EXPECT_EQ(runMerrow("absent.csv").out, "Cannot open the file absent.csv\r\n");
    EXPECT_FALSE(Exists("absent.tbl"));

    // An output that cannot be opened: a folder of that name.
    CreateDirectoryA("blocked.tbl", nullptr);
    WriteBytes("blocked.csv", "a\n");
    ProgramRun blocked = runMerrow("blocked.csv");
    EXPECT_EQ(blocked.out, "Cannot open the file blocked.tbl\r\n");
    EXPECT_EQ(blocked.exitCode, 0u);

    // A ".tbl" given as input is not converted onto itself.
    ProgramRun self = runMerrow("kept.tbl");
    EXPECT_EQ(self.out, "Cannot open the file kept.tbl\r\n");
    ASSERT_TRUE(ReadBytes("kept.tbl", &got));
    EXPECT_EQ(got, good);
}

}  // namespace

// Round trip: a table parses to the same header, registers and pins after
// conversion to ".tbl".
namespace {

void expectSameTable(const CCsvParser& csv, const CCsvParser& tbl) {
    EXPECT_EQ(tbl.fileType, csv.fileType);
    EXPECT_EQ(tbl.startAddr, csv.startAddr);
    EXPECT_EQ(tbl.headerWord, csv.headerWord);
    EXPECT_STREQ(tbl.mainCodeId, csv.mainCodeId);
    EXPECT_STREQ(tbl.buildTime, csv.buildTime);
    EXPECT_EQ(tbl.hasUsbDescId, csv.hasUsbDescId);
    EXPECT_EQ(memcmp(tbl.usbDescId, csv.usbDescId, sizeof csv.usbDescId), 0);
    ASSERT_EQ(tbl.registerCount, csv.registerCount);
    for (int i = 0; i < csv.registerCount; ++i)
        EXPECT_EQ(memcmp(&tbl.registers[i], &csv.registers[i], sizeof(Register)), 0) << csv.registers[i].name;
    EXPECT_EQ(tbl.chipCount, csv.chipCount);
    EXPECT_EQ(memcmp(tbl.chips, csv.chips, sizeof csv.chips), 0);
    EXPECT_EQ(memcmp(tbl.rxChips, csv.rxChips, sizeof csv.rxChips), 0);
    EXPECT_EQ(memcmp(tbl.txChips, csv.txChips, sizeof csv.txChips), 0);
    EXPECT_EQ(tbl.ctrlChipCount, csv.ctrlChipCount);
    EXPECT_EQ(tbl.ctrlRowCount, csv.ctrlRowCount);
    EXPECT_EQ(memcmp(tbl.ctrlChips, csv.ctrlChips, sizeof csv.ctrlChips), 0);
    for (int r = 0; r < csv.ctrlRowCount; ++r)
        EXPECT_EQ(tbl.ctrlRowNames[r], csv.ctrlRowNames[r]);
    EXPECT_EQ(tbl.itoOrderCount, csv.itoOrderCount);
    EXPECT_EQ(tbl.txOrderCount, csv.txOrderCount);
}

void copyFile(const std::string& from, const std::string& to) {
    std::string bytes;
    ASSERT_TRUE(ReadBytes(from, &bytes)) << from;
    WriteBytes(to, bytes);
}

TEST(MerrowRoundTrip, DemoTable) {
    copyFile(std::string(SUITE_TEST_DATA_DIR) + "\\Q50_Online_0050.csv", "demo.csv");
    EXPECT_EQ(runMerrow("demo.csv").out, "");
    std::unique_ptr<CCsvParser> csv(new CCsvParser("demo.csv"));
    std::unique_ptr<CCsvParser> tbl(new CCsvParser("demo.tbl"));
    ASSERT_EQ(csv->fileType, 1);
    EXPECT_GT(csv->registerCount, 30);
    EXPECT_EQ(csv->chipCount, 2);
    EXPECT_EQ(csv->ctrlRowCount, 4);
    expectSameTable(*csv, *tbl);
    // The counters of ".tbl" files.
    // No "reserved" register stands before the first ItoOrder.
    EXPECT_EQ(tbl->firstItoOrder, csv->firstItoOrder);
    EXPECT_GT(tbl->nonReservedCount, 0);
    EXPECT_EQ(csv->nonReservedCount, 0);
    EXPECT_EQ(tbl->firstTxOrder, 0);
    EXPECT_GT(csv->firstTxOrder, 0);
}

TEST(MerrowRoundTrip, QuotedCellsCrLfPinsAndOrders) {
    const std::string text =
        "Online FW Tool\r\n\"id\",\"01 02 03 04\",\"t\",\"20240101\",x,x,x,\"51 34 30 31\"\r\ntitles\r\n"
        "////Order\r\n"
        "\"char reserved\",0x1,0,1\r\n"
        "char reserved,0x1,1,1,\"quoted description\"\r\n"
        "char ItoOrder0,0x1,2,1,\"last cell quoted\"\r\n"
        "char TxOrder0,0x1,3,1\r\n"
        "Pin Assignment\r\nchip,M\r\nid,\"5a\"\r\npins,2\r\np0,\"CIN3\"\r\np1,CIN4\r\n";
    WriteBytes("small.csv", text);
    EXPECT_EQ(runMerrow("small.csv").out, "");
    std::unique_ptr<CCsvParser> csv(new CCsvParser("small.csv"));
    std::unique_ptr<CCsvParser> tbl(new CCsvParser("small.tbl"));
    ASSERT_EQ(csv->fileType, 1);
    ASSERT_EQ(csv->registerCount, 4);
    EXPECT_STREQ(csv->registers[1].description, "quoted description");
    EXPECT_STREQ(csv->registers[2].description, "last cell quoted");
    EXPECT_STREQ(csv->mainCodeId, "01 02 03 04");
    EXPECT_EQ(csv->chips[0].pins[0], 3);
    expectSameTable(*csv, *tbl);
    EXPECT_EQ(csv->firstItoOrder, 2);
    EXPECT_EQ(tbl->firstItoOrder, 0);
    EXPECT_EQ(tbl->nonReservedCount, 2);
    EXPECT_EQ(csv->firstTxOrder, 3);
    EXPECT_EQ(tbl->firstTxOrder, 0);
}

}  // namespace

}  // namespace console_tools
