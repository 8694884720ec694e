// The stage dialog's start, handlers and OK on a fake dialog, with the
// nested dialogs answered by the test.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "FakeDialogView.h"
#include "StageValues.h"
#include "vantro/SettingsDialogsResource.h"
#include "vantro/StageDialog.h"

namespace vantro {
namespace {

struct FakeNested : NestedSettingsDialogs {
    std::function<bool(SelfDialogValues&)> self = [](SelfDialogValues&) { return false; };
    std::function<bool(MutualDialogValues&)> mutual = [](MutualDialogValues&) { return false; };
    std::function<bool(SerialNumberRecord&)> serial = [](SerialNumberRecord&) { return false; };
    bool EditSelf(SelfDialogValues& v) override { return self(v); }
    bool EditMutual(MutualDialogValues& v) override { return mutual(v); }
    bool EditSerialNumber(SerialNumberRecord& r) override { return serial(r); }
};

StageEditValues Values() {
    StageEditValues v = StartingStageValues();
    v.stage.threshold.calibtime = 11;
    return v;
}

struct StageDialog {
    FakeDialogView view;
    FakeNested nested;
    StageDialogModel model;
    explicit StageDialog(const StageEditValues& values, const std::string& serialPath = "C:\\serial")
        : model(view, nested, values, serialPath) {
        view.onEditChange = [this](int id) { model.OnEditChange(id); };
        view.onClick = [this](int id) { model.OnClick(id); };
        view.onComboChange = [this](int id) { model.OnComboChange(id); };
        model.OnInit();
    }
    const StageEditValues& Ok() {
        model.OnOK();
        return model.Values();
    }
};

std::set<int> Hidden(FakeDialogView& view, const std::set<int>& ids) {
    std::set<int> hidden;
    for (int id : ids)
        if (!view.Visible(id))
            hidden.insert(id);
    return hidden;
}

TEST(StageDialog, CombosOfferTheNamesAndSelectTheExactMatch) {
    StageEditValues values = Values();
    values.offeredOperations.push_back("selftest");
    Name(values.stage.Operation[3], "selftest");
    Name(values.stage.Operation[4], "Selftest");
    values.offeredOperations = {"SelfTest", "None", "ReInstall", "MutualTest", "selftest"};
    StageDialog dialog(values);
    EXPECT_EQ(dialog.view.caption, "B Setting");
    for (int combo : kOperationCombos)
        EXPECT_EQ(dialog.view.controls[combo].items, values.offeredOperations) << combo;
    EXPECT_EQ(dialog.view.controls[IDC_STAGE_OPER1].selection, 2);
    EXPECT_EQ(dialog.view.controls[IDC_STAGE_OPER4].selection, 4);
    EXPECT_EQ(dialog.view.controls[IDC_STAGE_OPER5].selection, 0);  // no exact match
    EXPECT_EQ(dialog.view.controls[IDC_STAGE_OPER6].selection, 1);
    const StageEditValues& ok = dialog.Ok();
    EXPECT_STREQ(ok.stage.Operation[4], "SelfTest");
    EXPECT_STREQ(ok.stage.Operation[3], "selftest");
    EXPECT_STREQ(ok.stage.Operation[0], "ReInstall");
}

TEST(StageDialog, CombosHideByOfferedCount) {
    const std::set<int> ids = {1041, 1042, 1044, 1047, 1048, 1114, 1115, 1116, 1117, 1118};
    struct Case {
        size_t offered;
        std::set<int> hidden;
    };
    const Case cases[] = {
        {4, ids},
        {5, {1047, 1048, 1114, 1115}},
        {7, {1047, 1048, 1114, 1115}},
        {8, {}},
    };
    for (const Case& c : cases) {
        StageEditValues values = Values();
        values.offeredOperations.resize(c.offered, "None");
        StageDialog dialog(values);
        EXPECT_EQ(Hidden(dialog.view, ids), c.hidden) << c.offered;
    }
}

TEST(StageDialog, FirmwareGroupsFollowTheChipCount) {
    const std::vector<std::set<int>> groups = {{1077, 1122, 1045, 1043},
                                               {1078, 1121, 1062, 1071},
                                               {1079, 1120, 1072, 1073},
                                               {1080, 1119, 1074, 1075}};
    for (int chips = 1; chips <= 10; ++chips) {
        StageEditValues values = Values();
        values.chipCount = chips;
        StageDialog dialog(values);
        EXPECT_TRUE(dialog.view.Visible(IDC_STAGE_FW1_PATH));
        for (size_t g = 0; g < groups.size(); ++g) {
            bool shown = chips >= static_cast<int>(g) + 2;
            EXPECT_EQ(Hidden(dialog.view, groups[g]), shown ? std::set<int>{} : groups[g])
                << chips << " chips, group " << g + 2;
        }
    }
}

TEST(StageDialog, BarcodeSerialSampleAndOrderFieldsAtStart) {
    const std::set<int> barcode = {1089, 1090, 1091, 1092, 1026, 1027, 1063, 1064};
    StageEditValues values = Values();
    values.hasBarcodeStep = false;
    values.hasMutualStep = false;
    values.stage.enableSerialNum = 0;
    values.stage.enableLoadSelfSample = 1;
    values.inverseYOrder = 1;
    StageDialog dialog(values);
    EXPECT_EQ(Hidden(dialog.view, barcode), barcode);
    EXPECT_EQ(Hidden(dialog.view, {1093, 1094, 1030, 1031, 1067, 1002}),
              (std::set<int>{1093, 1094, 1030, 1031, 1067, 1002}));
    EXPECT_TRUE(Hidden(dialog.view, {1095, 1096, 1021, 1029, 1066, 1001}).empty());
    EXPECT_TRUE(dialog.view.IsChecked(IDC_STAGE_SELF_SAMPLE));
    EXPECT_FALSE(dialog.view.IsChecked(IDC_STAGE_INVERSE_X));
    EXPECT_TRUE(dialog.view.IsChecked(IDC_STAGE_INVERSE_Y));
    EXPECT_FALSE(dialog.view.Enabled(IDC_STAGE_SERIAL_PREFIX));
    EXPECT_FALSE(dialog.view.Enabled(IDC_STAGE_SERIAL_INITIAL));
    EXPECT_FALSE(dialog.view.IsChecked(IDC_STAGE_SERIAL_USE));
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_SERIAL_PATH), "C:\\serial");
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_SERIAL_PREFIX), "SN");
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_SERIAL_INITIAL), "5");
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_BUTTON_NO), "2");
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_BUTTON_TIMEOUT), "3000");
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_BUTTON_INTERVAL), "200");

    struct Case {
        int automatic, manual;
        bool autoTicked, manuTicked;
    };
    for (const Case& c : {Case{1, 0, true, false}, Case{0, 1, false, true}, Case{1, 1, false, false}}) {
        StageEditValues with = Values();
        with.barcode.BcdAuto = c.automatic;
        with.barcode.BcdManu = c.manual;
        StageDialog shown(with);
        EXPECT_TRUE(Hidden(shown.view, barcode).empty());
        EXPECT_EQ(shown.view.Text(IDC_STAGE_BARCODE_LENGTH), "12");
        EXPECT_EQ(shown.view.IsChecked(IDC_STAGE_BARCODE_AUTO), c.autoTicked);
        EXPECT_EQ(shown.view.IsChecked(IDC_STAGE_BARCODE_MANU), c.manuTicked);
    }
}

TEST(StageDialog, OpeningAndOkKeepsEveryValue) {
    StageEditValues values = Values();
    values.stage.namePrefix[0] = '\0';
    std::snprintf(values.barcode.BarcodeLength, sizeof values.barcode.BarcodeLength, "%s", "1234567890");
    values.barcode.Timeout = 123456789;
    values.stage.CheckBtnTimeOut = -2147483647 - 1;
    values.checkButtonCount = 12345678;
    StageDialog dialog(values);
    EXPECT_TRUE(dialog.view.boxes.empty());
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_BARCODE_TIMEOUT), "1234567");
    const StageEditValues& ok = dialog.Ok();
    EXPECT_STREQ(ok.barcode.BarcodeLength, "1234567890");
    EXPECT_EQ(ok.barcode.Timeout, 123456789);
    EXPECT_EQ(ok.stage.CheckBtnTimeOut, -2147483647 - 1);
    EXPECT_EQ(ok.stage.CheckBtnInval, 200);
    EXPECT_EQ(ok.checkButtonCount, 12345678);
    EXPECT_STREQ(ok.stage.namePrefix, "");
    EXPECT_EQ(ok.stage.initialNum, 5);
    EXPECT_EQ(ok.stage.currentSerialNum, 9);
    EXPECT_EQ(ok.stage.enableSerialNum, 1);
    EXPECT_EQ(std::memcmp(&ok.files, &values.files, sizeof ok.files), 0);
    EXPECT_EQ(std::memcmp(&ok.stage.self, &values.stage.self, sizeof ok.stage.self), 0);
    EXPECT_EQ(ok.inverseXOrder, 0);
    for (int i = 0; i < kStageStepCount; ++i)
        EXPECT_STREQ(ok.stage.Operation[i], values.stage.Operation[i]);
    EXPECT_EQ(dialog.model.SerialPath(), "C:\\serial");
}

TEST(StageDialog, ButtonsAndChecks) {
    StageDialog dialog(Values());
    dialog.view.Click(IDC_STAGE_BARCODE_MANU);
    EXPECT_FALSE(dialog.view.IsChecked(IDC_STAGE_BARCODE_AUTO));
    EXPECT_TRUE(dialog.view.IsChecked(IDC_STAGE_BARCODE_MANU));
    EXPECT_EQ(dialog.model.Values().barcode.BcdAuto, 0);
    EXPECT_EQ(dialog.model.Values().barcode.BcdManu, 1);
    dialog.view.Click(IDC_STAGE_BARCODE_AUTO);
    EXPECT_TRUE(dialog.view.IsChecked(IDC_STAGE_BARCODE_AUTO));
    EXPECT_FALSE(dialog.view.IsChecked(IDC_STAGE_BARCODE_MANU));
    EXPECT_EQ(dialog.model.Values().barcode.BcdAuto, 1);

    dialog.view.Click(IDC_STAGE_SERIAL_USE, true);
    EXPECT_FALSE(dialog.view.Enabled(IDC_STAGE_SERIAL_PREFIX));
    EXPECT_FALSE(dialog.view.Enabled(IDC_STAGE_SERIAL_INITIAL));
    EXPECT_EQ(dialog.model.Values().stage.enableSerialNum, 0);

    dialog.view.Click(IDC_STAGE_MUTUAL_SAMPLE, true);
    dialog.view.Click(IDC_STAGE_INVERSE_X, true);
    dialog.view.Click(IDC_STAGE_INVERSE_Y, true);
    dialog.view.Click(IDC_STAGE_INVERSE_Y, true);
    const StageEditValues& ok = dialog.Ok();
    EXPECT_EQ(ok.stage.enableLoadMutualSample, 1);
    EXPECT_EQ(ok.inverseXOrder, 1);
    EXPECT_EQ(ok.inverseYOrder, 0);
}

TEST(StageDialog, ResetAndChosenNames) {
    StageEditValues values = Values();
    values.offeredOperations.push_back(std::string(40, 'L'));
    StageDialog dialog(values);
    dialog.view.Choose(IDC_STAGE_OPER2, 4);
    dialog.view.Choose(IDC_STAGE_OPER10, 1);
    const StageEditValues& chosen = dialog.Ok();
    EXPECT_EQ(std::string(chosen.stage.Operation[1]), std::string(31, 'L'));
    EXPECT_STREQ(chosen.stage.Operation[9], "ReInstall");

    dialog.view.Click(IDC_STAGE_RESET);
    for (int combo : kOperationCombos)
        EXPECT_EQ(dialog.view.controls[combo].selection, 0);
    const StageEditValues& reset = dialog.Ok();
    for (const auto& name : reset.stage.Operation)
        EXPECT_STREQ(name, "None");

    // Without offered names the slots stay as they were.
    StageEditValues none = Values();
    none.offeredOperations.clear();
    StageDialog empty(none);
    EXPECT_STREQ(empty.Ok().stage.Operation[0], "ReInstall");
}

TEST(StageDialog, SerialWarningsWhileTyping) {
    StageDialog dialog(Values());
    dialog.view.Type(IDC_STAGE_SERIAL_INITIAL, "-3");
    dialog.view.Type(IDC_STAGE_SERIAL_PREFIX, "");
    dialog.view.Type(IDC_STAGE_SERIAL_INITIAL, "abc");
    ASSERT_EQ(dialog.view.boxes.size(), 2u);
    EXPECT_EQ(dialog.view.boxes[0].text, "initialNum Couldn't be negative.");
    EXPECT_EQ(dialog.view.boxes[1].text, "Prefix Couldn't be empty.");
    EXPECT_EQ(dialog.view.boxes[0].caption, "Vantro");
    EXPECT_EQ(dialog.view.boxes[1].caption, "Vantro");
    const StageEditValues& ok = dialog.Ok();
    EXPECT_EQ(ok.stage.initialNum, -3);
    EXPECT_STREQ(ok.stage.namePrefix, "");
}

TEST(StageDialog, LongTextsAreCut) {
    StageDialog dialog(Values());
    dialog.view.Type(IDC_STAGE_BARCODE_LENGTH, std::string(20, 'x'));
    dialog.view.Type(IDC_STAGE_BUTTON_NO, "12345678901234567890");
    dialog.view.Type(IDC_STAGE_BUTTON_TIMEOUT, "abc");
    dialog.view.Type(IDC_STAGE_BUTTON_INTERVAL, "45ms");
    dialog.view.Type(IDC_STAGE_BARCODE_TIMEOUT, "");
    dialog.view.Type(IDC_STAGE_FW3_PATH, std::string(300, 'p'));
    dialog.view.Type(IDC_STAGE_SERIAL_PREFIX, std::string(100, 'n'));
    dialog.view.Type(IDC_STAGE_SERIAL_PATH, std::string(300, 's'));
    const StageEditValues& ok = dialog.Ok();
    EXPECT_STREQ(ok.barcode.BarcodeLength, "xxxxxxx");
    EXPECT_EQ(ok.checkButtonCount, 1234567);
    EXPECT_EQ(ok.stage.CheckBtnTimeOut, 3000);
    EXPECT_EQ(ok.stage.CheckBtnInval, 45);
    EXPECT_EQ(ok.barcode.Timeout, 3);
    EXPECT_EQ(std::string(ok.files.path[2]), std::string(259, 'p'));
    EXPECT_TRUE(dialog.view.controls[IDC_STAGE_FW3_PATH].caretAtEnd);
    EXPECT_EQ(std::string(ok.stage.namePrefix), std::string(49, 'n'));
    EXPECT_EQ(dialog.model.SerialPath(), std::string(259, 's'));
}

TEST(StageDialog, FileChoosers) {
    StageEditValues values = Values();
    values.chipCount = 5;
    StageDialog dialog(values);
    dialog.view.fileAnswers = {{true, "C:\\fw\\new.bin"}, {false, ""}, {true, std::string(300, 'q')}};
    for (int i = 0; i < 3; ++i)
        dialog.view.Click(IDC_STAGE_FW3_BROWSE);
    EXPECT_STREQ(dialog.model.Values().files.path[2], "C:\\fw\\new.bin");
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_FW3_PATH), "C:\\fw\\new.bin");
    ASSERT_EQ(dialog.view.fileRequests.size(), 3u);
    EXPECT_EQ(dialog.view.fileRequests[0].filter, "bin file(*.bin)|*.bin|bin file(*.BIN)|*.BIN||");
    EXPECT_EQ(dialog.view.fileRequests[0].title, "Load Update Firmware Bin File");

    dialog.view.Click(IDC_STAGE_SELF_GOLDEN_BROWSE);
    dialog.view.Click(IDC_STAGE_MUTUAL_GOLDEN_BROWSE);
    ASSERT_EQ(dialog.view.fileRequests.size(), 5u);
    EXPECT_EQ(dialog.view.fileRequests[3].filter, "golden file(*.csv)|*.csv|golden file(*.CSV)|*.CSV||");
    EXPECT_EQ(dialog.view.fileRequests[3].title, "Load Self Golden File");
    EXPECT_EQ(dialog.view.fileRequests[4].title, "Load Mutual Golden File");
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_MUTUAL_GOLDEN_PATH), "C:\\files\\f6");

    dialog.view.folderAnswers = {{true, "C:\\units\\line2"}};
    dialog.view.Click(IDC_STAGE_SERIAL_BROWSE);
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_SERIAL_PATH), "C:\\units\\line2");
    EXPECT_EQ(dialog.model.SerialPath(), "C:\\units\\line2");
    EXPECT_EQ(dialog.view.folderRequests, std::vector<std::string>{"Select folder"});
}

TEST(StageDialog, FilesNotEditableAreShownDisabled) {
    StageEditValues values = Values();
    values.filesEditable = false;
    values.chipCount = 5;
    values.operationsEditable = false;
    StageDialog dialog(values);
    for (int i = 0; i < kStageFileFieldCount; ++i) {
        EXPECT_EQ(dialog.view.Text(kFilePathEdits[i]), values.files.path[i]);
        EXPECT_FALSE(dialog.view.Enabled(kFilePathEdits[i]));
        EXPECT_FALSE(dialog.view.Enabled(kFileBrowseButtons[i]));
    }
    for (int combo : kOperationCombos)
        EXPECT_FALSE(dialog.view.Enabled(combo));
}

TEST(StageDialog, NestedDialogsCopyBackOnOkOnly) {
    StageEditValues values = Values();
    values.stage.enableLoadMutualSample = 1;
    values.lineConstraints = true;
    StageDialog dialog(values);
    MutualDialogValues seen;
    dialog.nested.mutual = [&](MutualDialogValues& v) {
        seen = v;
        v.mutual.NegTargetMutl = -12;
        return false;
    };
    dialog.view.Click(IDC_STAGE_MUTUAL_ADVANCE);
    EXPECT_EQ(dialog.model.Values().stage.mutual.NegTargetMutl, -20);
    EXPECT_EQ(seen.mutual.NegTargetMutl, -20);
    EXPECT_EQ(seen.threshold.calibtime, 11);
    EXPECT_EQ(seen.goldenLoaded, 1);
    EXPECT_EQ(seen.lineConstraints, 1);
    EXPECT_EQ(seen.editable, 1);
    EXPECT_EQ(seen.checkButtonCount, 2);
    dialog.nested.mutual = [](MutualDialogValues& v) {
        v.mutual.NegTargetMutl = -12;
        v.threshold.min_loop = 4;
        return true;
    };
    dialog.view.Click(IDC_STAGE_MUTUAL_ADVANCE);
    EXPECT_EQ(dialog.model.Values().stage.mutual.NegTargetMutl, -12);
    EXPECT_EQ(dialog.model.Values().stage.threshold.min_loop, 4);

    // The count typed into "Button NO" counts only from the stage's OK.
    dialog.view.Type(IDC_STAGE_BUTTON_NO, "0");
    SelfDialogValues self;
    dialog.nested.self = [&](SelfDialogValues& v) {
        self = v;
        v.self.MaxVoltage = 2.5;
        return true;
    };
    dialog.view.Click(IDC_STAGE_SELF_ADVANCE);
    EXPECT_EQ(self.goldenComparison, 0);
    EXPECT_EQ(self.checkButtonCount, 2);
    EXPECT_EQ(self.self.MaxVoltage, 1.25);
    EXPECT_EQ(dialog.model.Values().stage.self.MaxVoltage, 2.5);
}

TEST(StageDialog, SerialDialogOkSetsTheCurrentNumber) {
    StageEditValues values = Values();
    values.stage.enableSerialNum = 0;
    StageDialog dialog(values);
    SerialNumberRecord seen;
    dialog.nested.serial = [&](SerialNumberRecord& r) {
        seen = r;
        r.path = "C:\\changed";
        r.enableSerialNum = 1;
        return false;
    };
    dialog.view.Click(IDC_STAGE_SERIAL_SETTINGS);
    EXPECT_EQ(seen.path, "C:\\serial");
    EXPECT_STREQ(seen.namePrefix, "SN");
    EXPECT_EQ(seen.initialNum, 5);
    EXPECT_EQ(seen.currentNum, 9);
    EXPECT_EQ(dialog.model.Values().stage.enableSerialNum, 0);
    EXPECT_EQ(dialog.model.SerialPath(), "C:\\serial");

    dialog.nested.serial = [](SerialNumberRecord& r) {
        std::snprintf(r.namePrefix, sizeof r.namePrefix, "%s", "LN");
        r.initialNum = 12;
        r.enableSerialNum = 1;
        r.path = "C:\\units";
        return true;
    };
    dialog.view.Click(IDC_STAGE_SERIAL_SETTINGS);
    EXPECT_TRUE(dialog.view.boxes.empty());
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_SERIAL_PREFIX), "LN");
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_SERIAL_INITIAL), "12");
    EXPECT_EQ(dialog.view.Text(IDC_STAGE_SERIAL_PATH), "C:\\units");
    EXPECT_TRUE(dialog.view.IsChecked(IDC_STAGE_SERIAL_USE));
    EXPECT_TRUE(dialog.view.Enabled(IDC_STAGE_SERIAL_PREFIX));
    const StageEditValues& ok = dialog.Ok();
    EXPECT_EQ(ok.stage.currentSerialNum, 12);
    EXPECT_EQ(ok.stage.initialNum, 12);
    EXPECT_EQ(ok.stage.enableSerialNum, 1);
}

}  // namespace
}  // namespace vantro
