// The four settings dialogs on their real templates: each opened modally on
// this thread and driven from a second one as an operator would (texts set,
// buttons clicked when enabled, combo items chosen), boxes and choosers
// answered by a prompt script.
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "DialogDriver.h"
#include "framework/Prompt.h"

namespace vantro {
namespace {

TEST(SettingsDialogsWine, TemplatesHoldEveryControlWithItsText) {
    struct Control {
        UINT dialog;
        int id;
        const char* className;
        LONG buttonType;   // BS_ type for buttons, -1 otherwise
        const char* text;  // nullptr: not checked
    };
    const Control controls[] = {
        {IDD_SET_SELF, IDC_SELF_TX_TIME_MIN, "Edit", -1, nullptr},
        {IDD_SET_SELF, IDC_SELF_RX_VOLTAGE_MAX, "Edit", -1, nullptr},
        {IDD_SET_SELF, IDC_SELF_BTN_NEG, "Edit", -1, nullptr},
        {IDD_SET_SELF, IDC_SELF_BTN_GROUP, "Button", BS_GROUPBOX, "Button Constraints"},
        {IDD_SET_SELF, IDC_SELF_BTN_TIME_MIN_LABEL, "Static", -1, "Time min:"},
        {IDD_SET_SELF, IDC_SELF_BTN_THRESHOLD_GROUP, "Button", BS_GROUPBOX, "Time and Voltage Threshold (%)"},
        {IDD_SET_SELF, IDC_SELF_BTN_POST_LABEL, "Static", -1, "Post :"},
        {IDD_SET_SELF, IDC_SELF_BTN_NEG_LABEL, "Static", -1, "Neg:"},
        {IDD_SET_MUTUAL, IDC_MUTUAL_TARGET_NEG, "Edit", -1, nullptr},
        {IDD_SET_MUTUAL, IDC_MUTUAL_LOOP_MIN, "Edit", -1, nullptr},
        {IDD_SET_MUTUAL, IDC_MUTUAL_BTN_GROUP, "Button", BS_GROUPBOX, "Button Constraints"},
        {IDD_SET_MUTUAL, IDC_MUTUAL_BTN_VOLTAGE_GROUP, "Button", BS_GROUPBOX,
         "Voltage Threshold  with Golden Sample (%)"},
        {IDD_SET_MUTUAL, IDC_MUTUAL_BTN_TARGET_GROUP, "Button", BS_GROUPBOX, "Target  Voltage Threshold (%)"},
        {IDD_SET_MUTUAL, IDC_MUTUAL_BTN_TARGET_NEG_LABEL, "Static", -1, "Neg :"},
        {IDD_SET_MUTUAL, IDC_MUTUAL_BTN_TARGET_POST_LABEL, "Static", -1, "Post :"},
        {IDD_SET_SERIAL_NUM, IDC_SERIAL_PATH, "Edit", -1, nullptr},
        {IDD_SET_SERIAL_NUM, IDC_SERIAL_USE, "Button", BS_AUTOCHECKBOX, "Use Serial Number"},
        {IDD_SET_SERIAL_NUM, IDC_SERIAL_BROWSE, "Button", BS_PUSHBUTTON, "&Browse..."},
        {IDD_SET_STAGE, IDC_STAGE_OPER8, "ComboBox", -1, nullptr},
        {IDD_SET_STAGE, IDC_STAGE_OPER10_LABEL, "Static", -1, "Oper10:"},
        {IDD_SET_STAGE, IDC_STAGE_FW5_GROUP, "Button", BS_GROUPBOX, "5th FW Info ( Slave3 )"},
        {IDD_SET_STAGE, IDC_STAGE_FW3_BROWSE, "Button", BS_PUSHBUTTON, "Browse..."},
        {IDD_SET_STAGE, IDC_STAGE_SELF_SAMPLE, "Button", BS_AUTOCHECKBOX, "Load Sample File"},
        {IDD_SET_STAGE, IDC_STAGE_MUTUAL_ADVANCE, "Button", BS_PUSHBUTTON, "Advance"},
        {IDD_SET_STAGE, IDC_STAGE_SERIAL_USE, "Button", BS_AUTOCHECKBOX, "Use Serial Number"},
        {IDD_SET_STAGE, IDC_STAGE_SERIAL_BROWSE, "Button", BS_PUSHBUTTON, "&Browse..."},
        {IDD_SET_STAGE, IDC_STAGE_SERIAL_SETTINGS, "Button", BS_PUSHBUTTON, "Serial Number Settings"},
        {IDD_SET_STAGE, IDC_STAGE_BARCODE_AUTO, "Button", BS_RADIOBUTTON, "Auto"},
        {IDD_SET_STAGE, IDC_STAGE_BARCODE_MANU, "Button", BS_RADIOBUTTON, "Manu"},
        {IDD_SET_STAGE, IDC_STAGE_INVERSE_X, "Button", BS_AUTOCHECKBOX, "Inverse X-ray Order"},
        {IDD_SET_STAGE, IDC_STAGE_INVERSE_Y, "Button", BS_AUTOCHECKBOX, "Inverse Y-ray Order"},
        {IDD_SET_STAGE, IDC_STAGE_RESET, "Button", BS_PUSHBUTTON, "Reset"},
        {IDD_SET_STAGE, IDC_STAGE_BUTTON_NO, "Edit", -1, nullptr},
        {IDD_SET_STAGE, IDC_STAGE_BARCODE_SEC_LABEL, "Static", -1, "(sec)"},
    };
    // Every id the dialogs use, besides the ones above.
    const std::vector<std::pair<UINT, std::vector<int>>> ids = {
        {IDD_SET_SELF, {1015, 1026, 1016, 1027, 1020, 1030, 1008, 1010, 1012, 1013, 1022, 1023, 1018,
                        1028, 1019, 1029, 1009, 1011, 1107, 1017, 1108, 1109, 1110, 1111, 1112, 1113}},
        {IDD_SET_MUTUAL, {1025, 1026, 1009, 1011, 1021, 1023, 1010, 1012, 1022, 1024, 1027, 1028, 1013, 1017,
                          1015, 1016, 1014, 1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104, 1105, 1106}},
        {IDD_SET_SERIAL_NUM, {1020, 1021, 1022, 1024, 1029}},
        {IDD_SET_STAGE, {1036, 1037, 1038, 1039, 1040, 1041, 1042, 1044, 1047, 1048, 1114, 1115, 1116,
                         1117, 1118, 1046, 1045, 1062, 1072, 1074, 1025, 1043, 1071, 1073, 1075, 1077,
                         1078, 1079, 1080, 1119, 1120, 1121, 1122, 1021, 1029, 1066, 1001, 1095, 1096,
                         1030, 1031, 1067, 1002, 1093, 1094, 1020, 1022, 1023, 1049, 1024, 1013, 1026,
                         1027, 1063, 1064, 1089, 1090, 1091, 1092, 1032, 1033, 1034, 1051, 1035, 1124}},
    };
    const struct {
        UINT id;
        const char* caption;
    } templates[] = {{IDD_SET_SELF, "Self Mode Setting"},
                     {IDD_SET_MUTUAL, "Mutual Mode Setting"},
                     {IDD_SET_SERIAL_NUM, "Serial Number Information"},
                     {IDD_SET_STAGE, "Stage Setting"}};
    for (const auto& t : templates) {
        CDialog dialog(t.id);
        ASSERT_TRUE(dialog.Create(t.id)) << t.id;
        EXPECT_EQ(dialog.GetWindowText(), t.caption);
        for (const Control& c : controls) {
            if (c.dialog != t.id)
                continue;
            HWND control = dialog.GetDlgItem(c.id);
            ASSERT_NE(control, nullptr) << t.id << " " << c.id;
            char className[32] = "";
            GetClassNameA(control, className, sizeof className);
            EXPECT_STRCASEEQ(className, c.className) << c.id;
            if (c.buttonType >= 0) {
                EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK, c.buttonType) << c.id;
            }
            if (c.text) {
                EXPECT_EQ(dialog.GetDlgItemText(c.id), c.text) << c.id;
            }
        }
        for (const auto& list : ids) {
            if (list.first != t.id)
                continue;
            for (int id : list.second)
                EXPECT_NE(dialog.GetDlgItem(id), nullptr) << t.id << " " << id;
        }
        dialog.DestroyWindow();
    }
}

TEST(SettingsDialogsWine, CaptionsAndEveryWayOfCancelling) {
    SelfDialogValues self;
    self.self.MaxVoltage = 1.25;
    DialogSetSelf selfDialog(self);
    EXPECT_EQ(RunDriven(selfDialog, "Self Mode Setting",
                        [](HWND d) {
                            Type(d, IDC_SELF_RX_VOLTAGE_MAX, "3.5");
                            Press(d, IDCANCEL);
                        }),
              IDCANCEL);

    MutualDialogValues mutual;
    DialogSetMutual mutualDialog(mutual);
    EXPECT_EQ(RunDriven(mutualDialog, "Mutual Mode Setting",
                        [](HWND d) {
                            Type(d, IDC_MUTUAL_TARGET_NEG, "12");
                            PostMessageA(GetDlgItem(d, IDC_MUTUAL_TARGET_NEG), WM_KEYDOWN, VK_ESCAPE, 0);
                        }),
              IDCANCEL);

    SerialNumberRecord record;
    DialogSetSerialNum serial(record);
    EXPECT_EQ(RunDriven(serial, "Serial Number Information",
                        [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }),
              IDCANCEL);

    DialogStageSettingsEditor editor(nullptr);
    StageEditValues values = StageValues();
    bool edited = true;
    std::thread driver([] {
        HWND d = WaitForDialog("B Setting");
        ASSERT_NE(d, nullptr);
        Click(d, IDC_STAGE_INVERSE_X);
        Type(d, IDC_STAGE_BUTTON_NO, "4");
        PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    edited = editor.Edit(values);
    driver.join();
    EXPECT_FALSE(edited);
    EXPECT_EQ(values.inverseXOrder, 0);
    EXPECT_EQ(values.checkButtonCount, 1);
}

TEST(SettingsDialogsWine, ThresholdRulesAndValues) {
    SelfDialogValues readOnly;
    readOnly.editable = 0;
    readOnly.checkButtonCount = 1;
    readOnly.self.MinVoltage = 1.04;
    readOnly.self.NegVolThreshold = -3;
    DialogSetSelf shown(readOnly);
    EXPECT_EQ(RunDriven(shown, "Self Mode Setting",
                        [](HWND d) {
                            for (int id : {1015, 1026, 1016, 1027, 1008, 1013, 1018, 1029, 1011})
                                EXPECT_FALSE(Enabled(d, id)) << id;
                            EXPECT_EQ(Text(d, IDC_SELF_RX_VOLTAGE_MIN), "1.0");
                            EXPECT_EQ(Text(d, IDC_SELF_RX_VOLTAGE_NEG), "3");
                            EXPECT_TRUE(Visible(d, IDC_SELF_BTN_GROUP));
                            Press(d, IDOK);
                        }),
              IDOK);
    EXPECT_TRUE(Same(shown.Values().self, readOnly.self));

    SelfDialogValues noGolden;
    noGolden.goldenComparison = 0;
    noGolden.checkButtonCount = 0;
    DialogSetSelf typed(noGolden);
    EXPECT_EQ(RunDriven(typed, "Self Mode Setting",
                        [](HWND d) {
                            for (int id : {1008, 1010, 1012, 1013, 1022, 1023})
                                EXPECT_FALSE(Enabled(d, id)) << id;
                            for (int id : {1015, 1026, 1016, 1027, 1020, 1030})
                                EXPECT_TRUE(Enabled(d, id)) << id;
                            for (int id : {1107, 1017, 1108, 1113, 1018, 1019, 1028, 1029, 1009, 1011})
                                EXPECT_FALSE(Visible(d, id)) << id;
                            Type(d, IDC_SELF_RX_VOLTAGE_MAX, "2.75");
                            Type(d, IDC_SELF_RX_VOLTAGE_MIN, "1.5abc");
                            Type(d, IDC_SELF_TX_TIME_MIN, "44");
                            Type(d, IDC_SELF_TX_TIME_MIN, "abc");
                            Type(d, IDC_SELF_RX_TIME_MAX, std::string(30, '7'));
                            Type(d, IDC_SELF_RX_VOLTAGE_MIN, "123456789012345678901234567890");
                            Press(d, IDOK);
                        }),
              IDOK);
    EXPECT_EQ(typed.Values().self.MaxVoltage, 2.75);
    EXPECT_EQ(typed.Values().self.MinVoltage, 123456789.0);
    EXPECT_EQ(typed.Values().self.TxMinTim, 44);
    EXPECT_EQ(typed.Values().self.RxMaxTim, 0);

    MutualDialogValues lines;
    lines.lineConstraints = 0;
    lines.goldenLoaded = 1;
    lines.checkButtonCount = 1;
    lines.mutual.NegCalib = -7;
    DialogSetMutual mutual(lines);
    EXPECT_EQ(RunDriven(mutual, "Mutual Mode Setting",
                        [](HWND d) {
                            for (int id : {1013, 1017, 1015, 1016, 1014})
                                EXPECT_FALSE(Enabled(d, id)) << id;
                            for (int id : {1009, 1011, 1021, 1023, 1025, 1026})
                                EXPECT_TRUE(Enabled(d, id)) << id;
                            for (int id : {1097, 1106, 1027, 1028, 1010, 1012, 1022, 1024})
                                EXPECT_TRUE(Visible(d, id)) << id;
                            EXPECT_EQ(Text(d, IDC_MUTUAL_CALIB_NEG), "7");
                            Type(d, IDC_MUTUAL_TARGET_NEG, "12");
                            Type(d, IDC_MUTUAL_BTN_CALIB_NEG, "-4");
                            Press(d, IDOK);
                        }),
              IDOK);
    EXPECT_EQ(mutual.Values().mutual.NegTargetMutl, -12);
    EXPECT_EQ(mutual.Values().mutual.BtnNegCalib, 4);
    EXPECT_EQ(mutual.Values().mutual.NegCalib, -7);

    DialogSetMutual reopened(mutual.Values());
    EXPECT_EQ(RunDriven(reopened, "Mutual Mode Setting",
                        [](HWND d) {
                            EXPECT_EQ(Text(d, IDC_MUTUAL_TARGET_NEG), "12");
                            Press(d, IDOK);
                        }),
              IDOK);
}

TEST(SettingsDialogsWine, SelfDialogOpenedAndClosedKeepsEveryDigit) {
    SelfDialogValues values;
    values.self.MinVoltage = 0.35;
    values.self.Btn_MinVoltage = 0.875;
    values.self.NegVolThreshold = -3;
    values.goldenComparison = 1;
    values.checkButtonCount = 1;
    DialogSetSelf dialog(values);
    EXPECT_EQ(RunDriven(dialog, "Self Mode Setting", [](HWND d) { Press(d, IDOK); }), IDOK);
    EXPECT_TRUE(Same(dialog.Values().self, values.self));
}

TEST(SettingsDialogsWine, SerialNumberDialog) {
    SerialNumberRecord record;
    record.path = "C:\\units";
    std::snprintf(record.namePrefix, sizeof record.namePrefix, "%s", "SN");
    record.initialNum = 40;
    record.enableSerialNum = 0;
    PromptScript script;
    script.Answer(IDCANCEL);
    script.Answer(IDOK, "C:\\units\\line2");
    DialogSetSerialNum dialog(record);
    EXPECT_EQ(RunDriven(dialog, "Serial Number Information",
                        [](HWND d) {
                            EXPECT_EQ(Text(d, IDC_SERIAL_PATH), "C:\\units");
                            EXPECT_EQ(Text(d, IDC_SERIAL_PREFIX), "SN");
                            EXPECT_EQ(Text(d, IDC_SERIAL_INITIAL), "40");
                            EXPECT_FALSE(Checked(d, IDC_SERIAL_USE));
                            EXPECT_FALSE(Enabled(d, IDC_SERIAL_PREFIX));
                            EXPECT_FALSE(Enabled(d, IDC_SERIAL_INITIAL));
                            Click(d, IDC_SERIAL_USE);
                            EXPECT_TRUE(Enabled(d, IDC_SERIAL_PREFIX));
                            EXPECT_TRUE(Enabled(d, IDC_SERIAL_INITIAL));
                            Click(d, IDC_SERIAL_BROWSE);
                            EXPECT_EQ(Text(d, IDC_SERIAL_PATH), "C:\\units");
                            Click(d, IDC_SERIAL_BROWSE);
                            EXPECT_EQ(Text(d, IDC_SERIAL_PATH), "C:\\units\\line2");
                            Type(d, IDC_SERIAL_PREFIX, std::string(100, 'p'));
                            Type(d, IDC_SERIAL_PREFIX, "");
                            Press(d, IDOK);
                        }),
              IDCANCEL);
    std::vector<PromptRequest> requests = script.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].kind, PromptKind::FolderBrowser);
    EXPECT_EQ(requests[0].caption, "Select folder");
    EXPECT_EQ(requests[0].style, static_cast<UINT>(BIF_RETURNONLYFSDIRS));
    EXPECT_EQ(requests[2].kind, PromptKind::MessageBox);
    EXPECT_EQ(requests[2].text, "Prefix Couldn't be empty.");
    EXPECT_EQ(requests[2].caption, "Prefix Couldn't be empty.");
    EXPECT_EQ(dialog.Record().path, "C:\\units\\line2");
    EXPECT_EQ(dialog.Record().enableSerialNum, 1);
}

}  // namespace
}  // namespace vantro
