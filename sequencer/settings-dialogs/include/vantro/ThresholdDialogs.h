// The self and mutual threshold dialogs (templates 135 and 140): their
// fields, which edits they enable or hide, how they show the fields and how
// the operator's edits are read back.
#pragma once

#include <vector>

#include "vantro/DialogView.h"
#include "vantro/StageInfo.h"

namespace vantro {

struct SelfDialogValues {
    SelfThresholds self;
    int goldenComparison = 0;
    int editable = 1;
    int checkButtonCount = 0;
};

struct MutualDialogValues {
    MutualThresholds mutual;
    MutualShortThreshold threshold;
    int goldenLoaded = 0;
    int lineConstraints = 0;
    int editable = 1;
    int checkButtonCount = 0;
};

// What both dialogs share: integer edits (a "Neg" one shows the absolute
// value and stores the negation of what is typed), double edits, and the
// guard that keeps the dialog's own filling from being read back as edits.
class ThresholdDialogModel {
public:
    explicit ThresholdDialogModel(DialogView& view) : view_(view) {}
    virtual ~ThresholdDialogModel() = default;
    ThresholdDialogModel(const ThresholdDialogModel&) = delete;
    ThresholdDialogModel& operator=(const ThresholdDialogModel&) = delete;

    // The dialog's start: enable and show by the rules.
    virtual void OnInit() = 0;
    // The dialog is shown: every edit is filled from its field.
    void OnShow();
    // An edit changed: the operator's text goes into its field.
    void OnEditChange(int id);

protected:
    struct IntEdit {
        int id;
        int* field;
        bool negative;
    };
    struct DoubleEdit {
        int id;
        double* field;
    };
    void EnableAll(bool enabled);

    DialogView& view_;
    std::vector<IntEdit> ints_;
    std::vector<DoubleEdit> doubles_;

private:
    bool filling_ = false;
};

class SelfDialogModel : public ThresholdDialogModel {
public:
    SelfDialogModel(DialogView& view, const SelfDialogValues& values);
    void OnInit() override;
    const SelfDialogValues& Values() const { return values_; }

private:
    SelfDialogValues values_;
};

class MutualDialogModel : public ThresholdDialogModel {
public:
    MutualDialogModel(DialogView& view, const MutualDialogValues& values);
    void OnInit() override;
    const MutualDialogValues& Values() const { return values_; }

private:
    MutualDialogValues values_;
};

}  // namespace vantro
