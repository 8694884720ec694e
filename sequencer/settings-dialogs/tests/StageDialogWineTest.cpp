// The stage dialog on its real template, through the editor the main dialog
// uses: its start, handlers, nested dialogs and choosers.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogDriver.h"
#include "framework/Prompt.h"

namespace vantro {
namespace {

// Opens a nested dialog from the stage dialog, types text into one control
// and leaves it by button; false when it did not open or did not close.
bool EditNested(HWND stage, int advance, const char* caption, int control, const char* text, int button) {
    PostClick(stage, advance);
    HWND nested = WaitForDialog(caption);
    if (nested == nullptr)
        return false;
    Type(nested, control, text);
    Press(nested, button);
    return WaitClosed(nested, stage);
}

TEST(StageDialogWine, StartShowsTheCopyByItsRules) {
    PromptScript script;
    DialogStageSettingsEditor editor(nullptr);
    StageEditValues values = StageValues();
    values.stage.enableLoadMutualSample = 1;
    values.inverseYOrder = 1;
    EXPECT_TRUE(EditDriven(editor, values, "B Setting", [](HWND d) {
        EXPECT_EQ(ComboItems(d, IDC_STAGE_OPER1),
                  (std::vector<std::string>{"None", "ReInstall", "MutualTest", "SelfTest"}));
        EXPECT_EQ(ComboItems(d, IDC_STAGE_OPER10).size(), 4u);
        EXPECT_EQ(ComboSelection(d, IDC_STAGE_OPER1), 1);
        EXPECT_EQ(ComboSelection(d, IDC_STAGE_OPER2), 2);
        EXPECT_EQ(ComboSelection(d, IDC_STAGE_OPER3), 0);  // "selftest" is not "SelfTest"
        for (int id : {1041, 1042, 1044, 1047, 1048, 1114, 1115, 1116, 1117, 1118})
            EXPECT_FALSE(Visible(d, id)) << id;
        for (int id : {1036, 1040})
            EXPECT_TRUE(Visible(d, id)) << id;
        for (int id : {1046, 1025, 1077, 1122, 1045, 1043})
            EXPECT_TRUE(Visible(d, id)) << id;
        for (int id : {1078, 1121, 1062, 1071, 1079, 1072, 1080, 1074, 1075})
            EXPECT_FALSE(Visible(d, id)) << id;
        EXPECT_EQ(Text(d, IDC_STAGE_FW2_PATH), "C:\\files\\f1");
        EXPECT_EQ(Text(d, IDC_STAGE_BARCODE_LENGTH), "12");
        EXPECT_EQ(Text(d, IDC_STAGE_BARCODE_TIMEOUT), "3");
        EXPECT_TRUE(Checked(d, IDC_STAGE_BARCODE_AUTO));
        EXPECT_FALSE(Checked(d, IDC_STAGE_BARCODE_MANU));
        EXPECT_EQ(Text(d, IDC_STAGE_BUTTON_NO), "1");
        EXPECT_EQ(Text(d, IDC_STAGE_BUTTON_TIMEOUT), "3000");
        EXPECT_TRUE(Checked(d, IDC_STAGE_MUTUAL_SAMPLE));
        EXPECT_FALSE(Checked(d, IDC_STAGE_SELF_SAMPLE));
        EXPECT_FALSE(Checked(d, IDC_STAGE_INVERSE_X));
        EXPECT_TRUE(Checked(d, IDC_STAGE_INVERSE_Y));
        EXPECT_TRUE(Checked(d, IDC_STAGE_SERIAL_USE));
        EXPECT_EQ(Text(d, IDC_STAGE_SERIAL_PREFIX), "SN");
        EXPECT_EQ(Text(d, IDC_STAGE_SERIAL_INITIAL), "5");
        Press(d, IDOK);
    }));
    EXPECT_STREQ(values.stage.Operation[2], "None");
    EXPECT_STREQ(values.stage.Operation[0], "ReInstall");
    EXPECT_EQ(script.Count(), 0u);

    StageEditValues five = StageValues();
    five.chipCount = 5;
    five.hasBarcodeStep = false;
    five.hasMutualStep = false;
    five.stage.enableSerialNum = 0;
    five.offeredOperations.resize(8, "None");
    EXPECT_TRUE(EditDriven(editor, five, "B Setting", [](HWND d) {
        for (int id : {1046, 1045, 1062, 1072, 1074, 1077, 1078, 1079, 1080, 1047, 1048, 1114})
            EXPECT_TRUE(Visible(d, id)) << id;
        for (int id : {1089, 1090, 1091, 1092, 1026, 1027, 1063, 1064, 1093, 1094, 1030, 1031, 1067, 1002})
            EXPECT_FALSE(Visible(d, id)) << id;
        EXPECT_TRUE(Visible(d, IDC_STAGE_SELF_ADVANCE));
        EXPECT_FALSE(Enabled(d, IDC_STAGE_SERIAL_PREFIX));
        EXPECT_FALSE(Enabled(d, IDC_STAGE_SERIAL_INITIAL));
        Press(d, IDOK);
    }));
}

TEST(StageDialogWine, OpenedAndOkKeepsValuesLongerThanShown) {
    PromptScript script;
    DialogStageSettingsEditor editor(nullptr);
    StageEditValues values = StageValues();
    values.stage.namePrefix[0] = '\0';
    std::snprintf(values.barcode.BarcodeLength, sizeof values.barcode.BarcodeLength, "%s", "1234567890");
    values.barcode.Timeout = 123456789;
    Name(values.stage.Operation[2], "SelfTest");
    StageEditValues before = values;
    EXPECT_TRUE(EditDriven(editor, values, "B Setting", [](HWND d) {
        EXPECT_EQ(Text(d, IDC_STAGE_BARCODE_LENGTH), "1234567");
        Press(d, IDOK);
    }));
    EXPECT_EQ(script.Count(), 0u);
    EXPECT_STREQ(values.barcode.BarcodeLength, "1234567890");
    EXPECT_EQ(values.barcode.Timeout, 123456789);
    EXPECT_STREQ(values.stage.namePrefix, "");
    EXPECT_EQ(values.checkButtonCount, before.checkButtonCount);
    EXPECT_EQ(values.stage.CheckBtnInval, before.stage.CheckBtnInval);
    EXPECT_TRUE(Same(values.files, before.files));
    EXPECT_TRUE(Same(values.stage.self, before.stage.self));
    for (int i = 0; i < kStageStepCount; ++i)
        EXPECT_STREQ(values.stage.Operation[i], before.stage.Operation[i]);
}

TEST(StageDialogWine, HandlersAndBoundedTexts) {
    PromptScript script;
    DialogStageSettingsEditor editor(nullptr);
    StageEditValues values = StageValues();
    values.offeredOperations.push_back(std::string(40, 'L'));
    EXPECT_TRUE(EditDriven(editor, values, "B Setting", [](HWND d) {
        Click(d, IDC_STAGE_BARCODE_MANU);
        EXPECT_FALSE(Checked(d, IDC_STAGE_BARCODE_AUTO));
        EXPECT_TRUE(Checked(d, IDC_STAGE_BARCODE_MANU));
        Click(d, IDC_STAGE_RESET);
        for (int id : kOperationCombos)
            EXPECT_EQ(ComboSelection(d, id), 0) << id;
        Select(d, IDC_STAGE_OPER2, 4);
        Type(d, IDC_STAGE_SERIAL_INITIAL, "-3");
        Type(d, IDC_STAGE_SERIAL_PREFIX, "");
        Type(d, IDC_STAGE_SERIAL_PREFIX, std::string(100, 'n'));
        Click(d, IDC_STAGE_SERIAL_USE);
        EXPECT_FALSE(Enabled(d, IDC_STAGE_SERIAL_PREFIX));
        EXPECT_FALSE(Enabled(d, IDC_STAGE_SERIAL_INITIAL));
        Type(d, IDC_STAGE_BARCODE_LENGTH, std::string(20, 'x'));
        Type(d, IDC_STAGE_BUTTON_NO, "12345678901234567890");
        Type(d, IDC_STAGE_FW1_PATH, std::string(300, 'p'));
        Click(d, IDC_STAGE_INVERSE_Y);
        Press(d, IDOK);
    }));
    std::vector<PromptRequest> boxes = script.Requests();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "initialNum Couldn't be negative.");
    EXPECT_EQ(boxes[1].text, "Prefix Couldn't be empty.");
    EXPECT_EQ(boxes[0].caption, "Vantro");
    EXPECT_EQ(boxes[1].caption, "Vantro");
    EXPECT_EQ(values.barcode.BcdAuto, 0);
    EXPECT_EQ(values.barcode.BcdManu, 1);
    EXPECT_STREQ(values.stage.Operation[0], "None");
    EXPECT_EQ(std::string(values.stage.Operation[1]), std::string(31, 'L'));
    EXPECT_STREQ(values.stage.Operation[9], "None");
    EXPECT_EQ(values.stage.initialNum, -3);
    EXPECT_EQ(std::string(values.stage.namePrefix), std::string(49, 'n'));
    EXPECT_EQ(values.stage.enableSerialNum, 0);
    EXPECT_STREQ(values.barcode.BarcodeLength, "xxxxxxx");
    EXPECT_EQ(values.checkButtonCount, 1234567);
    EXPECT_EQ(std::string(values.files.path[0]), std::string(259, 'p'));
    EXPECT_EQ(values.inverseYOrder, 1);
}

TEST(StageDialogWine, NestedThresholdDialogsCopyBackOnOkOnly) {
    DialogStageSettingsEditor editor(nullptr);
    StageEditValues values = StageValues();
    EXPECT_TRUE(EditDriven(editor, values, "B Setting", [](HWND d) {
        PostClick(d, IDC_STAGE_MUTUAL_ADVANCE);
        HWND mutual = WaitForDialog("Mutual Mode Setting");
        ASSERT_NE(mutual, nullptr);
        EXPECT_EQ(GetWindow(mutual, GW_OWNER), d);
        EXPECT_EQ(Text(mutual, IDC_MUTUAL_TARGET_NEG), "20");
        Type(mutual, IDC_MUTUAL_TARGET_NEG, "12");
        Press(mutual, IDCANCEL);
        ASSERT_TRUE(WaitClosed(mutual, d));
        Press(d, IDOK);
    }));
    EXPECT_EQ(values.stage.mutual.NegTargetMutl, -20);

    StageEditValues cancelled = StageValues();
    EXPECT_FALSE(EditDriven(editor, cancelled, "B Setting", [](HWND d) {
        ASSERT_TRUE(
            EditNested(d, IDC_STAGE_SELF_ADVANCE, "Self Mode Setting", IDC_SELF_RX_VOLTAGE_MAX, "2.5", IDOK));
        ASSERT_TRUE(EditNested(d, IDC_STAGE_MUTUAL_ADVANCE, "Mutual Mode Setting", IDC_MUTUAL_TARGET_NEG,
                               "12", IDOK));
        Press(d, IDCANCEL);
    }));
    EXPECT_EQ(cancelled.stage.mutual.NegTargetMutl, -20);
    EXPECT_EQ(cancelled.stage.self.MaxVoltage, 1.25);

    StageEditValues edited = StageValues();
    EXPECT_TRUE(EditDriven(editor, edited, "B Setting", [](HWND d) {
        ASSERT_TRUE(EditNested(d, IDC_STAGE_MUTUAL_ADVANCE, "Mutual Mode Setting", IDC_MUTUAL_TARGET_NEG,
                               "12", IDOK));
        Press(d, IDOK);
    }));
    EXPECT_EQ(edited.stage.mutual.NegTargetMutl, -12);
}

TEST(StageDialogWine, SerialNumberDialogFromTheStage) {
    PromptScript script;
    script.Answer(IDOK, "C:\\elsewhere");
    DialogStageSettingsEditor editor(nullptr);
    StageEditValues values = StageValues();
    values.stage.enableSerialNum = 0;
    EXPECT_TRUE(EditDriven(editor, values, "B Setting", [](HWND d) {
        // Refused: the path and flag changed in the dialog stay there.
        PostClick(d, IDC_STAGE_SERIAL_SETTINGS);
        HWND serial = WaitForDialog("Serial Number Information");
        ASSERT_NE(serial, nullptr);
        Click(serial, IDC_SERIAL_BROWSE);
        Click(serial, IDC_SERIAL_USE);
        Type(serial, IDC_SERIAL_PREFIX, "");
        Press(serial, IDOK);
        ASSERT_TRUE(WaitClosed(serial, d));
        EXPECT_EQ(Text(d, IDC_STAGE_SERIAL_PREFIX), "SN");
        EXPECT_FALSE(Checked(d, IDC_STAGE_SERIAL_USE));

        PostClick(d, IDC_STAGE_SERIAL_SETTINGS);
        serial = WaitForDialog("Serial Number Information");
        ASSERT_NE(serial, nullptr);
        Click(serial, IDC_SERIAL_USE);
        Type(serial, IDC_SERIAL_PREFIX, "LN");
        Type(serial, IDC_SERIAL_INITIAL, "12");
        Press(serial, IDOK);
        ASSERT_TRUE(WaitClosed(serial, d));
        EXPECT_EQ(Text(d, IDC_STAGE_SERIAL_PREFIX), "LN");
        EXPECT_EQ(Text(d, IDC_STAGE_SERIAL_INITIAL), "12");
        EXPECT_TRUE(Checked(d, IDC_STAGE_SERIAL_USE));
        EXPECT_TRUE(Enabled(d, IDC_STAGE_SERIAL_PREFIX));
        Press(d, IDOK);
    }));
    std::vector<PromptRequest> requests = script.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].text, "Prefix Couldn't be empty.");
    EXPECT_EQ(editor.SerialPath(), "");
    EXPECT_STREQ(values.stage.namePrefix, "LN");
    EXPECT_EQ(values.stage.initialNum, 12);
    EXPECT_EQ(values.stage.currentSerialNum, 12);
    EXPECT_EQ(values.stage.enableSerialNum, 1);
}

TEST(StageDialogWine, FileChoosersThroughTheScript) {
    PromptScript script;
    script.Answer(IDOK, "C:\\fw\\new.bin");
    script.Answer(IDCANCEL);
    script.Answer(IDOK, std::string(300, 'q'));
    script.Answer(IDCANCEL);
    script.Answer(IDCANCEL);
    DialogStageSettingsEditor editor(nullptr);
    StageEditValues values = StageValues();
    values.chipCount = 5;
    EXPECT_TRUE(EditDriven(editor, values, "B Setting", [](HWND d) {
        Click(d, IDC_STAGE_FW3_BROWSE);
        EXPECT_EQ(Text(d, IDC_STAGE_FW3_PATH), "C:\\fw\\new.bin");
        Click(d, IDC_STAGE_FW3_BROWSE);
        Click(d, IDC_STAGE_FW3_BROWSE);
        EXPECT_EQ(Text(d, IDC_STAGE_FW3_PATH), "C:\\fw\\new.bin");
        Click(d, IDC_STAGE_SELF_GOLDEN_BROWSE);
        Click(d, IDC_STAGE_MUTUAL_GOLDEN_BROWSE);
        EXPECT_EQ(Text(d, IDC_STAGE_MUTUAL_GOLDEN_PATH), "C:\\files\\f6");
        Press(d, IDOK);
    }));
    EXPECT_STREQ(values.files.path[2], "C:\\fw\\new.bin");
    std::vector<PromptRequest> requests = script.Requests();
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_EQ(requests[0].kind, PromptKind::OpenFile);
    EXPECT_EQ(requests[0].filter, "bin file(*.bin)|*.bin|bin file(*.BIN)|*.BIN||");
    EXPECT_EQ(requests[0].caption, "Load Update Firmware Bin File");
    EXPECT_EQ(requests[0].style, static_cast<UINT>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR));
    EXPECT_EQ(requests[3].filter, "golden file(*.csv)|*.csv|golden file(*.CSV)|*.CSV||");
    EXPECT_EQ(requests[3].caption, "Load Self Golden File");
    EXPECT_EQ(requests[4].caption, "Load Mutual Golden File");
}

TEST(StageDialogWine, RealOpenFileDialogClosedChangesNothing) {
    DialogStageSettingsEditor editor(nullptr);
    StageEditValues values = StageValues();
    EXPECT_TRUE(EditDriven(editor, values, "B Setting", [](HWND d) {
        PostClick(d, IDC_STAGE_MUTUAL_GOLDEN_BROWSE);
        HWND chooser = WaitForDialog("Load Mutual Golden File");
        ASSERT_NE(chooser, nullptr);
        PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(WaitClosed(chooser, d));
        Press(d, IDOK);
    }));
    EXPECT_STREQ(values.files.path[kMutualGoldenField], "C:\\files\\f6");
}

}  // namespace
}  // namespace vantro
