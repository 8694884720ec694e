#include "trelliq/SettingSequences.h"

#include <stdio.h>

#include "trelliq/IniFile.h"

namespace trelliq {

namespace {

using Value = int (*)(const TouchTestConfig& config);

struct KeyWrite {
    const char* section;
    const char* key;
    Value value;
    const char* text;
    const char* caption;
};

struct KeyRead {
    const char* section;
    const char* key;
    int& (*value)(TouchTestConfig& config);
};

#define GET(member) [](const TouchTestConfig& c) { return c.member; }
#define REF(member) [](TouchTestConfig& c) -> int& { return c.member; }

const char kFailed[] = "Set Config File Failed";

const KeyWrite kConstrainIWrites[] = {
    {"Time", "value", GET(Time.value), kFailed, kFailed},
    {"PaintTime", "value", GET(PaintTime.value), kFailed, "Set PaintTime Failed"},
    {"MousMovInvlTime", "value", GET(MousMovInvlTime.value), kFailed, kFailed},
    {"LineWidth", "side", GET(LineWidth.side), kFailed, kFailed},
    {"LineWidth", "cross", GET(LineWidth.cross), kFailed, kFailed},
    {"Distance", "X", GET(Distance.X), kFailed, kFailed},
    {"Distance", "Y", GET(Distance.Y), kFailed, kFailed},
    {"Continuance", "X", GET(Continuance.X), kFailed, "Set Continuance x Failed"},
    {"Continuance", "Y", GET(Continuance.Y), kFailed, "Set Continuance y Failed"},
    {"CANVAS", "check_canvas", GET(CANVAS.check_canvas), kFailed, kFailed},
    {"Cursor", "check_cursor", GET(Cursor.check_cursor), kFailed, "Set check_cursor Failed"},
    {"Cursor", "check_log_cursor", GET(Cursor.check_log_cursor), kFailed, "Set check_log_cursor Failed"},
    {"Phase3", "check_phase3", GET(Phase3.check_phase3), kFailed, "Set check_phase3 File Failed"},
    {"Sensitivity", "speed", GET(Sensitivity.speed), "Set Speed Failed", kFailed},
    // The page edits the sideline width and its Cancel reloads it, so its OK keeps it.
    {"Sensitivity", "width", GET(Sensitivity.width), kFailed, kFailed},
};

// Up to the grid size; the grid is rebuilt after these.
const KeyWrite kConstrainIIWritesToGrids[] = {
    {"RptrateTime", "value", GET(RptrateTime.value), "Set RptrateTime Failed", kFailed},
    {"Rptrate", "value", GET(Rptrate.value), "Set Rptrate Failed", kFailed},
    {"AccuracyTime", "testvalue", GET(AccuracyTime.testvalue), "Set AccuracyTime Failed", kFailed},
    {"AccuracyTime", "touchvalue", GET(AccuracyTime.touchvalue), "Set AccuracyTime Failed", kFailed},
    {"Accuracyrate", "value", GET(Accuracyrate.value), "Set Accuracyrate Failed", kFailed},
    {"Accuracyrate", "Point", GET(Accuracyrate.Point), "Set Accuracyrate Failed", kFailed},
    {"JitterTime", "value", GET(JitterTime.value), "Set JitterTime Failed", kFailed},
    {"Grids", "X", GET(Grids.X), kFailed, "Set Grids X Failed"},
    {"Grids", "Y", GET(Grids.Y), kFailed, "Set Grids Y Failed"},
};

const KeyWrite kConstrainIIWritesAfterGrids[] = {
    {"TrcTime", "value", GET(TrcTime.value), kFailed, "Set TrcTime Failed"},
    {"Limit", "points", GET(Limit.points), kFailed, "Set Limit points Failed"},
    {"Dot", "radius", GET(Dot.radius), "Set radius Failed", "Set Dot radius Failed"},
    {"Cursor", "check_cursor", GET(Cursor.check_cursor), kFailed, "Set check_cursor Failed"},
    {"Cursor", "check_log_cursor", GET(Cursor.check_log_cursor), kFailed, "Set check_log_cursor Failed"},
    {"Phase3", "check_phase3", GET(Phase3.check_phase3), kFailed, "Set check_phase3 Failed"},
};

// A failure here ends the sequence.
const KeyWrite kConstrainIITrcGapWrites[] = {
    {"TrcGap", "left", GET(TrcGap.left), kFailed, "Set w_trc_leftgap Failed"},
    {"TrcGap", "right", GET(TrcGap.right), kFailed, "Set w_trc_rightgap Failed"},
    {"TrcGap", "top", GET(TrcGap.top), kFailed, "Set w_trc_topgap Failed"},
    {"TrcGap", "bottom", GET(TrcGap.bottom), kFailed, "Set w_trc_bottomgap Failed"},
};

const KeyRead kConstrainIReads[] = {
    {"Time", "value", REF(Time.value)},
    {"PaintTime", "value", REF(PaintTime.value)},
    {"MousMovInvlTime", "value", REF(MousMovInvlTime.value)},
    {"LineWidth", "side", REF(LineWidth.side)},
    {"LineWidth", "cross", REF(LineWidth.cross)},
    {"Distance", "X", REF(Distance.X)},
    {"Distance", "Y", REF(Distance.Y)},
    {"Continuance", "X", REF(Continuance.X)},
    {"Continuance", "Y", REF(Continuance.Y)},
    {"CANVAS", "check_canvas", REF(CANVAS.check_canvas)},
    {"Cursor", "check_cursor", REF(Cursor.check_cursor)},
    {"Cursor", "check_log_cursor", REF(Cursor.check_log_cursor)},
    {"Phase3", "check_phase3", REF(Phase3.check_phase3)},
    {"Sensitivity", "width", REF(Sensitivity.width)},
    {"Sensitivity", "speed", REF(Sensitivity.speed)},
    {"Sensitivity", "speed_error", REF(Sensitivity.speed_error)},
};

// Up to the trace gaps; the grid is rebuilt after these.
const KeyRead kConstrainIIReadsToGaps[] = {
    {"RptrateTime", "value", REF(RptrateTime.value)},
    {"Rptrate", "value", REF(Rptrate.value)},
    {"AccuracyTime", "touchvalue", REF(AccuracyTime.touchvalue)},
    {"AccuracyTime", "testvalue", REF(AccuracyTime.testvalue)},
    {"Accuracyrate", "value", REF(Accuracyrate.value)},
    // The list changes the point count at once, so Cancel restores it too.
    {"Accuracyrate", "Point", REF(Accuracyrate.Point)},
    {"JitterTime", "value", REF(JitterTime.value)},
    {"Grids", "X", REF(Grids.X)},
    {"Grids", "Y", REF(Grids.Y)},
    {"TrcGap", "left", REF(TrcGap.left)},
    {"TrcGap", "right", REF(TrcGap.right)},
    {"TrcGap", "top", REF(TrcGap.top)},
    {"TrcGap", "bottom", REF(TrcGap.bottom)},
};

const KeyRead kConstrainIIReadsAfterGaps[] = {
    {"TrcTime", "value", REF(TrcTime.value)},
    {"Limit", "points", REF(Limit.points)},
    {"Dot", "radius", REF(Dot.radius)},
    {"Cursor", "check_cursor", REF(Cursor.check_cursor)},
    {"Cursor", "check_log_cursor", REF(Cursor.check_log_cursor)},
    {"Phase3", "check_phase3", REF(Phase3.check_phase3)},
};

#undef GET
#undef REF

// False when the key is missing (sets never add keys).
bool SetAsText(const KeyWrite& write, const TouchTestConfig& config) {
    char text[16];
    snprintf(text, sizeof text, "%d", write.value(config));
    return IniFileSetString(write.section, write.key, text) != nullptr;
}

template <size_t N>
void WriteAll(const KeyWrite (&writes)[N], const TouchTestConfig& config, MessageSink& messages) {
    for (const KeyWrite& write : writes)
        if (!SetAsText(write, config))
            messages.Show(write.text, write.caption);
}

template <size_t N>
void ReadAll(const KeyRead (&reads)[N], TouchTestConfig& config) {
    for (const KeyRead& read : reads)
        read.value(config) = IniFileGetInt(read.section, read.key);
}

}  // namespace

bool ApplyLiveValue(const FieldTable& table, int id, int value, TouchTestConfig& config,
                    BorderHitGrid& grid) {
    const IntField* field = table.Find(id);
    if (!field)
        return false;
    int& target = field->value(config);
    const bool gridSize = &target == &config.Grids.X || &target == &config.Grids.Y;
    const bool changed = target != value;
    target = value;
    if (gridSize && changed)
        grid.Rebuild(config.Grids.X, config.Grids.Y);
    return true;
}

void ApplyPointListEntry(int entry, TouchTestConfig& config) {
    if (entry >= 0 && entry < kPointListEntries)
        config.Accuracyrate.Point = kPointListValues[entry];
}

void ConstrainIOk(const TouchTestConfig& config, MessageSink& messages) {
    if (!IniDictionary)
        return;
    WriteAll(kConstrainIWrites, config, messages);
    IniFileSave();
}

bool ConstrainIIOk(const TouchTestConfig& config, BorderHitGrid& grid, MessageSink& messages) {
    if (!IniDictionary)
        return true;
    WriteAll(kConstrainIIWritesToGrids, config, messages);
    grid.Rebuild(config.Grids.X, config.Grids.Y);
    WriteAll(kConstrainIIWritesAfterGrids, config, messages);
    for (const KeyWrite& write : kConstrainIITrcGapWrites) {
        if (!SetAsText(write, config)) {
            messages.Show(write.text, write.caption);
            return false;
        }
    }
    IniFileSave();
    return true;
}

void ConstrainICancel(TouchTestConfig& config) {
    if (!IniDictionary)
        return;
    ReadAll(kConstrainIReads, config);
}

void ConstrainIICancel(TouchTestConfig& config, BorderHitGrid& grid) {
    if (!IniDictionary)
        return;
    ReadAll(kConstrainIIReadsToGaps, config);
    grid.Rebuild(config.Grids.X, config.Grids.Y);
    ReadAll(kConstrainIIReadsAfterGaps, config);
}

}  // namespace trelliq
