#include "vantro/MainController.h"

#include <cstdio>
#include <cstring>

#include "vantro/LoadSettings.h"
#include "vantro/SwitchSetting.h"
#include "vantro/EndFiles.h"

namespace vantro {

const char* SpecPictureFor(int showMutResult, int screenHeight) {
    if (showMutResult != 1)
        return nullptr;
    if (screenHeight >= 1024)
        return "LargeSpec.bmp";
    if (screenHeight >= 768)
        return "SmallSpec.bmp";
    return nullptr;
}

MainController::MainController(MainParts parts)
    : context_(parts.context), settings_(parts.context.settings), engine_(parts.engine),
      device_(parts.device), tools_(parts.tools), view_(parts.view), stageEditor_(parts.stageEditor),
      fileSearch_(parts.fileSearch), openShort_(parts.openShort), itoMap_(parts.itoMap) {
    DeleteResultFiles();
}

MainController::~MainController() {
    ReleaseSettingsFiles(context_);
    context_.config = nullptr;
    context_.mpset = nullptr;
    IniFree(config_);
    IniFree(mpset_);
}

void MainController::Status(const char* text, bool printed) {
    view_.SetStatus(text);
    if (printed && console_) {
        char line[160];
        std::snprintf(line, sizeof line, "%s\n", text);
        view_.ConsolePrint(line);
    }
}

void MainController::OnInitDialog() {
    if (!view_.RegisterDeviceNotices())
        view_.ShowBox("Register Device Notification filter failed", nullptr, 0);
    device_.OpenTouchDevice();
    device_.ShowDeviceId();
    if (device_.IsOpen() && !IsBridgeType(device_.DeviceType()))
        view_.ShowPowerControls(false);
    production_ = true;

    config_ = IniLoad("config.ini");
    mpset_ = IniLoad("MPSet.ini");
    // Known before the load, so that a failed load is still printed and the
    // console run still ends by itself.
    console_ = mpset_ && IniGetInt(mpset_, "InitMod", "Console") == 1;
    device_.SetConsoleMode(console_);
    loaded_ = config_ && mpset_ && LoadSettings(mpset_, context_, config_);
    if (loaded_) {
        aio_ = settings_.InitMod.AIO == 1;
        if (settings_.General.CHNcomment == 1)
            view_.SetChineseNotice();
        ResetView();
        if (console_ && !view_.CreateConsole())
            view_.ShowBox("Failed to create the console!", nullptr, kBoxExclamation);
        if (device_.IsOpen()) {
            if (console_) {
                view_.ConsolePrint("Vantro console mode test start...\n");
            } else {
                view_.SetStatus(aio_ ? "AIO Mode" : "MP Mode");
            }
            if (device_.ReadChipInfo()) {
                view_.EnableTest(true);
                view_.FocusTest();
                device_.autoStartArmed = 1;
            } else {
                Status("==Warning ! I2C or USB connect Fail !==", true);
                view_.EnableTest(false);
            }
        } else {
            view_.StartTimer(kReinstallCheckTimerId, 1000);
            Status("==Device Disconnected !==", true);
            view_.EnableTest(false);
        }
        view_.ShowChipCount(context_.shared.chipCount);
    } else {
        device_.SetTestAllowed(false);
        Status("Re-Check Config Files", true);
        view_.EnableTest(false);
        view_.EnableSettingControls(false);
    }

    int width = 0, height = 0;
    view_.ScreenSize(&width, &height);
    const char* picture = SpecPictureFor(settings_.InitMod.ShowMutResult, height);
    if (!picture || !view_.ShowSpecPicture(picture))
        view_.HideSpecPicture();
    view_.Redraw();
    if (settings_.Window.MostTop == 1)
        view_.SetTopMost();
    if (console_)
        view_.StartTimer(kConsoleStartTimerId, 1000);
}

void MainController::ResetView() {
    int executed = 0;
    engine_.ResetStepResults(executed);
    engine_.ForgetLastRun();
    openShort_.Clear();
    if (settings_.SetPowerInfo.AutoSetBridgePower == 1)
        device_.PowerOff();
    view_.ClearFirmwareIdTexts();
    view_.ShowFirmwareIdRows(settings_.General.ReadFWInfo == 0 ? context_.shared.chipCount : kMaxChipCount);
    view_.ClearRunFields();
    view_.ClearMapPicture();
    view_.ResetResultColumns();
    engine_.FillStepList(false);
    engine_.Records().Clear();
    if (production_) {
        view_.EnableSettingControls(false);
        view_.ShowMaximized();
    } else {
        view_.EnableSettingControls(loaded_);
        int width = 0, height = 0;
        view_.ScreenSize(&width, &height);
        if (width >= 1152) {
            view_.ShowNormal();
        } else {
            view_.ShowMaximized();
        }
    }
    view_.PlaceNoticeLabel();
    view_.Redraw();
    laidOut_ = true;
}

bool MainController::SwitchMode(int mode) {
    std::string typed;
    if (!view_.AskPassword(&typed))
        return false;
    if (typed != settings_.ModePwd.EngPwd) {
        view_.ShowBox("Incorrect Password", "Type Password", 0);
        return false;
    }
    const char* status = nullptr;
    switch (mode) {
        case kModeMp:
            production_ = true;
            aio_ = false;
            settings_.InitMod.AIO = 0;  // the run's retry prompt follows the mode
            status = "MP Mode";
            break;
        case kModeEngineer:
            production_ = false;
            status = "Engineer Mode";
            break;
        case kModeAio:
            production_ = true;
            aio_ = true;
            settings_.InitMod.AIO = 1;
            status = "AIO Mode";
            break;
        default:
            return true;
    }
    Status(status, true);
    ResetView();
    view_.FocusDialog();
    return true;
}

bool MainController::OnKeyDown(unsigned virtualKey) {
    if (Running())
        return false;
    int mode;
    switch (virtualKey) {
        case kVirtualKeyE:
            mode = kModeEngineer;
            break;
        case kVirtualKeyM:
            mode = kModeMp;
            break;
        case kVirtualKeyA:
            mode = kModeAio;
            break;
        default:
            return false;
    }
    // After a failed load the program can only be closed.
    if (loaded_)
        SwitchMode(mode);
    return true;
}

bool MainController::MayClose() {
    // The worker walks the stage and writes the controls until its very end.
    if (Running())
        return false;
    if (aio_ && !console_ && !pass_ && !engine_.PassFlag())
        return SwitchMode(kModeConfirm);
    return true;
}

void MainController::OnTestButton() {
    if (!loaded_ || switchFailed_)
        return;
    engine_.OnTestClicked();
}

void MainController::OnTimer(unsigned id) {
    switch (id) {
        case kRunWatchTimerId:
            if (console_ || Running())
                return;
            view_.FocusTest();
            view_.KillTimer(kRunWatchTimerId);
            if (aio_ && engine_.PassFlag() && settings_.InitMod.AIOPassAutoClose == 1) {
                view_.Sleep(settings_.InitMod.CloseDelayTime);
                view_.EndDialog(kDialogOk);
            }
            return;
        case kConsoleStartTimerId:
            // A half-loaded setting is never run, armed or not.
            if (device_.autoStartArmed.exchange(0) == 1 && loaded_ && !switchFailed_) {
                device_.firstArrival = 0;
                engine_.OnTestClicked();
            }
            if (!Running()) {
                view_.KillTimer(kConsoleStartTimerId);
                view_.Sleep(settings_.InitMod.CloseDelayTime);
                view_.FreeConsole();
                view_.EndDialog(kDialogOk);
            }
            return;
        case kReinstallCheckTimerId:
            device_.OnReinstallCheckTimer();
            return;
        case kRemovedMarkTimerId:
            device_.firstRemovedMark = 0;
            return;
        default:
            engine_.OnTimer(id);
            return;
    }
}

uint32_t MainController::StatusColour() const {
    if (!engine_.RunFinished())
        return 0;
    if (engine_.FailCount() > 0)
        return 0x000000FF;
    if (engine_.PassCount() > 0)
        return 0x00009B00;  // RGB(0, 155, 0)
    return 0;
}

void MainController::OnSettingSelected(int index) {
    if (Running() || !loaded_) {
        view_.SelectSetting(context_.currentSetting);
        return;
    }
    if (!SwitchSetting(context_, index)) {
        switchFailed_ = true;
        device_.SetTestAllowed(false);
        Status("Re-Check Config Files", true);
        view_.EnableTest(false);
        return;
    }
    switchFailed_ = false;
    engine_.AllowStarts();
    device_.SetTestAllowed(true);
    Status("Engineer Mode", true);
    ResetView();
    view_.EnableTest(device_.TestReady());
}

void MainController::OnSettingsButton() {
    // Only Engineer mode enables the button; a click that still arrives, or one
    // during a run or on a half-loaded setting, opens nothing.
    if (Running() || !loaded_ || switchFailed_ || production_)
        return;
    StageEditValues values = PrepareStageEdit(context_, fileSearch_, device_.DeviceType());
    if (!stageEditor_.Edit(values))
        return;
    for (const std::string& path : ApplyStageEdit(context_, values, config_)) {
        char text[kStagePathSize + 32];
        std::snprintf(text, sizeof text, "Cannot save %s !", path.c_str());
        view_.ShowBox(text, nullptr, kBoxExclamation);
    }
    Status("Engineer Mode", true);
    ResetView();
    view_.FocusDialog();
}

void MainController::OnRowDoubleClick(int row) {
    if (Running() || !openShort_.Present())
        return;
    for (const std::string& folder : engine_.Records().PathsOfRow(row + 1))
        engine_.OpenLogFolder(folder.c_str());
}

void MainController::OnPaint() {
    if (openShort_.Present())
        itoMap_.Paint();
}

void MainController::OnSize() {
    if (!laidOut_ || settings_.InitMod.ShowMutResult != 1)
        return;
    view_.PlaceNoticeLabel();
    if (openShort_.Present()) {
        view_.ClearMapPicture();
        itoMap_.Redraw();
    }
}

void MainController::OnMouseMove(int x, int y) {
    itoMap_.OnMouseMove(x, y);
}

bool MainController::OnDestroy() {
    pass_ = pass_ || engine_.PassFlag();
    resultWritten_ =
        WriteResultFile(pass_, settings_.InitMod.PassStr.c_str(), settings_.InitMod.FailStr.c_str());
    if (console_ && settings_.InitMod.showConslResult == 1) {
        uint32_t waitResult = 0, exitCode = 0, processId = 0;
        if (!tools_.RunTool(settings_.ShowResult.ShowResultCmd.c_str(),
                            std::string(" ") + ResultFileName(pass_), kWaitForever, waitResult, exitCode,
                            processId))
            view_.ConsolePrint("Cannot call notepad!");
    }
    // The caller files the verdict under these ids: a stale file from an
    // earlier panel must not go with a pass.
    if (!WriteVidPidFile(device_.Vid(), device_.Pid()))
        resultWritten_ = false;
    return pass_ && resultWritten_;
}

}  // namespace vantro
