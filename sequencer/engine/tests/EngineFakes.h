// Scripted stand-ins for everything the sequence engine works through.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "vantro/SequenceEngine.h"

namespace vantro {
namespace testing_fakes {

struct HandlerReply {
    StepOutcome outcome = kStepPass;
    std::string message;
    int itoIndex = -1;
};

struct FakeHandlers : OperationHandlers {
    StepOutcome Run(HandlerId handler, StepCall& call) override {
        calls.push_back({handler, call.mode});
        seen.push_back({handler, call.step, call.comment, call.mutualRetryArmed});
        if (onStepCall)
            onStepCall(call);
        if (call.message[0] != '\0')
            dirtyCalls.push_back(call.message);
        if (onCall)
            onCall(handler);
        HandlerReply reply;
        auto& queue = replies[handler];
        if (!queue.empty()) {
            reply = queue.front();
            queue.pop_front();
        }
        snprintf(call.message, kMessageSize, "%s", reply.message.c_str());
        call.itoIndex = reply.itoIndex;
        return reply.outcome;
    }
    void Script(HandlerId handler, std::vector<HandlerReply> list) {
        replies[handler].assign(list.begin(), list.end());
    }
    int CallsOf(HandlerId handler) const {
        int n = 0;
        for (auto& call : calls)
            n += call.first == handler;
        return n;
    }
    int CallsOf(HandlerId handler, int mode) const {
        int n = 0;
        for (auto& call : calls)
            n += call.first == handler && call.second == mode;
        return n;
    }
    struct Seen {
        HandlerId handler;
        int step;
        const char* comment;
        bool armed;
    };
    std::vector<std::pair<HandlerId, int>> calls;
    std::vector<Seen> seen;  // what each call carried besides its mode
    std::function<void(StepCall&)> onStepCall;
    std::vector<std::string> dirtyCalls;  // messages found in the buffer
    std::map<HandlerId, std::deque<HandlerReply>> replies;
    std::function<void(HandlerId)> onCall;
};

struct FakeDevice : RunDevice {
    bool IsOpen() override { return open; }
    int DeviceType() override { return type; }
    bool SecondRemovedMark() override { return removedMark; }
    bool WaitDeviceReopen() override {
        ++reopenWaits;
        return reopens;
    }
    void PowerOn() override { journal.push_back("power on"); }
    void PowerOff() override { journal.push_back("power off"); }
    bool open = true, removedMark = false, reopens = true;
    int type = 0, reopenWaits = 0;
    std::vector<std::string> journal;
};

struct FakePrompts : RunPrompts {
    int AskRetry(const char* title, const char* message) override {
        asked.push_back(std::string(title) + "|" + message);
        if (answers.empty())
            return 2;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    FirmwareIdDecision OnFirmwareIdMismatch(const char* ic, const char* file, char* message) override {
        mismatches.push_back(std::string(ic) + "|" + file + "|" + message);
        if (endsRun) {
            snprintf(message, kMessageSize, "%s", "8 - Cannot Run Quenfor.exe !");
            return FirmwareIdDecision::kEndRun;
        }
        if (!repairs)
            return RunPrompts::OnFirmwareIdMismatch(ic, file, message);
        snprintf(message, kMessageSize, "%s", "repaired");
        repairs = false;
        return FirmwareIdDecision::kRecheck;
    }
    std::deque<int> answers;
    std::vector<std::string> asked, mismatches;
    bool repairs = false;
    bool endsRun = false;
};

struct FakeClock : RunClock {
    void Sleep(int ms) override {
        sleeps.push_back(ms);
        if (onSleep)
            onSleep(ms);
    }
    std::vector<int> sleeps;
    std::function<void(int)> onSleep;
};

struct Row {
    std::string number, name, result, comment;
    Rgb colour{0, 0, 0};
};

struct FakeUi : RunUi {
    explicit FakeUi(const std::function<int()>& running) : running(running) {}
    void ShowStepStatusText(const char* text) override { journal.push_back("step " + std::string(text)); }
    void ConsolePrint(const char* text) override { console += text; }
    void SetStatusText(const char* text, int points) override {
        status.push_back(std::string(text) + "@" + std::to_string(points));
    }
    void DeleteAllRows() override { rows.clear(); }
    void InsertRow(int row, const char* number, const char* name) override {
        rows.insert(rows.begin() + row, Row{number, name, "", "", {0, 0, 0}});
    }
    void SetRowResult(int row, const char* result, const char* comment, Rgb colour) override {
        if (row < 0 || row >= static_cast<int>(rows.size())) {
            journal.push_back("bad row " + std::to_string(row));
            return;
        }
        rows[row].result = result;
        rows[row].comment = comment;
        rows[row].colour = colour;
    }
    void SetListRedraw(bool) override {}
    void RedrawList() override {}
    void SetProgress(int percent) override { progress.push_back(percent); }
    void SetTestCaption(const char* text) override {
        journal.push_back("caption " + std::string(text) + " running=" + std::to_string(running()));
    }
    void EnableTest(bool enable) override {
        journal.push_back(std::string(enable ? "enable" : "disable") +
                          " running=" + std::to_string(running()));
    }
    void RedrawDialog() override {}
    void StartTimer(unsigned id, unsigned period) override {
        journal.push_back("start " + std::to_string(id) + "/" + std::to_string(period));
    }
    void KillTimer(unsigned id) override { journal.push_back("kill " + std::to_string(id)); }
    void ClearRunFields() override {}
    void ClearFirmwareIdTexts() override { ++firmwareIdClears; }
    int Count(const std::string& entry) const {
        int n = 0;
        for (auto& e : journal)
            n += e == entry;
        return n;
    }
    std::function<int()> running;
    std::vector<std::string> journal, status;
    std::vector<Row> rows;
    std::vector<int> progress;
    std::string console;
    int firmwareIdClears = 0;
};

struct FakeLogs : RunLogs {
    void ResetTestLogs() override { ++resets; }
    bool SaveLogs(bool passed, std::string& folder) override {
        saves.push_back(passed);
        folder = savedFolder;
        return saveWorks;
    }
    void Screenshot(const char* name, int mode) override {
        shots.push_back(std::string(name) + "/" + std::to_string(mode));
    }
    std::string StepResultFilePath(bool mutual) override {
        return mutual ? "TestLogs\\2D_Mutual.csv" : "TestLogs\\Self.csv";
    }
    int resets = 0;
    std::vector<bool> saves;
    std::vector<std::string> shots;
    std::string savedFolder = "D:\\Logs\\OK";
    bool saveWorks = true;
};

}  // namespace testing_fakes
}  // namespace vantro
