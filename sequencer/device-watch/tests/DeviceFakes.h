// A scripted Portaq, a recording dialog view and a tool runner over a fake
// launcher, for the device watch's tests.
#pragma once

#include <cstdio>
#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "vantro/DeviceWatch.h"

namespace vantro {

struct FakePortaq : PortaqApi {
    std::vector<std::string> calls;
    std::deque<PortaqHandle> opens;  // then `open`
    PortaqHandle open = 7;
    uint8_t reportStop = 1;
    int readResult = 0;
    uint32_t delivered = 640;
    uint8_t block[640] = {};
    int memResult = 0;
    uint8_t calibration = 1;
    int type = 9;
    std::string path = "\\\\?\\hid#vid_3c5e&pid_0a7b&col02#1";
    int typeByPath = 9;
    int needReinstall = 0;

    PortaqHandle OpenDevice(int index) override {
        PortaqHandle h = open;
        if (!opens.empty()) {
            h = opens.front();
            opens.pop_front();
        }
        calls.push_back("Open(" + std::to_string(index) + ")=" + std::to_string(h));
        return h;
    }
    void CloseDevice(PortaqHandle h) override { calls.push_back("Close(" + std::to_string(h) + ")"); }
    uint8_t ReportToOS(PortaqHandle h, int on, int r) override {
        calls.push_back("Report(" + std::to_string(h) + "," + std::to_string(on) + "," + std::to_string(r) +
                        ")");
        return on == 0 ? reportStop : 1;
    }
    int SetChipIndex(int index) override {
        calls.push_back("Chip(" + std::to_string(index) + ")");
        return 0;
    }
    int ReadData(PortaqHandle h, uint32_t address, uint8_t* buffer, uint32_t* count) override {
        char text[64];
        std::snprintf(text, sizeof text, "Read(%d,0x%08X,%u)", static_cast<int>(h), address, *count);
        calls.push_back(text);
        if (readResult != 0)
            return readResult;
        uint32_t n = delivered < *count ? delivered : *count;
        std::memcpy(buffer, block, n);
        *count = n;
        return 0;
    }
    int ReadWriteMemData(PortaqHandle h, uint32_t address, uint32_t data, uint32_t mask,
                         uint8_t answer[16]) override {
        char text[64];
        std::snprintf(text, sizeof text, "Mem(%d,0x%08X,%u,%u)", static_cast<int>(h), address, data, mask);
        calls.push_back(text);
        answer[1] = calibration;
        return memResult;
    }
    int GetDeviceType() override { return type; }
    int GetDeviceTypeByPath(char* p) override {
        calls.push_back(std::string("TypeByPath(") + p + ")");
        return typeByPath;
    }
    void GetDevicePath(char* buffer) override { std::snprintf(buffer, kDevicePathSize, "%s", path.c_str()); }
    void GetVidPid(uint16_t* vid, uint16_t* pid) override {
        *vid = 0x3C5E;
        *pid = 0x0A7B;
    }
    void SetRetryValue(int count, int delayMs) override {
        calls.push_back("Retry(" + std::to_string(count) + "," + std::to_string(delayMs) + ")");
    }
    int IsNeedReInstall() override { return needReinstall; }
    void ClearReInstallFlag() override { calls.push_back("ClearReInstall"); }
};

struct RecordingView : DeviceView {
    std::vector<std::string> log;
    std::string status, label, firmwareId, console;
    int chipCount = -1;
    bool testEnabled = false;
    void SetStatus(const char* t) override {
        status = t;
        log.push_back(std::string("status ") + t);
    }
    void ConsolePrint(const char* t) override { console += t; }
    void EnableTest(bool e) override {
        testEnabled = e;
        log.push_back(e ? "enable" : "disable");
    }
    void FocusTest() override { log.push_back("focus test"); }
    void FocusResultList() override { log.push_back("focus list"); }
    void SetDeviceLabel(const char* t) override { label = t; }
    void SetMasterFirmwareId(const char* t) override { firmwareId = t; }
    void ClearFirmwareIdTexts() override { log.push_back("clear fw"); }
    void ShowPowerControls(bool s) override { log.push_back(s ? "power shown" : "power hidden"); }
    void ShowChipCount(int c) override { chipCount = c; }
    void RedrawPowerLamp() override { log.push_back("lamp"); }
    void Redraw() override {}
    void StartTimer(unsigned id, unsigned ms) override {
        log.push_back("start " + std::to_string(id) + " " + std::to_string(ms));
    }
    void KillTimer(unsigned id) override { log.push_back("kill " + std::to_string(id)); }
    void ZeroResultCounts() override { log.push_back("zero"); }
    void Sleep(int ms) override { log.push_back("sleep " + std::to_string(ms)); }
    bool Has(const std::string& entry) const {
        for (const auto& e : log)
            if (e == entry)
                return true;
        return false;
    }
};

struct FakeProcess : StartedProcess {
    uint32_t ProcessId() const override { return 1; }
    uint32_t Wait(uint32_t) override { return kWaitEnded; }
    uint32_t ExitCode() override { return 0; }
    void Terminate() override {}
};

struct FakeLauncher : ProcessLauncher {
    std::vector<std::string> started;
    bool starts = true;
    bool FileExists(const std::string&) override { return starts; }
    std::unique_ptr<StartedProcess> Start(const std::string& exe, const std::string& args) override {
        started.push_back(exe + "|" + args);
        if (!starts)
            return nullptr;
        return std::unique_ptr<StartedProcess>(new FakeProcess);
    }
    void Terminate(uint32_t) override {}
};

struct NoBoxes : UserMessages {
    std::vector<std::string> boxes;
    void ShowMessageBox(const char* text) override { boxes.push_back(text); }
};
struct NoTime : LocalTimeSource {
    std::string Now() override { return ""; }
};

// Text settings read from a small INI text the test writes.
struct IniTexts {
    IniDictionary* dict = nullptr;
    explicit IniTexts(const std::string& text) {
        std::FILE* f = std::fopen("device_watch_test.ini", "w");
        std::fputs(text.c_str(), f);
        std::fclose(f);
        dict = IniLoad("device_watch_test.ini");
    }
    ~IniTexts() { IniFree(dict); }
    IniText Get(const char* section, const char* key) { return IniGetText(dict, section, key); }
};

struct DeviceRig {
    FakePortaq api;
    RecordingView view;
    FakeLauncher launcher;
    NoBoxes boxes;
    NoTime now;
    ToolRunner tools{launcher, boxes, now, [] { return 0; }};
    SequencerSettings settings;
    int chipCount = 1;
    bool running = false;
    IniTexts texts{"[SetPowerInfo]\nPowerOnCmd=on.exe\nPowerOnParm=1 2\nPowerOffCmd=off.exe\nPowerOffParm=0\n"
                   "[ReInstall]\nDevconPath=dev\n"};
    DeviceWatch watch{api, settings, chipCount, tools, view, [this] { return running; }};
    DeviceRig() {
        settings.General.ReadFWInfo = 2;
        settings.SetPowerInfo.PowerOnCmd = texts.Get("SetPowerInfo", "PowerOnCmd");
        settings.SetPowerInfo.PowerOnParm = texts.Get("SetPowerInfo", "PowerOnParm");
        settings.SetPowerInfo.PowerOffCmd = texts.Get("SetPowerInfo", "PowerOffCmd");
        settings.SetPowerInfo.PowerOffParm = texts.Get("SetPowerInfo", "PowerOffParm");
        settings.ReInstall.DevconPath = texts.Get("ReInstall", "DevconPath");
        for (int i = 0; i < 12; ++i)
            api.block[i] = static_cast<uint8_t>(0xA0 + i);
        api.block[36] = 3;
    }
    std::string Calls() const {
        std::string out;
        for (const auto& c : api.calls)
            out += c + ";";
        return out;
    }
};

}  // namespace vantro
