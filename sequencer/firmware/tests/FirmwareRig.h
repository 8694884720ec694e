// The firmware steps' world for tests: the real tool runner over the scripted
// launcher with replies per tool (and the files they write), a clock that
// only counts, a device that goes and comes back by that clock, real
// temporary folders, and one journal of everything in call order.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "test_support/TestFiles.h"
#include "vantro/FirmwareOperations.h"
#include "vantro/QuietStation.h"
#include "vantro/ScriptedLauncher.h"
#include "vantro/SilentRunUi.h"

namespace vantro {
namespace firmware_test {

using Journal = std::vector<std::string>;

struct CountingClock : RunClock {
    explicit CountingClock(Journal& journal) : journal(journal) {}
    void Sleep(int ms) override {
        journal.push_back("sleep " + std::to_string(ms));
        now += ms;
    }
    Journal& journal;
    int now = 0;
};

// Gone from removedAt on, back from reopenedAt on (by the clock); never
// gone when removedAt is negative.
struct ScriptedDevice : OperationsDevice {
    ScriptedDevice(Journal& journal, CountingClock& clock) : journal(journal), clock(clock) {}
    bool IsOpen() override { return !Removed() || (reopenedAt >= 0 && clock.now >= reopenedAt); }
    int DeviceType() override { return type; }
    bool FirstRemovedMark() override {
        journal.push_back("look at mark");
        return Removed() && !cleared;
    }
    void ClearFirstRemovedMark() override { journal.push_back("clear first mark"); }
    void ClearRemovedMarks() override { journal.push_back("clear marks"); }
    bool TakeDeferredReinstall() override {
        const bool was = deferredReinstall;
        deferredReinstall = false;
        return was;
    }
    void ReInstallDevice() override { journal.push_back("reinstall"); }
    int ReadCalibrationStatus() override { return 0; }
    bool Removed() const { return removedAt >= 0 && clock.now >= removedAt; }

    Journal& journal;
    CountingClock& clock;
    int type = 9;
    int removedAt = -1, reopenedAt = -1;
    bool cleared = false;
    bool deferredReinstall = false;
};

struct RecordingUi : SilentRunUi {
    explicit RecordingUi(Journal& journal) : journal(journal) {}
    void ConsolePrint(const char* text) override { console += text; }
    void SetStatusText(const char* text, int) override {
        journal.push_back(std::string("status text ") + text);
    }
    void StartTimer(unsigned id, unsigned ms) override {
        journal.push_back("start timer " + std::to_string(id) + " " + std::to_string(ms));
    }
    void KillTimer(unsigned id) override { journal.push_back("kill timer " + std::to_string(id)); }
    void ClearFirmwareIdTexts() override { journal.push_back("clear ids"); }
    Journal& journal;
    std::string console;
};

struct FieldView : OperationsView {
    void SetFieldText(int id, const char* text) override { fields[id] = text; }
    void SetFieldNumber(int, int) override {}
    void ShowBox(const char*, const char*) override {}
    std::map<int, std::string> fields;
};

// Real folders listed through the standard library; the rest does nothing.
struct StationSystem : QuietStation {
    bool ListEntries(const char* folder, std::vector<FolderEntry>& entries) override;
    void ShowMessageBox(const char* text) override { boxes.push_back(text); }
    std::vector<std::string> boxes;
};

// Golden samples by name: "self" in it is kind 2, "mutual" kind 8.
struct KindsByName : OpenShortServices {
    int GetCsvKind(const char* path) override;
};

// A firmware file: zero bytes up to its size, the header at 0xC026.
std::string FirmwareBytes(int interfaceByte, int kindByte, int slaveByte, size_t size = 0xC029);
// Writes it, creating the folder.
void PutFirmware(const std::string& path, int interfaceByte, int kindByte, int slaveByte,
                 size_t size = 0xC029);
void MakeFolder(const std::string& path);
// The platform's form of a relative path written with '/'.
std::string Native(const std::string& path);

class FirmwareTest : public test_support::FreshFolderTest {
protected:
    FirmwareTest();
    void Chips(int count) { settings.shared.chipCount = count; }
    // Three chips, with the master's firmware file fw/m.bin and the slaves'
    // fw/a.bin and fw/b.bin.
    void ThreeChips();
    // The arguments of each start of exe, in turn.
    std::vector<std::string> ArgumentsOf(const std::string& exe) const;
    void SetText(IniText& text, const std::string& value);
    // The journal's entries that begin with prefix.
    Journal Only(const std::string& prefix) const;
    StepCall Call(char* message);

    Journal journal;
    StationSystem system;
    SettingsContext settings{system, system, system, system};
    OperationsState state;
    ScriptedLauncher launcher{&journal, LauncherWords::kRuns};
    ToolRunner tools{launcher, system, system, [] { return 0; }};
    CountingClock clock{journal};
    RecordingUi ui{journal};
    FieldView view;
    ScriptedDevice device{journal, clock};
    struct : RunLogs {
        void ResetTestLogs() override {}
        bool SaveLogs(bool, std::string&) override { return false; }
        void Screenshot(const char*, int) override {}
        std::string StepResultFilePath(bool) override { return std::string(); }
    } logs;
    FirmwareServices noFirmware{state};
    KindsByName kinds;
    OperationContext context{settings, state, tools, clock, ui, view, device, logs, noFirmware, kinds, {}};
    FirmwareOperations operations{context};

private:
    std::deque<IniValue> texts_;
};

}  // namespace firmware_test
}  // namespace vantro
