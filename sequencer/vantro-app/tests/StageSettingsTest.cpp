// The "&Operation Settings" button: what the stage dialog is given and what
// its OK saves, on the real settings loader and station files.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "ControllerRig.h"

namespace vantro {
namespace {

const char* kBarcodeFile = "[ScanBarcode]\nBarcodeLength=12\nTimeout=3\nBcdAuto=1\nBcdManu=0\n";

// The store saves each section followed by a blank line.
std::string Saved(const std::string& path) {
    std::string text = ReadText(path), kept;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size() - 1;
        if (end > start)
            kept += text.substr(start, end - start + 1);
        start = end + 1;
    }
    return kept;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    EXPECT_NE(std::string::npos, at) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// A GUI station that offers "ScanBarcode" (so the barcode file loads), in
// Engineer mode.
struct EngineerRig : ControllerRig {
    explicit EngineerRig(const char* firmSettingByGui = "0") {
        station.Set("MPSet.ini", "InitMod", "Console", "0");
        station.Set("MPSet.ini", "General", "FirmSettingByGUI", firmSettingByGui);
        station.Set("MPSet.ini", "OperationList", "OperationNO", "2");
        station.Set("MPSet.ini", "OperationList", "Operation2", "ScanBarcode");
        station.files["barcode.ini"] = kBarcodeFile;
        std::remove("barcode.ini.bak");
        Start();
        view.passwords = {{true, "1234"}};
        EXPECT_TRUE(controller->SwitchMode(kModeEngineer));
    }
};

TEST(SettingsButton, OkSavesTheEditedStageAndEachLoadedFile) {
    EngineerRig rig;
    rig.editor.edit = [](StageEditValues& v) {
        std::snprintf(v.stage.Operation[0], kStepNameSize, "%s", "ScanBarcode");
        v.stage.self.TxMaxTim = 30;
        v.stage.threshold.calibtime = 21;
        v.barcode.Timeout = 9;
        v.inverseXOrder = 0;
    };
    int resets = rig.view.columnResets;
    rig.controller->OnSettingsButton();
    ASSERT_EQ(1u, rig.editor.shown.size());
    EXPECT_EQ("Demo Setting", rig.editor.shown[0].title);
    EXPECT_EQ((std::vector<std::string>{"ReInstall", "ScanBarcode"}), rig.editor.shown[0].offeredOperations);

    const auto& before = rig.station.files;
    EXPECT_EQ(Replaced(before.at("config.ini"), "Operation1=ReInstall\n", "Operation1=ScanBarcode\n"),
              Saved("config.ini"));
    // Voltages are written back with two and three decimals.
    std::string openShort = before.at("openshort.ini");
    for (auto change : {std::make_pair("TxMaxTim=10\n", "TxMaxTim=30\n"),
                        std::make_pair("MinVoltage=0.5\n", "MinVoltage=0.50\n"),
                        std::make_pair("Btn_MaxVoltage=2.5\n", "Btn_MaxVoltage=2.500\n"),
                        std::make_pair("check_inv_X_order=1\n", "check_inv_X_order=0\n")})
        openShort = Replaced(openShort, change.first, change.second);
    EXPECT_EQ(openShort, Saved("openshort.ini"));
    EXPECT_EQ(Replaced(before.at("threshold.ini"), "threshold.calibtime=11\n", "threshold.calibtime=21\n"),
              Saved("threshold.ini"));
    EXPECT_EQ(Replaced(kBarcodeFile, "Timeout=3\n", "Timeout=9\n"), Saved("barcode.ini"));
    EXPECT_EQ(before.at("MPSet.ini"), ReadText("MPSet.ini"));

    EXPECT_EQ("Engineer Mode", rig.view.status);
    EXPECT_EQ(resets + 1, rig.view.columnResets);
    EXPECT_EQ(std::vector<std::string>{"ScanBarcode"}, rig.view.rows);
    EXPECT_TRUE(rig.view.boxes.empty());
}

TEST(SettingsButton, CancelLeavesEveryFileAsItWas) {
    EngineerRig rig;
    int resets = rig.view.columnResets;
    rig.controller->OnSettingsButton();
    EXPECT_EQ(1u, rig.editor.shown.size());
    for (const auto& file : rig.station.files)
        EXPECT_EQ(file.second, ReadText(file.first)) << file.first;
    EXPECT_EQ(resets, rig.view.columnResets);
    EXPECT_EQ(std::vector<std::string>{"ReInstall"}, rig.view.rows);
}

TEST(SettingsButton, FileFieldsBySetting) {
    {  // the stage names its files: editable, and an OK takes them back
        EngineerRig rig("1");
        rig.editor.edit = [](StageEditValues& v) { std::strcpy(v.files.path[0], "new.bin"); };
        rig.controller->OnSettingsButton();
        ASSERT_EQ(1u, rig.editor.shown.size());
        const StageEditValues& shown = rig.editor.shown[0];
        EXPECT_TRUE(shown.filesEditable);
        EXPECT_EQ(0, rig.fileSearch.searches);
        const char* expected[] = {"g1", "g2", "g3", "g4", "g5", "gs", "gm"};
        for (int i = 0; i < kStageFileFieldCount; ++i)
            EXPECT_STREQ(expected[i], shown.files.path[i]);
        EXPECT_EQ(Replaced(rig.station.files["config.ini"], "GUIFirmFile1=g1\n", "GUIFirmFile1=new.bin\n"),
                  Saved("config.ini"));
    }
    {  // otherwise the files found in the stage's folders, never taken back
        EngineerRig rig("0");
        std::strcpy(rig.fileSearch.files.path[0], "Firmware\\Demo\\q50.bin");
        std::strcpy(rig.fileSearch.files.path[kMutualGoldenField], "GoldenSample\\Demo\\m.csv");
        rig.editor.edit = [](StageEditValues& v) { std::strcpy(v.files.path[0], "other.bin"); };
        rig.controller->OnSettingsButton();
        ASSERT_EQ(1u, rig.editor.shown.size());
        const StageEditValues& shown = rig.editor.shown[0];
        EXPECT_FALSE(shown.filesEditable);
        EXPECT_EQ(1, rig.fileSearch.searches);
        EXPECT_EQ(rig.api.type, rig.fileSearch.deviceType);
        EXPECT_STREQ("Firmware\\Demo\\q50.bin", shown.files.path[0]);
        EXPECT_STREQ("GoldenSample\\Demo\\m.csv", shown.files.path[kMutualGoldenField]);
        EXPECT_STREQ("g1", rig.context.stage.GUIFirmFile[0]);
        EXPECT_EQ(rig.station.files["config.ini"], Saved("config.ini"));
    }
}

TEST(SettingsButton, StepFlagsLookOnlyAtTheStagesSteps) {
    ControllerRig rig;
    rig.station.Set("MPSet.ini", "InitMod", "Console", "0");
    rig.station.Set("config.ini", "Item0", "OperationNO", "2");
    rig.station.Set("config.ini", "Item0", "Operation1", "MutualTest");
    rig.station.Set("config.ini", "Item0", "Operation2", "ReInstall");
    rig.station.Set("config.ini", "Item0", "Operation3", "SelfTest");  // beyond the count
    rig.station.Set("userset.ini", "MutualShortCheck", "enable_MutualShort_check", "1");
    rig.Start();
    rig.view.passwords = {{true, "1234"}};
    ASSERT_TRUE(rig.controller->SwitchMode(kModeEngineer));
    rig.controller->OnSettingsButton();
    ASSERT_EQ(1u, rig.editor.shown.size());
    const StageEditValues& shown = rig.editor.shown[0];
    EXPECT_TRUE(shown.hasMutualStep);
    EXPECT_FALSE(shown.hasSelfStep);
    EXPECT_FALSE(shown.hasBarcodeStep);
    EXPECT_TRUE(shown.lineConstraints);
    EXPECT_TRUE(shown.operationsEditable);
    EXPECT_EQ(0, shown.checkButtonCount);
    EXPECT_EQ(1, shown.inverseXOrder);
    EXPECT_EQ(1, shown.chipCount);
}

TEST(SettingsButton, OpensNothingOutsideAnIdleEngineerMode) {
    {  // MP mode: the button is disabled, and a click that arrives opens nothing
        ControllerRig rig;
        rig.station.Set("MPSet.ini", "InitMod", "Console", "0");
        rig.Start();
        rig.controller->OnSettingsButton();
        EXPECT_TRUE(rig.editor.shown.empty());
    }
    {  // during a run
        EngineerRig rig;
        rig.controller->OnTestButton();
        ASSERT_TRUE(rig.engine->TestRunning());
        rig.controller->OnSettingsButton();
        EXPECT_TRUE(rig.editor.shown.empty());
        rig.FinishRun();
        rig.controller->OnSettingsButton();
        EXPECT_EQ(1u, rig.editor.shown.size());
    }
}

TEST(SettingsButton, AFileThatCannotBeSavedIsReportedAndKept) {
    EngineerRig rig;
    std::filesystem::remove_all("openshort.ini.bak");
    ASSERT_TRUE(std::filesystem::create_directory("openshort.ini.bak"));  // the save's copy cannot be written
    rig.editor.edit = [](StageEditValues& v) { v.stage.self.TxMaxTim = 30; };
    rig.controller->OnSettingsButton();
    std::filesystem::remove_all("openshort.ini.bak");
    EXPECT_EQ(std::vector<std::string>{"|Cannot save openshort.ini !"}, rig.view.boxes);
    EXPECT_EQ(rig.station.files["openshort.ini"], Saved("openshort.ini"));
    EXPECT_EQ("Engineer Mode", rig.view.status);
}

}  // namespace
}  // namespace vantro
