// The main dialog's adapters: what the sequence run asks of the operations,
// the device, the logs, the setting switch and the clock, bound to the
// dialog's own parts.
#pragma once

#include <string>

#include "VantroDlg.h"
#include "vantro/SwitchSetting.h"

// "ReInstall" is the dialog's own; every other operation goes to the class
// registered for it, and one nobody serves fails with a reason.
class CKestrovaDlg::Handlers : public vantro::OperationHandlers {
public:
    Handlers(vantro::DevconReinstaller& reinstaller, vantro::OperationRouter& router)
        : reinstaller_(reinstaller), router_(router) {}
    vantro::StepOutcome Run(vantro::HandlerId handler, vantro::StepCall& call) override;

private:
    vantro::DevconReinstaller& reinstaller_;
    vantro::OperationRouter& router_;
};

class CKestrovaDlg::Device : public vantro::RunDevice {
public:
    explicit Device(vantro::DeviceWatch& watch) : watch_(watch) {}
    bool IsOpen() override { return watch_.IsOpen(); }
    int DeviceType() override { return watch_.DeviceType(); }
    bool SecondRemovedMark() override { return watch_.secondRemovedMark.load() != 0; }
    bool WaitDeviceReopen() override { return false; }  // the firmware update brings its own
    void PowerOn() override { watch_.PowerOn(); }
    void PowerOff() override { watch_.PowerOff(); }

private:
    vantro::DeviceWatch& watch_;
};

// Saving logs and screenshots belongs to the result-log work; until then a
// save reports failure rather than pretend.
class CKestrovaDlg::Logs : public vantro::RunLogs {
public:
    Logs(vantro::SettingsContext& context, vantro::OperationsState& state)
        : context_(context), state_(state) {}
    void ResetTestLogs() override;
    bool SaveLogs(bool, std::string&) override { return false; }
    void Screenshot(const char*, int) override {}
    std::string StepResultFilePath(bool mutual) override { return vantro::LastResultPath(state_, mutual); }

private:
    vantro::SettingsContext& context_;
    vantro::OperationsState& state_;
};

class CKestrovaDlg::Switcher : public vantro::SettingSwitcher {
public:
    explicit Switcher(vantro::SettingsContext& context) : context_(context) {}
    bool SwitchSetting(int index) override { return vantro::SwitchSetting(context_, index); }

private:
    vantro::SettingsContext& context_;
};

class CKestrovaDlg::Clock : public vantro::RunClock {
public:
    void Sleep(int milliseconds) override { ::Sleep(static_cast<DWORD>(milliseconds)); }
};

// The fields and the message box the operations write to.  The dialog's
// window exists once the fields are written (a run needs the dialog).
class CKestrovaDlg::OperationsFields : public vantro::OperationsView {
public:
    OperationsFields(VantroView& view, HWND& window) : view_(view), window_(window) {}
    void SetFieldText(int id, const char* text) override { ::SetDlgItemTextA(window_, id, text); }
    void SetFieldNumber(int id, int value) override { ::SetDlgItemInt(window_, id, value, TRUE); }
    void ShowBox(const char* text, const char* caption) override { view_.ShowBox(text, caption, MB_OK); }

private:
    VantroView& view_;
    HWND& window_;
};

class CKestrovaDlg::OperationsDeviceOf : public vantro::OperationsDevice {
public:
    explicit OperationsDeviceOf(vantro::DeviceWatch& watch) : watch_(watch) {}
    bool IsOpen() override { return watch_.IsOpen(); }
    int DeviceType() override { return watch_.DeviceType(); }
    bool FirstRemovedMark() override { return watch_.firstRemovedMark.load() != 0; }
    void ClearFirstRemovedMark() override { watch_.firstRemovedMark = 0; }
    void ClearRemovedMarks() override {
        watch_.firstRemovedMark = 0;
        watch_.secondRemovedMark = 0;
    }
    bool TakeDeferredReinstall() override { return watch_.deferredReinstall.exchange(0) != 0; }
    void ReInstallDevice() override { watch_.ReInstallDevice(); }
    int ReadCalibrationStatus() override { return watch_.ReadCalibrationStatus(); }

private:
    vantro::DeviceWatch& watch_;
};

// The open/short services as the other operations reach them, bound once the
// open/short operations exist (they are built with the context that names
// this link).
class CKestrovaDlg::OpenShortLink : public vantro::OpenShortServices {
public:
    int GetCsvKind(const char* path) override {
        return target ? target->GetCsvKind(path) : OpenShortServices::GetCsvKind(path);
    }
    vantro::StepOutcome RunMutualTest(vantro::StepCall& call, bool quiet) override {
        return target ? target->RunMutualTest(call, quiet) : OpenShortServices::RunMutualTest(call, quiet);
    }
    vantro::StepOutcome RunHardCalibrationTest(vantro::StepCall& call, int retriesLeft) override {
        return target ? target->RunHardCalibrationTest(call, retriesLeft)
                      : OpenShortServices::RunHardCalibrationTest(call, retriesLeft);
    }
    vantro::StepOutcome RunUniformityTest(vantro::StepCall& call) override {
        return target ? target->RunUniformityTest(call) : OpenShortServices::RunUniformityTest(call);
    }
    vantro::OpenShortServices* target = nullptr;
};
