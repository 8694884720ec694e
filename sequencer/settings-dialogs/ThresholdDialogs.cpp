#include "vantro/ThresholdDialogs.h"

#include <climits>

#include "vantro/DialogFields.h"
#include "vantro/SettingsDialogsResource.h"

namespace vantro {

void ThresholdDialogModel::OnShow() {
    // Filling an edit notifies its change; those are not the operator's.
    filling_ = true;
    for (const IntEdit& edit : ints_) {
        if (edit.negative)
            view_.SetText(edit.id, AbsoluteText(*edit.field));
        else
            view_.SetInt(edit.id, *edit.field);
    }
    for (const DoubleEdit& edit : doubles_)
        view_.SetText(edit.id, OneDecimal(*edit.field));
    filling_ = false;
}

void ThresholdDialogModel::OnEditChange(int id) {
    if (filling_)
        return;
    for (const IntEdit& edit : ints_) {
        if (edit.id != id)
            continue;
        // A text that is no number keeps the threshold as it was.
        int typed = 0;
        if (!view_.GetInt(id, &typed))
            return;
        if (!edit.negative)
            *edit.field = typed;
        else if (typed != INT_MIN)
            *edit.field = -typed;
        return;
    }
    for (const DoubleEdit& edit : doubles_) {
        if (edit.id != id)
            continue;
        double typed = 0;
        if (ReadLeadingDouble(view_.GetText(id, kDoubleTextChars), &typed))
            *edit.field = typed;
        return;
    }
}

void ThresholdDialogModel::EnableAll(bool enabled) {
    for (const IntEdit& edit : ints_)
        view_.Enable(edit.id, enabled);
    for (const DoubleEdit& edit : doubles_)
        view_.Enable(edit.id, enabled);
}

SelfDialogModel::SelfDialogModel(DialogView& view, const SelfDialogValues& values)
    : ThresholdDialogModel(view), values_(values) {
    SelfThresholds& s = values_.self;
    ints_ = {
        {IDC_SELF_TX_TIME_MIN, &s.TxMinTim, false},
        {IDC_SELF_TX_TIME_MAX, &s.TxMaxTim, false},
        {IDC_SELF_RX_TIME_MIN, &s.RxMinTim, false},
        {IDC_SELF_RX_TIME_MAX, &s.RxMaxTim, false},
        {IDC_SELF_TX_TIME_POST, &s.TxTimeThreshold, false},
        {IDC_SELF_TX_TIME_NEG, &s.NegTxTimeThreshold, true},
        {IDC_SELF_RX_VOLTAGE_POST, &s.VolThreshold, false},
        {IDC_SELF_RX_VOLTAGE_NEG, &s.NegVolThreshold, true},
        {IDC_SELF_RX_TIME_POST, &s.RxTimeThreshold, false},
        {IDC_SELF_RX_TIME_NEG, &s.NegRxTimeThreshold, true},
        {IDC_SELF_BTN_TIME_MIN, &s.Btn_MinTim, false},
        {IDC_SELF_BTN_TIME_MAX, &s.Btn_MaxTim, false},
        {IDC_SELF_BTN_POST, &s.Btn_Threshold, false},
        {IDC_SELF_BTN_NEG, &s.Btn_Neg_Threshold, true},
    };
    doubles_ = {
        {IDC_SELF_RX_VOLTAGE_MIN, &s.MinVoltage},
        {IDC_SELF_RX_VOLTAGE_MAX, &s.MaxVoltage},
        {IDC_SELF_BTN_VOLTAGE_MIN, &s.Btn_MinVoltage},
        {IDC_SELF_BTN_VOLTAGE_MAX, &s.Btn_MaxVoltage},
    };
}

void SelfDialogModel::OnInit() {
    if (values_.editable != 1) {
        EnableAll(false);
    } else if (values_.goldenComparison == 0) {
        for (int id : {IDC_SELF_TX_TIME_POST, IDC_SELF_TX_TIME_NEG, IDC_SELF_RX_VOLTAGE_POST,
                       IDC_SELF_RX_VOLTAGE_NEG, IDC_SELF_RX_TIME_POST, IDC_SELF_RX_TIME_NEG})
            view_.Enable(id, false);
    }
    if (values_.checkButtonCount < 1) {
        for (int id : {IDC_SELF_BTN_GROUP, IDC_SELF_BTN_TIME_MIN_LABEL, IDC_SELF_BTN_TIME_MAX_LABEL,
                       IDC_SELF_BTN_VOLTAGE_MIN_LABEL, IDC_SELF_BTN_VOLTAGE_MAX_LABEL,
                       IDC_SELF_BTN_THRESHOLD_GROUP, IDC_SELF_BTN_POST_LABEL, IDC_SELF_BTN_NEG_LABEL,
                       IDC_SELF_BTN_TIME_MIN, IDC_SELF_BTN_VOLTAGE_MIN, IDC_SELF_BTN_TIME_MAX,
                       IDC_SELF_BTN_VOLTAGE_MAX, IDC_SELF_BTN_POST, IDC_SELF_BTN_NEG})
            view_.Show(id, false);
    }
}

MutualDialogModel::MutualDialogModel(DialogView& view, const MutualDialogValues& values)
    : ThresholdDialogModel(view), values_(values) {
    MutualThresholds& m = values_.mutual;
    MutualShortThreshold& t = values_.threshold;
    ints_ = {
        {IDC_MUTUAL_TARGET_POST, &m.TargetMutl, false},
        {IDC_MUTUAL_TARGET_NEG, &m.NegTargetMutl, true},
        {IDC_MUTUAL_CALIB_POST, &m.Calib, false},
        {IDC_MUTUAL_CALIB_NEG, &m.NegCalib, true},
        {IDC_MUTUAL_VOLTAGE_POST, &m.Mutl, false},
        {IDC_MUTUAL_VOLTAGE_NEG, &m.NegMutl, true},
        {IDC_MUTUAL_BTN_CALIB_POST, &m.BtnCalib, false},
        {IDC_MUTUAL_BTN_CALIB_NEG, &m.BtnNegCalib, true},
        {IDC_MUTUAL_BTN_VOLTAGE_POST, &m.BtnMutl, false},
        {IDC_MUTUAL_BTN_VOLTAGE_NEG, &m.BtnNegMutl, true},
        {IDC_MUTUAL_BTN_TARGET_POST, &m.BtnTargetMutl, false},
        {IDC_MUTUAL_BTN_TARGET_NEG, &m.BtnNegTargetMutl, true},
        {IDC_MUTUAL_CALIB_TIME, &t.calibtime, false},
        {IDC_MUTUAL_LINE_VOLTAGE, &t.voltage, false},
        {IDC_MUTUAL_OUT_OF_SPEC, &t.outofspecnode, false},
        {IDC_MUTUAL_LOOP_MAX, &t.max_loop, false},
        {IDC_MUTUAL_LOOP_MIN, &t.min_loop, false},
    };
}

void MutualDialogModel::OnInit() {
    if (values_.editable != 1) {
        EnableAll(false);
    } else {
        if (values_.lineConstraints == 0) {
            for (int id : {IDC_MUTUAL_CALIB_TIME, IDC_MUTUAL_LINE_VOLTAGE, IDC_MUTUAL_OUT_OF_SPEC,
                           IDC_MUTUAL_LOOP_MAX, IDC_MUTUAL_LOOP_MIN})
                view_.Enable(id, false);
        }
        // With a golden sample the loop filter has no use; without one the
        // limits against it have none.
        if (values_.goldenLoaded != 0) {
            view_.Enable(IDC_MUTUAL_LOOP_MAX, false);
            view_.Enable(IDC_MUTUAL_LOOP_MIN, false);
        } else {
            for (int id : {IDC_MUTUAL_CALIB_POST, IDC_MUTUAL_CALIB_NEG, IDC_MUTUAL_VOLTAGE_POST,
                           IDC_MUTUAL_VOLTAGE_NEG})
                view_.Enable(id, false);
        }
    }
    if (values_.checkButtonCount < 1) {
        for (int id = IDC_MUTUAL_BTN_GROUP; id <= IDC_MUTUAL_BTN_TARGET_NEG_LABEL; ++id)
            view_.Show(id, false);
        for (int id : {IDC_MUTUAL_BTN_TARGET_POST, IDC_MUTUAL_BTN_TARGET_NEG, IDC_MUTUAL_BTN_CALIB_POST,
                       IDC_MUTUAL_BTN_CALIB_NEG, IDC_MUTUAL_BTN_VOLTAGE_POST, IDC_MUTUAL_BTN_VOLTAGE_NEG})
            view_.Show(id, false);
    }
}

}  // namespace vantro
