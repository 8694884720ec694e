// The self and mutual threshold dialogs' rules and values on a fake dialog.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "FakeDialogView.h"
#include "vantro/SettingsDialogsResource.h"
#include "vantro/ThresholdDialogs.h"

namespace vantro {
namespace {

const std::set<int> kSelfEdits = {1015, 1026, 1016, 1027, 1020, 1030, 1008, 1010, 1012,
                                  1013, 1022, 1023, 1018, 1028, 1019, 1029, 1009, 1011};
const std::set<int> kMutualEdits = {1025, 1026, 1009, 1011, 1021, 1023, 1010, 1012, 1022,
                                    1024, 1027, 1028, 1013, 1017, 1015, 1016, 1014};
const std::set<int> kSelfButtonIds = {1107, 1017, 1108, 1109, 1110, 1111, 1112,
                                      1113, 1018, 1019, 1028, 1029, 1009, 1011};
const std::set<int> kMutualButtonIds = {1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104,
                                        1105, 1106, 1027, 1028, 1010, 1012, 1022, 1024};

// A dialog opened on its model: initialised, then shown.
template <typename Model, typename Values>
struct Opened {
    FakeDialogView view;
    Model model;
    explicit Opened(const Values& values) : model(view, values) {
        view.onEditChange = [this](int id) { model.OnEditChange(id); };
        model.OnInit();
        model.OnShow();
    }
    std::set<int> Disabled(const std::set<int>& ids) {
        std::set<int> off;
        for (int id : ids)
            if (!view.Enabled(id))
                off.insert(id);
        return off;
    }
};
using SelfDialog = Opened<SelfDialogModel, SelfDialogValues>;
using MutualDialog = Opened<MutualDialogModel, MutualDialogValues>;

// The records hold ints and doubles only, without padding.
template <typename T>
bool Same(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

TEST(ThresholdDialogs, SelfEnableRules) {
    struct Case {
        int editable, golden;
        std::set<int> disabled;
    };
    const Case cases[] = {
        {0, 1, kSelfEdits},
        {1, 0, {1008, 1010, 1012, 1013, 1022, 1023}},
        {1, 1, {}},
    };
    for (const Case& c : cases) {
        SelfDialogValues values;
        values.editable = c.editable;
        values.goldenComparison = c.golden;
        values.checkButtonCount = 1;
        SelfDialog dialog(values);
        EXPECT_EQ(dialog.Disabled(kSelfEdits), c.disabled) << c.editable << c.golden;
    }
}

TEST(ThresholdDialogs, MutualEnableRules) {
    struct Case {
        int editable, line, golden;
        std::set<int> disabled;
    };
    const Case cases[] = {
        {0, 1, 1, kMutualEdits},
        {1, 0, 1, {1013, 1017, 1015, 1016, 1014}},
        {1, 1, 1, {1016, 1014}},
        {1, 1, 0, {1009, 1011, 1021, 1023}},
        {1, 0, 0, {1013, 1017, 1015, 1016, 1014, 1009, 1011, 1021, 1023}},
    };
    for (const Case& c : cases) {
        MutualDialogValues values;
        values.editable = c.editable;
        values.lineConstraints = c.line;
        values.goldenLoaded = c.golden;
        MutualDialog dialog(values);
        EXPECT_EQ(dialog.Disabled(kMutualEdits), c.disabled) << c.editable << c.line << c.golden;
    }
}

TEST(ThresholdDialogs, ButtonGroupsFollowTheCheckButtonCount) {
    for (int count : {0, 1}) {
        SelfDialogValues self;
        self.checkButtonCount = count;
        SelfDialog selfDialog(self);
        for (int id : kSelfButtonIds)
            EXPECT_EQ(selfDialog.view.Visible(id), count == 1) << "self " << id;
        EXPECT_TRUE(selfDialog.view.Visible(IDC_SELF_TX_TIME_MIN));
        MutualDialogValues mutual;
        mutual.checkButtonCount = count;
        MutualDialog mutualDialog(mutual);
        for (int id : kMutualButtonIds)
            EXPECT_EQ(mutualDialog.view.Visible(id), count == 1) << "mutual " << id;
        EXPECT_TRUE(mutualDialog.view.Visible(IDC_MUTUAL_TARGET_POST));
    }
}

TEST(ThresholdDialogs, NegativeLimitsShowAbsoluteAndStoreNegated) {
    MutualDialogValues values;
    values.mutual.NegCalib = -7;
    values.mutual.TargetMutl = 15;
    MutualDialog dialog(values);
    EXPECT_EQ(dialog.view.Text(IDC_MUTUAL_CALIB_NEG), "7");
    EXPECT_EQ(dialog.view.Text(IDC_MUTUAL_TARGET_POST), "15");
    dialog.view.Type(IDC_MUTUAL_TARGET_NEG, "12");
    dialog.view.Type(IDC_MUTUAL_BTN_VOLTAGE_NEG, "-4");
    dialog.view.Type(IDC_MUTUAL_LOOP_MIN, "9");
    EXPECT_EQ(dialog.model.Values().mutual.NegTargetMutl, -12);
    EXPECT_EQ(dialog.model.Values().mutual.BtnNegMutl, 4);
    EXPECT_EQ(dialog.model.Values().threshold.min_loop, 9);

    MutualDialog reopened(dialog.model.Values());
    EXPECT_EQ(reopened.view.Text(IDC_MUTUAL_TARGET_NEG), "12");

    // Typing 5 into a Neg edit of the self dialog stores -5; reopening shows 5.
    SelfDialog self(SelfDialogValues{});
    self.view.Type(IDC_SELF_RX_TIME_NEG, "5");
    EXPECT_EQ(self.model.Values().self.NegRxTimeThreshold, -5);
    SelfDialog selfAgain(self.model.Values());
    EXPECT_EQ(selfAgain.view.Text(IDC_SELF_RX_TIME_NEG), "5");
}

TEST(ThresholdDialogs, TextsReadBackByTheirKind) {
    SelfDialogValues values;
    values.self.MinVoltage = 1.04;
    values.self.MaxVoltage = 1.25;
    values.self.TxMinTim = 33;
    values.self.NegTxTimeThreshold = -8;
    SelfDialog dialog(values);
    EXPECT_EQ(dialog.view.Text(IDC_SELF_RX_VOLTAGE_MIN), "1.0");
    EXPECT_EQ(dialog.view.Text(IDC_SELF_RX_VOLTAGE_MAX), "1.2");

    struct Case {
        int id;
        const char* typed;
        double expected;
    };
    // A text that is no number keeps the field; a double is read from its
    // first 9 characters.
    const Case cases[] = {
        {IDC_SELF_RX_VOLTAGE_MAX, "2.75", 2.75},
        {IDC_SELF_RX_VOLTAGE_MAX, "1.5abc", 1.5},
        {IDC_SELF_RX_VOLTAGE_MAX, "abc", 1.5},
        {IDC_SELF_RX_VOLTAGE_MAX, "", 1.5},
        {IDC_SELF_RX_VOLTAGE_MAX, "nan", 1.5},
        {IDC_SELF_RX_VOLTAGE_MAX, "123456789012345678901234567890", 123456789},
        {IDC_SELF_RX_VOLTAGE_MAX, ".5", 0.5},
        {IDC_SELF_TX_TIME_MIN, "abc", 33},
        {IDC_SELF_TX_TIME_MIN, "", 33},
        {IDC_SELF_TX_TIME_MIN, "99999999999", 33},
        {IDC_SELF_TX_TIME_MIN, "-2147483648", -2147483648.0},
        {IDC_SELF_TX_TIME_NEG, "abc", -8},
        {IDC_SELF_TX_TIME_NEG, "-2147483648", -8},
        {IDC_SELF_TX_TIME_NEG, "2147483647", -2147483647},
    };
    for (const Case& c : cases) {
        dialog.view.Type(c.id, c.typed);
        const SelfThresholds& s = dialog.model.Values().self;
        double got = c.id == IDC_SELF_RX_VOLTAGE_MAX ? s.MaxVoltage
                     : c.id == IDC_SELF_TX_TIME_MIN  ? s.TxMinTim
                                                     : s.NegTxTimeThreshold;
        EXPECT_EQ(got, c.expected) << c.id << " " << c.typed;
    }
}

TEST(ThresholdDialogs, OpeningAndClosingKeepsEveryDigit) {
    SelfDialogValues self;
    self.self.MinVoltage = 0.35;
    self.self.MaxVoltage = 1.25;
    self.self.Btn_MinVoltage = 0.875;
    self.self.NegVolThreshold = -3;
    self.self.Btn_Neg_Threshold = -2147483647 - 1;
    self.checkButtonCount = 1;
    for (int editable : {0, 1}) {
        self.editable = editable;
        SelfDialog dialog(self);
        EXPECT_EQ(dialog.view.Text(IDC_SELF_BTN_NEG), "2147483648");
        EXPECT_TRUE(Same(dialog.model.Values().self, self.self)) << editable;
    }
    MutualDialogValues mutual;
    mutual.mutual.NegMutl = -3;
    mutual.threshold.max_loop = 77;
    MutualDialog dialog(mutual);
    EXPECT_TRUE(Same(dialog.model.Values().mutual, mutual.mutual));
    EXPECT_TRUE(Same(dialog.model.Values().threshold, mutual.threshold));
}

}  // namespace
}  // namespace vantro
