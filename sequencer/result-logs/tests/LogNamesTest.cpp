// The names of screenshots, renamed result files and log folders, by the
// station's naming settings.
#include <gtest/gtest.h>

#include <cstring>

#include "LogFakes.h"
#include "vantro/LogNames.h"

namespace vantro {
namespace {

enum class Kind { Screenshot, Rename, Folder };

struct NameCase {
    const char* what;
    Kind kind;
    int fixLogPath, specifyLog, serial;  // serial: prefix "PN", number 41
    const char* barcode;
    bool withTime;
    const char* input;  // step name or path
    int outcome;        // screenshots: 2 pass; renames: 0 pass, else failed
    const char* expected;
};

const NameCase kNames[] = {
    {"fixed screenshot", Kind::Screenshot, 1, 0, 1, "B7", true, "Mutual", 2, "Mutual.jpg"},
    {"serial screenshot", Kind::Screenshot, 0, 0, 1, "", true, "Mutual", 2, "Mutual_PN41_20250102030405.jpg"},
    {"plain screenshot", Kind::Screenshot, 0, 0, 0, "", true, "Self", 2, "Self_20250102030405.jpg"},
    {"specify-log pass", Kind::Screenshot, 0, 1, 1, "B7", false, "Self", 2, "B7_ST_OK_VD.jpg"},
    {"specify-log fail", Kind::Screenshot, 0, 1, 0, "B7", false, "Mutual", 0, "B7_ST_NG_VD.jpg"},
    {"specify-log other outcome", Kind::Screenshot, 0, 1, 0, "B7", true, "Self", 3,
     "B7_ST_NG_20250102030405_VD.jpg"},
    {"barcode screenshot", Kind::Screenshot, 0, 0, 1, "B7", true, "Self", 2, "Self_B7_20250102030405.jpg"},
    {"serial rename", Kind::Rename, 0, 0, 1, "", false, "TestLogs\\Self.csv", 0, "TestLogs\\Self_PN41.csv"},
    {"plain rename", Kind::Rename, 0, 0, 0, "", true, "TestLogs\\Self.csv", 0,
     "TestLogs\\Self_20250102030405.csv"},
    {"specify-log rename failed", Kind::Rename, 0, 1, 0, "B7", false, "TestLogs\\Self.csv", -1,
     "TestLogs\\B7_ST_NG_VD.csv"},
    {"specify-log rename passed", Kind::Rename, 0, 1, 0, "B7", true, "2D_Mutual.csv", 0,
     "B7_ST_OK_20250102030405_VD.csv"},
    {"barcode rename", Kind::Rename, 0, 0, 1, "B7", false, "TestLogs\\Self.csv", 0, "TestLogs\\Self_B7.csv"},
    {"long extension", Kind::Rename, 0, 0, 0, "B7", false, "TestLogs\\Self.abcdefghijklmnopqrst", 0,
     "TestLogs\\Self_B7.abcdefghijklmn"},
    {"dot in a folder", Kind::Rename, 0, 0, 0, "B7", false, "Logs.v2\\Self", 0, "Logs.v2\\Self_B7"},
    {"serial folder", Kind::Folder, 0, 0, 1, "", true, "", 0, "Log_PN41_20250102030405"},
    {"plain folder", Kind::Folder, 0, 0, 0, "", false, "", 0, "Log"},
    {"barcode folder", Kind::Folder, 0, 0, 1, "B7", false, "", 0, "Log_B7"},
};

struct Naming {
    SequencerSettings settings;
    StageInfo stage;
    IniValue stageText{"ST"}, vendorText{"VD"};

    Naming(int fixLogPath, int specifyLog, int serial) {
        settings.General.FixLogPath = fixLogPath;
        settings.ScanBarcode.SpecifyLog = specifyLog;
        settings.ScanBarcode.Stage = IniText(&stageText);
        settings.ScanBarcode.Vendor = IniText(&vendorText);
        stage.enableSerialNum = serial;
        std::strcpy(stage.namePrefix, "PN");
        stage.currentSerialNum = 41;
    }
};

TEST(LogNames, FollowTheNamingSettings) {
    for (const NameCase& c : kNames) {
        Naming naming(c.fixLogPath, c.specifyLog, c.serial);
        const std::string barcode = c.barcode, timeText = c.withTime ? kT : "";
        const LogNameParts parts{naming.settings, naming.stage, barcode, timeText};
        std::string name;
        switch (c.kind) {
            case Kind::Screenshot:
                name = ScreenshotName(parts, c.input, c.outcome, ".jpg");
                EXPECT_EQ(ScreenshotName(parts, c.input, c.outcome, ".bmp"),
                          name.substr(0, name.size() - 4) + ".bmp")
                    << c.what;
                break;
            case Kind::Rename:
                name = RenamedResultPath(parts, c.input, c.outcome != 0);
                break;
            case Kind::Folder:
                name = LogFolderName(parts);
                break;
        }
        EXPECT_EQ(name, c.expected) << c.what;
        EXPECT_EQ(naming.stage.currentSerialNum, 41) << c.what << ": names leave the serial number alone";
    }
}

TEST(LogNames, DestinationIsTheOkOrNgFolderWithTheLogFolderBelow) {
    Naming naming(0, 0, 1);
    std::strcpy(naming.settings.OkFolder, "Q_OK\\");
    std::strcpy(naming.settings.NgFolder, "Q_NG");
    const std::string none, timeText;
    const LogNameParts parts{naming.settings, naming.stage, none, timeText};
    EXPECT_EQ(LogDestination(parts, true), "Q_OK\\Log_PN41");
    EXPECT_EQ(LogDestination(parts, false), "Q_NG\\Log_PN41");

    naming.settings.ScanBarcode.SpecifyLog = 1;
    std::strcpy(naming.settings.OkFolder, "logs\\20250102");
    EXPECT_EQ(LogDestination(parts, true), "logs\\20250102");

    naming.settings.OkFolder[0] = '\0';
    EXPECT_EQ(LogDestination(parts, true), "") << "no folder set: nowhere to save";
}

TEST(LogNames, ANameThatWouldPassTheLongestPathIsNeitherGivenNorCut) {
    Naming naming(0, 0, 0);
    std::strcpy(naming.settings.OkFolder, "Q_OK");
    const std::string barcode(250, 'B'), timeText = kT;
    const LogNameParts parts{naming.settings, naming.stage, barcode, timeText};
    EXPECT_EQ(ScreenshotName(parts, "Self", 2, ".jpg"), "");
    EXPECT_EQ(RenamedResultPath(parts, "TestLogs\\Self.csv", false), "");
    EXPECT_EQ(LogDestination(parts, true), "");

    // "TestLogs\" and the name and ".jpg": 259 characters fit, 260 do not.
    naming.settings.General.FixLogPath = 1;
    const std::string fits(259 - 9 - 4, 'B');
    EXPECT_EQ(ScreenshotName(parts, fits, 2, ".jpg"), fits + ".jpg");
    EXPECT_EQ(ScreenshotName(parts, fits + "x", 2, ".jpg"), "");
}

}  // namespace
}  // namespace vantro
