// Trelliq's configuration: every value the program uses from
// "LinearConfig.ini", one field per key, grouped and spelt as the file spells
// its sections and keys.  Flags stay the raw integers of the file
// (ConfigFlags.h says which value counts as on).
#pragma once

#include <string>
#include <vector>

#define TOUCH_TEST_PATH_SIZE 260
#define TOUCH_TEST_NAME_PREFIX_SIZE 50

namespace trelliq {

struct TouchTestConfig {
    struct SwitchKeys {
        int calibration, resize, constn, firmwareid, firmwareupdate;  // dialog-bar buttons
        int automode;
    } Switch;
    struct AutoModeInfoKeys {
        char SaveResultPath[TOUCH_TEST_PATH_SIZE];  // read only in auto mode
    } AutoModeInfo;
    struct ScanBarcodeKeys {
        std::string Barcode;  // read only in auto mode
    } ScanBarcode;
    struct MultiChipKeys {
        int DecWidthHeigh;
        int SlaveNO;
        std::vector<int> SlaveIdx;  // chip index of each slave, from the sensor-size read
    } MultiChip;
    struct LineWidthKeys {
        int side, cross;
    } LineWidth;
    struct ContinuanceKeys {
        int X, Y;
    } Continuance;
    struct BroadenKeys {
        int First;
    } Broaden;
    struct SensitivityKeys {
        int XDISTN, YDISTN, XContinu, YContinu;
        int width, speed_error, speed;
    } Sensitivity;
    struct DotKeys {
        int radius;
    } Dot;
    struct TimeKeys {
        int value;
    } Time;
    struct GridsKeys {
        int X, Y;
    } Grids;  // from the chips when DecWidthHeigh is 1
    struct DistanceKeys {
        int X, Y;
    } Distance;
    struct LimitKeys {
        int points;
    } Limit;
    struct TrcTimeKeys {
        int value;
    } TrcTime;
    struct PaintTimeKeys {
        int value;
    } PaintTime;
    struct RptrateTimeKeys {
        int value;
    } RptrateTime;
    struct RptrateKeys {
        int value;
    } Rptrate;
    struct AccuracyTimeKeys {
        int touchvalue, testvalue;
    } AccuracyTime;
    struct AccuracyrateKeys {
        int value, Point;
    } Accuracyrate;
    struct JitterTimeKeys {
        int value;
    } JitterTime;
    struct MousMovInvlTimeKeys {
        int value;
    } MousMovInvlTime;
    struct ScalingKeys {
        double X, Y;
    } Scaling;
    struct GapKeys {
        int left, right, top, bottom;
    } Gap;
    struct TrcGapKeys {
        int left, right, top, bottom;
    } TrcGap;
    struct OriginalKeys {
        int radio_lt, radio_rt, radio_lb, radio_rb;
    } Original;
    struct RotationKeys {
        int radio_r0, radio_r90, radio_r180, radio_r270;
    } Rotation;
    struct AdjustmentKeys {
        int check_adjx, check_adjy;
    } Adjustment;
    struct CANVASKeys {
        int check_canvas;
    } CANVAS;
    struct CursorKeys {
        int check_cursor, check_log_cursor;
    } Cursor;
    struct Phase3Keys {
        int check_phase3;
    } Phase3;
    struct TestingModeKeys {
        int check_paint, check_linear_order, check_linear, check_trace;
        int check_report_rate, check_accuracy, check_jitter, check_sensitivity;
    } TestingMode;
    struct AutoModeKeys {
        int InitialMode;
    } AutoMode;
    struct SerialNumKeys {
        int initialNum;
        char path[TOUCH_TEST_PATH_SIZE];
        char namePrefix[TOUCH_TEST_NAME_PREFIX_SIZE];
    } SerialNum;
    // The outside tools; pointers into the INI store, null when the key is missing.
    struct InvokeKeys {
        const char* calibrationfile;
        const char* firmwareidfile;
        const char* firwareupfile;
    } Invoke;

    // [Pattern] width and height: the desktop window, measured at start.
    int ScreenWidth, ScreenHeight;
    // The test canvas; the screen size here, changed later by the view and ITO resize.
    int CanvasWidth, CanvasHeight;
};

// The program's one configuration.
extern TouchTestConfig TheTouchTestConfig;

}  // namespace trelliq
