#include "trelliq/DialogFields.h"

namespace trelliq {

#define FIELD(id, member)                                                                                    \
    {                                                                                                        \
        id, [](TouchTestConfig& c) -> int& { return c.member; }                                              \
    }

namespace {

const IntField kConstrainI[] = {
    FIELD(1042, MousMovInvlTime.value), FIELD(1010, Time.value),        FIELD(1006, LineWidth.side),
    FIELD(1007, LineWidth.cross),       FIELD(1021, Distance.X),        FIELD(1017, Distance.Y),
    FIELD(1040, Continuance.X),         FIELD(1041, Continuance.Y),     FIELD(1011, PaintTime.value),
    FIELD(1028, Sensitivity.width),     FIELD(1012, Sensitivity.speed),
};

const IntField kCanvas[] = {FIELD(kCanvasCheckId, CANVAS.check_canvas)};

const IntField kConstrainII[] = {
    FIELD(1031, Grids.X),
    FIELD(1019, Grids.Y),
    FIELD(1024, TrcGap.left),
    FIELD(1020, TrcGap.right),
    FIELD(1025, TrcGap.top),
    FIELD(1021, TrcGap.bottom),
    FIELD(1045, TrcTime.value),
    FIELD(1046, Limit.points),
    FIELD(1051, Accuracyrate.value),
    FIELD(1049, AccuracyTime.touchvalue),
    FIELD(1050, AccuracyTime.testvalue),
    FIELD(1053, JitterTime.value),
    FIELD(1023, Dot.radius),
    FIELD(1047, RptrateTime.value),
    FIELD(1048, Rptrate.value),
};

const IntField kChecks[] = {
    FIELD(kShowCursorId, Cursor.check_cursor),
    FIELD(kLogCursorId, Cursor.check_log_cursor),
    FIELD(kPhase3Id, Phase3.check_phase3),
};

const IntField kIto[] = {
    FIELD(kPatternWidthId, ScreenWidth),
    FIELD(kPatternHeightId, ScreenHeight),
    FIELD(1023, Gap.left),
    FIELD(1019, Gap.right),
    FIELD(1024, Gap.top),
    FIELD(1020, Gap.bottom),
};

const IntField kOrigin[] = {
    FIELD(1032, Original.radio_lt),
    FIELD(1033, Original.radio_rt),
    FIELD(1034, Original.radio_lb),
    FIELD(1035, Original.radio_rb),
};

const IntField kRotation[] = {
    FIELD(1059, Rotation.radio_r0),
    FIELD(1056, Rotation.radio_r90),
    FIELD(1057, Rotation.radio_r180),
    FIELD(1058, Rotation.radio_r270),
};

}  // namespace

#undef FIELD

const FieldTable kConstrainIEdits(kConstrainI);
const FieldTable kConstrainIChecks(kCanvas);
const FieldTable kConstrainIIEdits(kConstrainII);
const FieldTable kSettingChecks(kChecks);
const FieldTable kItoEdits(kIto);
const FieldTable kItoOriginRadios(kOrigin);
const FieldTable kItoRotationRadios(kRotation);

const int kPointListValues[kPointListEntries] = {4, 5, 9, 13};

const IntField* FieldTable::Find(int id) const {
    for (const IntField& field : *this)
        if (field.id == id)
            return &field;
    return nullptr;
}

int PointListEntry(int point) {
    for (int entry = 0; entry < kPointListEntries; ++entry)
        if (kPointListValues[entry] == point)
            return entry;
    return -1;
}

}  // namespace trelliq
