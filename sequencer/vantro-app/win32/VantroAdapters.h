// The main dialog's adapters: what the sequence run asks of the operations,
// the device, the logs, the setting switch and the clock, bound to the
// dialog's own parts.
#pragma once

#include <string>

#include "VantroDlg.h"
#include "vantro/SwitchSetting.h"

// The operations this program carries today; the others fail with a reason.
class CKestrovaDlg::Handlers : public vantro::OperationHandlers {
public:
    explicit Handlers(vantro::DevconReinstaller& reinstaller) : reinstaller_(reinstaller) {}
    vantro::StepOutcome Run(vantro::HandlerId handler, vantro::StepCall& call) override;

private:
    vantro::DevconReinstaller& reinstaller_;
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
    explicit Logs(SettingsContext& context) : context_(context) {}
    void ResetTestLogs() override;
    bool SaveLogs(bool, std::string&) override { return false; }
    void Screenshot(const char*, int) override {}
    std::string StepResultFilePath(bool) override { return std::string(); }

private:
    SettingsContext& context_;
};

class CKestrovaDlg::Switcher : public vantro::SettingSwitcher {
public:
    explicit Switcher(SettingsContext& context) : context_(context) {}
    bool SwitchSetting(int index) override { return ::SwitchSetting(context_, index); }

private:
    SettingsContext& context_;
};

class CKestrovaDlg::Clock : public vantro::RunClock {
public:
    void Sleep(int milliseconds) override { ::Sleep(static_cast<DWORD>(milliseconds)); }
};
