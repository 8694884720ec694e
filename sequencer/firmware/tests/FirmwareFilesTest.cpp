// The firmware file of every chip from the stage's folder, the golden-sample
// search and the sequence code.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "FirmwareRig.h"
#include "vantro/SequenceCode.h"

namespace vantro {
namespace firmware_test {
namespace {

struct FirmwareFile {
    const char* name;
    int interfaceByte, kindByte, slaveByte;
};

class FileChoice : public FirmwareTest {
protected:
    int Choose(int deviceType, const std::vector<FirmwareFile>& files, int chips) {
        for (const FirmwareFile& f : files)
            PutFirmware(std::string("fw/") + f.name, f.interfaceByte, f.kindByte, f.slaveByte);
        Chips(chips);
        interfaceValue = -9;
        return operations.Files().FindFirmwareFiles(deviceType, interfaceValue);
    }
    std::vector<std::string> Slots(int count = kFirmwareSlotCount) {
        std::vector<std::string> slots;
        for (int i = 0; i < count; ++i)
            slots.push_back(operations.FirmwareSlot(i));
        return slots;
    }
    std::string Fw(const char* name) { return Native(std::string("fw/") + name); }
    int interfaceValue = 0;
};

TEST_F(FileChoice, KindBytesMapToKinds) {
    const int kindBytes[] = {0, 1, 11, 5, 10, 2, 4, 12, 255};
    const int kinds[] = {0, 1, 1, 2, 7, 9, 9, 9, 9};
    for (size_t i = 0; i < sizeof kinds / sizeof kinds[0]; ++i)
        EXPECT_EQ(kinds[i], FirmwareKindOf(kindBytes[i])) << kindBytes[i];

    FirmwareFiles& files = operations.Files();
    PutFirmware("a.bin", 1, 11, 0);
    EXPECT_EQ(1, files.ClassifyFirmwareFile("a.bin"));
    EXPECT_TRUE(files.firmware.kind11);
    EXPECT_EQ(1, files.firmware.table[1 + 3 * 1].count);
    EXPECT_STREQ("a.bin", files.firmware.table[1 + 3 * 1].path);
}

TEST_F(FileChoice, OneCasePerDeviceType) {
    struct Case {
        const char* what;
        int type;
        int chips;
        std::vector<FirmwareFile> files;
        int result;
        std::vector<std::string> slots;  // the first ones; the rest stay empty
        int interfaceValue;
    };
    const std::vector<Case> cases = {
        {"type 9, three chips",
         9,
         3,
         {{"m.bin", 2, 1, 2}, {"a.bin", 1, 5, 0}, {"b.bin", 1, 6, 0}},
         0,
         {"m.bin", "a.bin", "b.bin"},
         -1},
        {"slave falls back to (9,1)",
         9,
         2,
         {{"m.bin", 2, 1, 1}, {"u.bin", 1, 3, 0}},
         0,
         {"m.bin", "u.bin"},
         -1},
        {"one chip (0,2)", 9, 1, {{"s.bin", 2, 0, 0}}, 0, {"s.bin"}, 2},
        {"one chip falls back to (9,2)", 9, 1, {{"s.bin", 2, 4, 0}}, 0, {"s.bin"}, 2},
        {"type 4 one chip, any header", 4, 1, {{"x.bin", 1, 200, 0}}, 0, {"x.bin"}, 1},
        {"type 6 two chips: interface 2, then type 9",
         6,
         2,
         {{"m.bin", 2, 1, 1}, {"a.bin", 1, 5, 0}},
         0,
         {"m.bin", "a.bin"},
         2},
        {"type 11 one chip (0,1)", 11, 1, {{"h.bin", 1, 0, 0}}, 0, {"h.bin"}, 1},
        {"type 11 one chip, not (0,2)", 11, 1, {{"h.bin", 2, 0, 0}}, -2, {}, 2},
        {"type 11 two chips", 11, 2, {{"m.bin", 1, 1, 1}, {"a.bin", 1, 5, 0}}, -2, {}, -1},
        {"type 2", 2, 1, {{"s.bin", 2, 0, 0}}, 0, {}, 2},
        {"type 8", 8, 1, {{"s.bin", 2, 0, 0}}, 0, {}, 2},
        {"type 10", 10, 1, {{"s.bin", 2, 0, 0}}, 0, {}, 2},
        {"type 12", 12, 1, {{"s.bin", 2, 0, 0}}, 0, {}, 2},
        {"type 13", 13, 1, {{"s.bin", 2, 0, 0}}, -2, {}, 2},
        {"count differs", 9, 2, {{"m.bin", 2, 1, 1}}, -1, {}, 2},
        {"slave number does not fit", 9, 2, {{"m.bin", 2, 1, 3}, {"a.bin", 1, 5, 0}}, -3, {}, -1},
        {"slave byte 0xFF fits",
         9,
         2,
         {{"m.bin", 2, 1, 0xFF}, {"a.bin", 1, 5, 0}},
         0,
         {"m.bin", "a.bin"},
         -1},
        {"two masters clear their entry", 9, 2, {{"m.bin", 2, 1, 1}, {"n.bin", 2, 1, 1}}, -2, {}, 2},
        {"missing slave empties the master too", 9, 2, {{"m.bin", 2, 1, 1}, {"a.bin", 2, 5, 0}}, -2, {}, 2},
        {"type 4: a missing slave empties the master",
         4,
         2,
         {{"m.bin", 2, 1, 1}, {"a.bin", 2, 5, 0}},
         -2,
         {},
         2},
        {"type 6: a missing slave empties the master",
         6,
         2,
         {{"m.bin", 2, 1, 1}, {"a.bin", 2, 5, 0}},
         -2,
         {},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all("fw");
        const int result = Choose(c.type, c.files, c.chips);
        EXPECT_EQ(c.result, result);
        std::vector<std::string> expected;
        for (const std::string& name : c.slots)
            expected.push_back(Fw(name.c_str()));
        expected.resize(kFirmwareSlotCount);
        EXPECT_EQ(expected, Slots());
        // The last file's interface byte depends on the listing order when files differ.
        if (c.interfaceValue >= 0) {
            EXPECT_EQ(c.interfaceValue, interfaceValue);
        }
    }
}

TEST_F(FileChoice, TenChipsTheLastOnesFallBackToUnassigned) {
    // Slaves 1-6 by kinds 2-7; no kind byte gives kind 8, kind 9 is the
    // unassigned entry itself and there is no kind 10: chips 7, 8 and 9 all
    // take (9,1).  Two files at (9,0) make up the count and are used nowhere.
    std::vector<FirmwareFile> files = {
        {"m.bin", 2, 1, 9}, {"u.bin", 1, 3, 0}, {"x1.bin", 0, 2, 0}, {"x2.bin", 0, 2, 0}};
    const char* names[] = {"s1.bin", "s2.bin", "s3.bin", "s4.bin", "s5.bin", "s6.bin"};
    for (int i = 0; i < 6; ++i)
        files.push_back({names[i], 1, 5 + i, 0});
    EXPECT_EQ(0, Choose(9, files, 10));
    std::vector<std::string> expected = {Fw("m.bin")};
    for (const char* name : names)
        expected.push_back(Fw(name));
    expected.insert(expected.end(), 3, Fw("u.bin"));
    EXPECT_EQ(expected, Slots());
}

TEST_F(FileChoice, FilesEnteredNowhere) {
    struct Case {
        const char* what;
        std::string folder;
        int interfaceByte;
        size_t size;
    };
    // A folder deep enough that folder, separator and name exceed 259 characters.
    const std::string deep = "fw/" + std::string(150, 'd') + "/" + std::string(110, 'e');
    for (const Case& c : {Case{"interface byte 3", "fw", 3, 0xC029}, Case{"a 1000-byte file", "fw", 2, 1000},
                          Case{"a path over 259 characters", deep, 2, 0xC029}}) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all("fw");
        Chips(1);
        SetText(settings.stage.AutoFirmFile, c.folder);
        std::error_code error;
        std::filesystem::create_directories(c.folder, error);
        {
            std::ofstream out(c.folder + "/s.bin", std::ios::binary);
            out << FirmwareBytes(c.interfaceByte, 0, 0, c.size);
        }
        std::vector<FolderEntry> listed;
        if (!system.ListEntries(c.folder.c_str(), listed) || listed.size() != 1 || listed[0].name != "s.bin")
            continue;  // the platform cannot list so long a path (Windows' MAX_PATH)
        int value = -9;
        EXPECT_EQ(-2, operations.Files().FindFirmwareFiles(9, value));
        EXPECT_EQ(0, value);
        for (const FirmwareTableEntry& entry : operations.Files().firmware.table)
            EXPECT_EQ(0, entry.count);
        // Even a bridge, which takes its one file whatever its header, gets no cut path.
        EXPECT_EQ(c.folder == deep ? -2 : 0, operations.Files().FindFirmwareFiles(4, value));
        EXPECT_EQ(c.folder == deep ? "" : Fw("s.bin"), operations.FirmwareSlot(0));
    }
}

TEST_F(FileChoice, OnlyBinFilesCount) {
    PutFirmware("fw/UP.BIN", 2, 0, 0);
    PutFirmware("fw/a.binx", 2, 0, 0);
    MakeFolder("fw/x.bin");
    EXPECT_EQ(0, Choose(9, {}, 1));
    EXPECT_EQ(Fw("UP.BIN"), operations.FirmwareSlot(0));
}

TEST_F(FileChoice, SlaveNumberStaysFromAnEarlierScan) {
    EXPECT_EQ(0, operations.Files().firmware.slaveNumber);
    EXPECT_EQ(0, Choose(9, {{"m.bin", 2, 1, 1}, {"a.bin", 1, 5, 0}}, 2));
    std::filesystem::remove_all("fw");
    // No single-chip or master file: the slave number 1 from before stays.
    EXPECT_EQ(-3, Choose(9, {{"a.bin", 1, 5, 0}}, 1));
}

TEST_F(FileChoice, NamedFilesFillFiveSlotsAndEmptyTheRest) {
    PutFirmware("fw/m.bin", 2, 11, 9);
    for (int i = 0; i < 9; ++i)
        PutFirmware("fw/s" + std::to_string(i) + ".bin", 1, 5 + (i % 6), 0);
    Chips(10);
    int value = 0;
    operations.Files().FindFirmwareFiles(9, value);
    std::snprintf(settings.stage.GUIFirmFile[0], kStagePathSize, "%s", "one.bin");
    std::snprintf(settings.stage.GUIFirmFile[4], kStagePathSize, "%s", "five.bin");
    PutFirmware("one.bin", 1, 1, 0);
    ASSERT_TRUE(operations.Files().firmware.kind11);
    operations.Files().TakeNamedFiles();
    EXPECT_EQ((std::vector<std::string>{"one.bin", "", "", "", "five.bin", "", "", "", "", ""}), Slots());
    EXPECT_FALSE(operations.Files().firmware.kind11);  // cleared, then slot 0 read
    EXPECT_EQ(1, operations.Files().firmware.interfaceValue);
}

TEST_F(FileChoice, GoldenSearchKeepsOneFileOfEachKind) {
    MakeFolder("golden");
    test_support::WriteBytes("golden/self.csv", "x");
    test_support::WriteBytes("golden/mutual.CSV", "x");
    test_support::WriteBytes("golden/other.csv", "x");
    test_support::WriteBytes("golden/self.txt", "x");
    snprintf(state.selfGoldenPath, kOperationPathSize, "%s", "stale");
    operations.FindGoldenFile();
    EXPECT_STREQ(Native("golden/self.csv").c_str(), state.selfGoldenPath);
    EXPECT_STREQ(Native("golden/mutual.CSV").c_str(), state.mutualGoldenPath);
    EXPECT_EQ(1, operations.Files().golden.self);

    test_support::WriteBytes("golden/self2.csv", "x");
    operations.FindGoldenFile();
    EXPECT_STREQ("", state.selfGoldenPath);
    EXPECT_EQ(2, operations.Files().golden.self);
    EXPECT_STREQ(Native("golden/mutual.CSV").c_str(), state.mutualGoldenPath);
}

TEST(SequenceCode, EveryOperationsCode) {
    const std::vector<std::pair<const char*, int>> codes = {
        {"I2C I/F Test", 0x69},
        {"HasCalibration", 0x51},
        {"HardCalibration", 0x48},
        {"ClearCalibFlag", 0x45},
        {"OnlineSetParm", 0x4F},
        {"ReserveFwParm", 0x70},
        {"SPIUpdateFirmware", 0x50},
        {"UpdateFirmware", 0x55},
        {"ReInstall", 0x72},
        {"SelfTest", 0x53},
        {"MutualTest", 0x4D},
        {"LinearTest", 0x4C},
        {"AccuracyTest", 0x41},
        {"TraceTest", 0x54},
        {"VUZA_LinearTest", 0x6C},
        {"VUZA_CornerTest", 0x63},
        {"VUZA_OpenshortTest", 0x6F},
        {"VUZA_MultiTouchTest", 0x74},
        {"CrosslineTest", 0x6C},
        {"MultiTouchTest", 0x74},
        {"MultiTraceTest", 0x54},
        {"TenFingersTest", 0x46},
        {"SoftReset", 0x52},
        {"ScanBarcode", 0x42},
        {"CheckFWID", 0x43},
        {"Ferrit", 0x49},
        {"IsOkFW", 0x4B},
        {"Uniformity", 0x75},
        {"Gannick", 0x44},
        {"JumpToNextSetting", 0x4A},
        {"Mirrant", 0x57},
        {"Tolvane", 0x66},
        {"Yarrowe", 0x64},
        {"LinearTest_NoOrder", 0x4C},
        {"GetFWID", 0x43},
        {"None", 0x30},
        {"selftest", 0x30},
        {"", 0x30},
    };
    for (const auto& named : codes)
        EXPECT_EQ(named.second, StepCodeOf(named.first)) << named.first;
}

TEST(SequenceCode, Table) {
    struct Case {
        std::vector<const char*> names;
        int count;
        const char* code;
    };
    const std::vector<Case> cases = {
        {{"OnlineSetParm", "UpdateFirmware"}, 2, "/i0100060611274F55"},
        {{"UpdateFirmware", "SelfTest", "MutualTest"}, 3, "/i01000606112755534D"},
        {{"None", "NoSuchStep"}, 2, "/i0100060611273030"},
        {{"LinearTest_NoOrder", "GetFWID", "Yarrowe"}, 3, "/i0100060611274C4364"},
        {{"UpdateFirmware"}, 0, "/i010006061127"},
        {{"UpdateFirmware"}, -1, "/i010006061127"},
    };
    for (const Case& c : cases) {
        char steps[12][kStepNameSize] = {};
        for (size_t i = 0; i < c.names.size(); ++i)
            std::snprintf(steps[i], kStepNameSize, "%s", c.names[i]);
        char code[kSequenceCodeSize];
        BuildSequenceCode(steps, c.count, code);
        EXPECT_STREQ(c.code, code) << c.names[0];
    }
    char steps[12][kStepNameSize] = {};
    for (auto& step : steps)
        std::snprintf(step, kStepNameSize, "%s", "Tolvane");
    char code[kSequenceCodeSize];
    BuildSequenceCode(steps, 10, code);
    EXPECT_EQ(34u, std::strlen(code));
    BuildSequenceCode(steps, 12, code);
    EXPECT_STREQ("/i01000606112766666666666666666666", code);
}

}  // namespace
}  // namespace firmware_test
}  // namespace vantro
