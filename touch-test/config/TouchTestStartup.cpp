#include "trelliq/TouchTestStartup.h"

#include <stdio.h>
#include <stdlib.h>

#include "trelliq/IniFile.h"

namespace trelliq {

TouchTestConfig TheTouchTestConfig;

namespace {

const char kConfigFileName[] = "LinearConfig.ini";
const char kSubFolder[] = "Trelliq";

// Copies at most size - 1 characters; a missing text gives an empty one.
void CopyBounded(char* buffer, size_t size, const char* text) {
    snprintf(buffer, size, "%s", text ? text : "");
}

int Int(const char* section, const char* key) {
    return IniFileGetInt(section, key);
}

double Double(const char* section, const char* key) {
    const char* text = IniFileGetString(section, key);
    return text ? strtod(text, nullptr) : 0.0;
}

void SetIntOrTell(const StartupSeams& seams, const char* section, const char* key, int value) {
    if (!IniFileSetInt(section, key, value))
        seams.messages.Show("Set Config File Failed", "Set Config File Failed");
}

void ReadSwitches(TouchTestConfig& c) {
    c.Switch.calibration = Int("Switch", "calibration");
    c.Switch.resize = Int("Switch", "resize");
    c.Switch.constn = Int("Switch", "constn");
    c.Switch.firmwareid = Int("Switch", "firmwareid");
    c.Switch.firmwareupdate = Int("Switch", "firmwareupdate");
    c.Switch.automode = Int("Switch", "automode");
    if (c.Switch.automode == 1) {
        CopyBounded(c.AutoModeInfo.SaveResultPath, sizeof c.AutoModeInfo.SaveResultPath,
                    IniFileGetString("AutoModeInfo", "SaveResultPath"));
        const char* barcode = IniFileGetString("ScanBarcode", "Barcode");
        c.ScanBarcode.Barcode = barcode ? barcode : "";
    }
}

// [LineWidth] through [Time] value.
void ReadLinearKeys(TouchTestConfig& c) {
    c.LineWidth.side = Int("LineWidth", "side");
    c.LineWidth.cross = Int("LineWidth", "cross");
    c.Continuance.X = Int("Continuance", "X");
    c.Continuance.Y = Int("Continuance", "Y");
    c.Broaden.First = Int("Broaden", "First");
    c.Sensitivity.XDISTN = Int("Sensitivity", "XDISTN");
    c.Sensitivity.YDISTN = Int("Sensitivity", "YDISTN");
    c.Sensitivity.XContinu = Int("Sensitivity", "XContinu");
    c.Sensitivity.YContinu = Int("Sensitivity", "YContinu");
    c.Dot.radius = Int("Dot", "radius");
    c.Sensitivity.width = Int("Sensitivity", "width");
    c.Sensitivity.speed_error = Int("Sensitivity", "speed_error");
    c.Sensitivity.speed = Int("Sensitivity", "speed");
    c.Time.value = Int("Time", "value");
}

// [Limit] through [Invoke].
void ReadRemainingKeys(TouchTestConfig& c) {
    c.Limit.points = Int("Limit", "points");
    c.TrcTime.value = Int("TrcTime", "value");
    c.PaintTime.value = Int("PaintTime", "value");
    c.RptrateTime.value = Int("RptrateTime", "value");
    c.Rptrate.value = Int("Rptrate", "value");
    c.AccuracyTime.touchvalue = Int("AccuracyTime", "touchvalue");
    c.AccuracyTime.testvalue = Int("AccuracyTime", "testvalue");
    c.Accuracyrate.value = Int("Accuracyrate", "value");
    c.Accuracyrate.Point = Int("Accuracyrate", "Point");
    c.JitterTime.value = Int("JitterTime", "value");
    c.MousMovInvlTime.value = Int("MousMovInvlTime", "value");
    c.Scaling.X = Double("Scaling", "X");
    c.Scaling.Y = Double("Scaling", "Y");
    c.Gap.left = Int("Gap", "left");
    c.Gap.right = Int("Gap", "right");
    c.Gap.top = Int("Gap", "top");
    c.Gap.bottom = Int("Gap", "bottom");
    c.TrcGap.left = Int("TrcGap", "left");
    c.TrcGap.right = Int("TrcGap", "right");
    c.TrcGap.top = Int("TrcGap", "top");
    c.TrcGap.bottom = Int("TrcGap", "bottom");
    c.CanvasWidth = c.ScreenWidth;
    c.CanvasHeight = c.ScreenHeight;
    c.Original.radio_lt = Int("Original", "radio_lt");
    c.Original.radio_rt = Int("Original", "radio_rt");
    c.Original.radio_lb = Int("Original", "radio_lb");
    c.Original.radio_rb = Int("Original", "radio_rb");
    c.Rotation.radio_r0 = Int("Rotation", "radio_r0");
    c.Rotation.radio_r90 = Int("Rotation", "radio_r90");
    c.Rotation.radio_r180 = Int("Rotation", "radio_r180");
    c.Rotation.radio_r270 = Int("Rotation", "radio_r270");
    c.Adjustment.check_adjx = Int("Adjustment", "check_adjx");
    c.Adjustment.check_adjy = Int("Adjustment", "check_adjy");
    c.CANVAS.check_canvas = Int("CANVAS", "check_canvas");
    c.Cursor.check_cursor = Int("Cursor", "check_cursor");
    c.Phase3.check_phase3 = Int("Phase3", "check_phase3");
    c.Cursor.check_log_cursor = Int("Cursor", "check_log_cursor");
    c.TestingMode.check_paint = Int("TestingMode", "check_paint");
    c.TestingMode.check_linear_order = Int("TestingMode", "check_linear_order");
    c.TestingMode.check_linear = Int("TestingMode", "check_linear");
    c.TestingMode.check_trace = Int("TestingMode", "check_trace");
    c.TestingMode.check_report_rate = Int("TestingMode", "check_report_rate");
    c.TestingMode.check_accuracy = Int("TestingMode", "check_accuracy");
    c.TestingMode.check_jitter = Int("TestingMode", "check_jitter");
    c.TestingMode.check_sensitivity = Int("TestingMode", "check_sensitivity");
    c.AutoMode.InitialMode = Int("AutoMode", "InitialMode");
    c.SerialNum.initialNum = Int("SerialNum", "initialNum");
    CopyBounded(c.SerialNum.path, sizeof c.SerialNum.path, IniFileGetString("SerialNum", "path"));
    CopyBounded(c.SerialNum.namePrefix, sizeof c.SerialNum.namePrefix,
                IniFileGetString("SerialNum", "namePrefix"));
    c.Invoke.calibrationfile = IniFileGetString("Invoke", "calibrationfile");
    c.Invoke.firmwareidfile = IniFileGetString("Invoke", "firmwareidfile");
    c.Invoke.firwareupfile = IniFileGetString("Invoke", "firwareupfile");
}

}  // namespace

StartupOutcome RunTouchTestStartup(TouchTestConfig& config, const StartupSeams& seams) {
    config = TouchTestConfig{};

    // The station's current folder first, then its "Trelliq" sub-folder.
    snprintf(IniFilePath, sizeof IniFilePath, "%s", kConfigFileName);
    if (!FileExists(IniFilePath)) {
        snprintf(IniFilePath, sizeof IniFilePath, "%s%s%s", kSubFolder, TOUCH_TEST_PATH_SEPARATOR,
                 kConfigFileName);
        if (!FileExists(IniFilePath)) {
            seams.messages.Show("Linear Config File Not Found", "Read Config File Failed");
            return StartupOutcome::EndWithExitCode0;
        }
    }

    // A file that cannot be loaded leaves every value 0; without a dictionary
    // nothing is ever written to it.
    IniDictionary = IniFileLoad();
    if (!IniDictionary) {
        seams.messages.Show("Read Config File Failed", "Read Config File Failed");
        return StartupOutcome::GoOn;
    }

    ReadSwitches(config);

    config.MultiChip.DecWidthHeigh = Int("MultiChip", "DecWidthHeigh");
    bool sizeFromDevice = config.MultiChip.DecWidthHeigh == 1;
    if (sizeFromDevice && !ReadSensorSize(config, seams))
        return StartupOutcome::EndWithExitCode0;

    ReadLinearKeys(config);
    if (!sizeFromDevice) {
        config.Grids.X = Int("Grids", "X");
        config.Grids.Y = Int("Grids", "Y");
    }

    DesktopRect desktop = seams.desktop.DesktopRectangle();
    config.ScreenWidth = desktop.right - desktop.left;
    config.ScreenHeight = desktop.bottom - desktop.top;
    SetIntOrTell(seams, "Pattern", "width", config.ScreenWidth);
    SetIntOrTell(seams, "Pattern", "height", config.ScreenHeight);
    IniFileSave();
    config.CanvasWidth = config.ScreenWidth;
    config.CanvasHeight = config.ScreenHeight;

    if (sizeFromDevice) {
        // The sensor-size read guarantees a grid of at least 1 x 1.
        config.Distance.X = config.ScreenWidth / config.Grids.X;
        config.Distance.Y = config.ScreenHeight / config.Grids.Y;
        SetIntOrTell(seams, "Distance", "X", config.Distance.X);
        SetIntOrTell(seams, "Distance", "Y", config.Distance.Y);
        IniFileSave();
    } else {
        config.Distance.X = Int("Distance", "X");
        config.Distance.Y = Int("Distance", "Y");
    }

    ReadRemainingKeys(config);
    return StartupOutcome::GoOn;
}

}  // namespace trelliq
