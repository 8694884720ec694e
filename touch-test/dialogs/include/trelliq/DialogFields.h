// Which control of Trelliq's settings dialogs edits which configuration
// value: templates, control ids and, for every edit, check box and radio
// button, the TouchTestConfig field behind it.  The same id may mean another
// control in another dialog (1040, 1050, 1020 ...), so each dialog or page
// has its own table.
#pragma once

#include <stddef.h>

#include "trelliq/TouchTestConfig.h"

namespace trelliq {

// Dialog templates.
const unsigned kSerialNumberTemplate = 132;
const unsigned kConstrainITemplate = 135;
const unsigned kItoResizeTemplate = 136;
const unsigned kConstrainIITemplate = 137;
const unsigned kTestSettingTemplate = 138;

// "Test Setting": the tab control; its check boxes are in kSettingChecks.
const int kSettingTabId = 1050;
const int kShowCursorId = 1039;
const int kLogCursorId = 1040;
const int kPhase3Id = 1060;
// "ConstrainI": the "CANVAS" check box; "ConstrainII": the accuracy point list.
const int kCanvasCheckId = 1038;
const int kPointListId = 1061;
// "ITO Resize": the two scaling edits and the pattern size.
const int kScalingXId = 1026;
const int kScalingYId = 1029;
const int kPatternWidthId = 1022;
const int kPatternHeightId = 1018;
// "Serial Number Information".
const int kSerialPathId = 1013;
const int kSerialLoadId = 1015;
const int kSerialPrefixId = 1016;
const int kSerialNumberId = 1020;

struct IntField {
    int id;
    int& (*value)(TouchTestConfig& config);
};

class FieldTable {
public:
    template <size_t N>
    constexpr FieldTable(const IntField (&fields)[N]) : begin_(fields), end_(fields + N) {}
    const IntField* begin() const { return begin_; }
    const IntField* end() const { return end_; }
    size_t size() const { return static_cast<size_t>(end_ - begin_); }
    // The field of the control, or null.
    const IntField* Find(int id) const;

private:
    const IntField* begin_;
    const IntField* end_;
};

extern const FieldTable kConstrainIEdits;    // page 135, edits
extern const FieldTable kConstrainIChecks;   // page 135, "CANVAS"
extern const FieldTable kConstrainIIEdits;   // page 137, edits
extern const FieldTable kSettingChecks;      // dialog 138, check boxes
extern const FieldTable kItoEdits;           // dialog 136, pattern size and gaps
extern const FieldTable kItoOriginRadios;    // dialog 136, "Origin:" in order
extern const FieldTable kItoRotationRadios;  // dialog 136, "Clockwise Rotate:" 0, 90, 180, 270

// The point list's entries "4", "5", "9", "13".
const int kPointListEntries = 4;
extern const int kPointListValues[kPointListEntries];
// The entry showing the point count, -1 for any other count.
int PointListEntry(int point);

}  // namespace trelliq
