// Reading the configuration: every key, flags, texts and the write-back.
#include "trelliq/ConfigFlags.h"
#include "StartupFixture.h"

#include <cstring>
#include <functional>

namespace trelliq {

using testfiles::OnDisk;
using testfiles::ReadBytes;
using testfiles::WriteBytes;
using testfiles::WriteText;

namespace {

struct NumberKey {
    const char* section;
    const char* key;
    std::function<double(const TouchTestConfig&)> field;
};

#define KEY(section, key, expr)                                                                              \
    {                                                                                                        \
#section, #key, [](const TouchTestConfig& c) { return double(c.expr); }                              \
    }

// Every number of the file, with the field it lands in ([Pattern] is
// written, not read; [Grids] and [Distance] come from the file here because
// DecWidthHeigh is not 1).
const std::vector<NumberKey>& NumberKeys() {
    static const std::vector<NumberKey> keys = {
        KEY(Switch, calibration, Switch.calibration),
        KEY(Switch, resize, Switch.resize),
        KEY(Switch, constn, Switch.constn),
        KEY(Switch, firmwareid, Switch.firmwareid),
        KEY(Switch, firmwareupdate, Switch.firmwareupdate),
        KEY(Switch, automode, Switch.automode),
        KEY(MultiChip, DecWidthHeigh, MultiChip.DecWidthHeigh),
        KEY(LineWidth, side, LineWidth.side),
        KEY(LineWidth, cross, LineWidth.cross),
        KEY(Continuance, X, Continuance.X),
        KEY(Continuance, Y, Continuance.Y),
        KEY(Broaden, First, Broaden.First),
        KEY(Sensitivity, XDISTN, Sensitivity.XDISTN),
        KEY(Sensitivity, YDISTN, Sensitivity.YDISTN),
        KEY(Sensitivity, XContinu, Sensitivity.XContinu),
        KEY(Sensitivity, YContinu, Sensitivity.YContinu),
        KEY(Dot, radius, Dot.radius),
        KEY(Sensitivity, width, Sensitivity.width),
        KEY(Sensitivity, speed_error, Sensitivity.speed_error),
        KEY(Sensitivity, speed, Sensitivity.speed),
        KEY(Time, value, Time.value),
        KEY(Grids, X, Grids.X),
        KEY(Grids, Y, Grids.Y),
        KEY(Distance, X, Distance.X),
        KEY(Distance, Y, Distance.Y),
        KEY(Limit, points, Limit.points),
        KEY(TrcTime, value, TrcTime.value),
        KEY(PaintTime, value, PaintTime.value),
        KEY(RptrateTime, value, RptrateTime.value),
        KEY(Rptrate, value, Rptrate.value),
        KEY(AccuracyTime, touchvalue, AccuracyTime.touchvalue),
        KEY(AccuracyTime, testvalue, AccuracyTime.testvalue),
        KEY(Accuracyrate, value, Accuracyrate.value),
        KEY(Accuracyrate, Point, Accuracyrate.Point),
        KEY(JitterTime, value, JitterTime.value),
        KEY(MousMovInvlTime, value, MousMovInvlTime.value),
        KEY(Scaling, X, Scaling.X),
        KEY(Scaling, Y, Scaling.Y),
        KEY(Gap, left, Gap.left),
        KEY(Gap, right, Gap.right),
        KEY(Gap, top, Gap.top),
        KEY(Gap, bottom, Gap.bottom),
        KEY(TrcGap, left, TrcGap.left),
        KEY(TrcGap, right, TrcGap.right),
        KEY(TrcGap, top, TrcGap.top),
        KEY(TrcGap, bottom, TrcGap.bottom),
        KEY(Original, radio_lt, Original.radio_lt),
        KEY(Original, radio_rt, Original.radio_rt),
        KEY(Original, radio_lb, Original.radio_lb),
        KEY(Original, radio_rb, Original.radio_rb),
        KEY(Rotation, radio_r0, Rotation.radio_r0),
        KEY(Rotation, radio_r90, Rotation.radio_r90),
        KEY(Rotation, radio_r180, Rotation.radio_r180),
        KEY(Rotation, radio_r270, Rotation.radio_r270),
        KEY(Adjustment, check_adjx, Adjustment.check_adjx),
        KEY(Adjustment, check_adjy, Adjustment.check_adjy),
        KEY(CANVAS, check_canvas, CANVAS.check_canvas),
        KEY(Cursor, check_cursor, Cursor.check_cursor),
        KEY(Phase3, check_phase3, Phase3.check_phase3),
        KEY(Cursor, check_log_cursor, Cursor.check_log_cursor),
        KEY(TestingMode, check_paint, TestingMode.check_paint),
        KEY(TestingMode, check_linear_order, TestingMode.check_linear_order),
        KEY(TestingMode, check_linear, TestingMode.check_linear),
        KEY(TestingMode, check_trace, TestingMode.check_trace),
        KEY(TestingMode, check_report_rate, TestingMode.check_report_rate),
        KEY(TestingMode, check_accuracy, TestingMode.check_accuracy),
        KEY(TestingMode, check_jitter, TestingMode.check_jitter),
        KEY(TestingMode, check_sensitivity, TestingMode.check_sensitivity),
        KEY(AutoMode, InitialMode, AutoMode.InitialMode),
        KEY(SerialNum, initialNum, SerialNum.initialNum),
    };
    return keys;
}

// The value of key i: distinct, and automode stays 1 so that its texts are read.
std::string ValueOf(size_t i, const NumberKey& key) {
    if (std::string(key.section) == "Switch" && std::string(key.key) == "automode")
        return "1";
    if (std::string(key.section) == "Scaling")
        return std::to_string(i + 100) + ".25";
    return std::to_string(i + 100);
}

double Expected(size_t i, const NumberKey& key) {
    return std::stod(ValueOf(i, key));
}

std::string FullFile() {
    std::string text = "[Pattern]\nwidth=1\nheight=2\n";
    text += "[AutoModeInfo]\nSaveResultPath=D:\\Results\n[ScanBarcode]\nBarcode=BC-0042\n";
    text += "[SerialNum]\npath=D:\\Shots\nnamePrefix=PANEL\n";
    text += "[Invoke]\ncalibrationfile=Cal.exe\nfirmwareidfile=FwId.exe\nfirwareupfile=FwUp.exe\n";
    for (size_t i = 0; i < NumberKeys().size(); ++i) {
        const NumberKey& key = NumberKeys()[i];
        text += std::string("[") + key.section + "]\n" + key.key + "=" + ValueOf(i, key) + "\n";
    }
    return text;
}

}  // namespace

TEST_F(StartupTest, EveryKeyLandsInItsField) {
    WriteText("LinearConfig.ini", FullFile());
    ASSERT_EQ(Run(), StartupOutcome::GoOn);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_TRUE(device.calls.empty());
    for (size_t i = 0; i < NumberKeys().size(); ++i) {
        const NumberKey& key = NumberKeys()[i];
        EXPECT_EQ(key.field(config), Expected(i, key)) << key.section << " " << key.key;
    }
    EXPECT_STREQ(config.AutoModeInfo.SaveResultPath, "D:\\Results");
    EXPECT_EQ(config.ScanBarcode.Barcode, "BC-0042");
    EXPECT_STREQ(config.SerialNum.path, "D:\\Shots");
    EXPECT_STREQ(config.SerialNum.namePrefix, "PANEL");
    EXPECT_STREQ(config.Invoke.calibrationfile, "Cal.exe");
    EXPECT_STREQ(config.Invoke.firmwareidfile, "FwId.exe");
    EXPECT_STREQ(config.Invoke.firwareupfile, "FwUp.exe");
    EXPECT_EQ(config.ScreenWidth, 1366);
    EXPECT_EQ(config.ScreenHeight, 768);
    EXPECT_EQ(config.CanvasWidth, 1366);
    EXPECT_EQ(config.CanvasHeight, 768);
}

TEST_F(StartupTest, FileTooLargeLeavesEveryFieldZero) {
    std::string bytes = OnDisk(FullFile()) + "#";
    bytes.append(65537 - bytes.size() - 1, 'x');
    bytes += '\n';
    WriteBytes("LinearConfig.ini", bytes);
    ASSERT_EQ(Run(), StartupOutcome::GoOn);
    for (const NumberKey& key : NumberKeys())
        EXPECT_EQ(key.field(config), 0.0) << key.section << " " << key.key;
    EXPECT_STREQ(config.AutoModeInfo.SaveResultPath, "");
    EXPECT_EQ(config.Invoke.calibrationfile, nullptr);
    EXPECT_EQ(config.CanvasWidth, 0);
    EXPECT_EQ(ReadBytes("LinearConfig.ini"), bytes);
}

TEST_F(StartupTest, FlagsOnByTheirOwnRule) {
    WriteText("LinearConfig.ini",
              "[Switch]\nresize=2\nautomode=2\n[TestingMode]\ncheck_trace=-1\n[Cursor]\ncheck_cursor=2\n"
              "[MultiChip]\nDecWidthHeigh=2\n[Grids]\nX=7\nY=5\n[AutoModeInfo]\nSaveResultPath=D:\\R\n"
              "[ScanBarcode]\nBarcode=B1\n[Pattern]\nwidth=0\nheight=0\n");
    ASSERT_EQ(Run(), StartupOutcome::GoOn);
    EXPECT_TRUE(FlagOnWhenNotZero(config.Switch.resize));
    EXPECT_TRUE(FlagOnWhenNotZero(config.TestingMode.check_trace));
    EXPECT_FALSE(FlagOnWhenOne(config.Switch.automode));
    EXPECT_FALSE(FlagOnWhenOne(config.Cursor.check_cursor));
    EXPECT_FALSE(FlagOnWhenNotZero(config.Switch.calibration));
    EXPECT_TRUE(FlagOnWhenOne(1));
    // DecWidthHeigh=2 is off: no device, [Grids] from the file.
    EXPECT_TRUE(device.calls.empty());
    EXPECT_EQ(config.Grids.X, 7);
    EXPECT_EQ(config.Grids.Y, 5);
    // automode is not 1: its texts stay empty.
    EXPECT_STREQ(config.AutoModeInfo.SaveResultPath, "");
    EXPECT_EQ(config.ScanBarcode.Barcode, "");
}

TEST_F(StartupTest, OversizeTextsAreCutToTheirBuffers) {
    std::string path300(300, 'p');
    std::string prefix60(60, 'n');
    WriteText("LinearConfig.ini", "[Switch]\nautomode=1\n[AutoModeInfo]\nSaveResultPath=" + path300 +
                                      "\n[SerialNum]\npath=" + path300 + "\nnamePrefix=" + prefix60 +
                                      "\n[Pattern]\nwidth=0\nheight=0\n");
    ASSERT_EQ(Run(), StartupOutcome::GoOn);
    EXPECT_EQ(std::string(config.AutoModeInfo.SaveResultPath), std::string(259, 'p'));
    EXPECT_EQ(std::string(config.SerialNum.path), std::string(259, 'p'));
    EXPECT_EQ(std::string(config.SerialNum.namePrefix), std::string(49, 'n'));
}

TEST_F(StartupTest, MissingKeysGiveZeroEmptyAndNoPath) {
    WriteText("LinearConfig.ini", "[Switch]\nautomode=1\n[Pattern]\nwidth=0\nheight=0\n");
    ASSERT_EQ(Run(), StartupOutcome::GoOn);
    EXPECT_EQ(config.Limit.points, 0);
    EXPECT_EQ(config.Grids.X, 0);
    EXPECT_EQ(config.Scaling.X, 0.0);
    EXPECT_EQ(config.Scaling.Y, 0.0);
    EXPECT_STREQ(config.AutoModeInfo.SaveResultPath, "");
    EXPECT_EQ(config.ScanBarcode.Barcode, "");
    EXPECT_STREQ(config.SerialNum.path, "");
    EXPECT_STREQ(config.SerialNum.namePrefix, "");
    EXPECT_EQ(config.Invoke.calibrationfile, nullptr);
    EXPECT_EQ(config.Invoke.firmwareidfile, nullptr);
    EXPECT_EQ(config.Invoke.firwareupfile, nullptr);
}

TEST_F(StartupTest, PatternGetsTheDesktopSize) {
    desktop.rect = {10, 20, 1376, 788};  // the size is right - left by bottom - top
    WriteText("LinearConfig.ini", "[Pattern]\nwidth=1\nheight=2\n[Grids]\nX=7\nY=5\n");
    ASSERT_EQ(Run(), StartupOutcome::GoOn);
    EXPECT_EQ(ReadBytes("LinearConfig.ini"),
              OnDisk("[DEFAULT]\n\n[Pattern]\nwidth=1366\nheight=768\n\n[Grids]\nX=7\nY=5\n\n"));
    EXPECT_EQ(config.ScreenWidth, 1366);
    EXPECT_EQ(config.ScreenHeight, 768);
    EXPECT_EQ(config.CanvasWidth, 1366);
    EXPECT_EQ(config.CanvasHeight, 768);
}

TEST_F(StartupTest, MissingPatternAndDistanceKeysEachShowABox) {
    device.SetBlock(0, 20, 5);
    WriteText("LinearConfig.ini", "[MultiChip]\nDecWidthHeigh=1\n[Pattern]\nother=1\n");
    ASSERT_EQ(Run(), StartupOutcome::GoOn);
    EXPECT_EQ(messages.boxes, std::vector<std::string>(4, "Set Config File Failed / Set Config File Failed"));
    EXPECT_EQ(printed, "do not exit section Distance\ndo not exit section Distance\n");
    EXPECT_EQ(ReadBytes("LinearConfig.ini"),
              OnDisk("[MultiChip]\nDecWidthHeigh=1\n\n[DEFAULT]\n\n[Pattern]\nother=1\n\n"));
    EXPECT_EQ(config.Distance.X, 1366 / 20);
    EXPECT_EQ(config.Distance.Y, 768 / 5);
}

}  // namespace trelliq
