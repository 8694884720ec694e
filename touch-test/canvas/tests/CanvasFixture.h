// A canvas model over recording fakes: one journal of the window's, the
// outputs' and the clock's calls in order, fake engines, a fixed desktop.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FakeTestEngines.h"
#include "trelliq/CanvasModel.h"

namespace trelliq {

using Journal = std::vector<std::string>;

class FakeCanvasWindow : public CanvasWindow {
public:
    explicit FakeCanvasWindow(Journal& journal) : journal_(journal) {}
    void StartTimer(unsigned id, unsigned periodMs) override {
        active[id] = periodMs;
        Log("start " + std::to_string(id) + " " + std::to_string(periodMs));
    }
    void StopTimer(unsigned id) override {
        active.erase(id);
        Log("stop " + std::to_string(id));
    }
    void Invalidate(bool erase) override { Log(erase ? "invalidate 1" : "invalidate 0"); }
    void InvalidateCanvasArea(int l, int t, int r, int b) override {
        Log("area " + std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(r) + "," +
            std::to_string(b));
    }
    void UpdateNow() override { Log("update"); }
    bool MouseInputWaiting() override { return inputWaiting; }
    void CaptureMouse() override {
        capture = true;
        Log("capture");
    }
    void ReleaseMouse() override {
        capture = false;
        Log("release");
    }
    bool HasCapture() override { return capture; }
    void ShowCursor(bool show) override {
        cursorCount += show ? 1 : -1;
        Log(show ? "show cursor" : "hide cursor");
    }
    void ReparentToDesktop() override { Log("parent desktop"); }
    void RestoreParent() override { Log("parent restored"); }
    void PlaceTopmost(int x, int y, int w, int h) override { Log("topmost " + Rect(x, y, w, h)); }
    void MoveKeepingZOrder(int x, int y, int w, int h) override { Log("move " + Rect(x, y, w, h)); }
    void RecalcFrameLayout() override { Log("recalc"); }
    void PostCloseToMainFrame() override { Log("post close"); }
    void RebuildBitmap(int w, int h) override {
        Log("bitmap " + std::to_string(w) + "x" + std::to_string(h));
    }
    bool HasContextMenu() override { return hasMenu; }
    void TrackContextMenu(int x, int y, bool checked) override {
        Log("menu " + std::to_string(x) + " " + std::to_string(y) + (checked ? " checked" : " unchecked"));
    }

    std::map<unsigned, unsigned> active;  // running timers and their periods
    bool inputWaiting = false;
    bool capture = false;
    bool hasMenu = true;
    int cursorCount = 0;

private:
    static std::string Rect(int x, int y, int w, int h) {
        return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(w) + "x" +
               std::to_string(h);
    }
    void Log(const std::string& entry) { journal_.push_back(entry); }
    Journal& journal_;
};

class FakeCanvasOutputs : public CanvasOutputs {
public:
    explicit FakeCanvasOutputs(Journal& journal) : journal_(journal) {}
    bool WriteLinearResult(int result) override {
        journal_.push_back("write " + std::to_string(result));
        return true;
    }
    void SaveTestScreenshot() override { journal_.push_back("screenshot"); }
    void LogPoint(int x, int y) override {
        journal_.push_back("log " + std::to_string(x) + " " + std::to_string(y));
    }

private:
    Journal& journal_;
};

class FakeClock : public TouchTestClock {
public:
    explicit FakeClock(Journal& journal) : journal_(journal) {}
    uint32_t TickCount() override { return ticks; }
    LocalTime Now() override { return now; }
    void Sleep(unsigned ms) override { journal_.push_back("sleep " + std::to_string(ms)); }
    uint32_t ticks = 5000;
    LocalTime now{2031, 4, 5, 6, 7, 8};

private:
    Journal& journal_;
};

class FixedDesktop : public DesktopInfo {
public:
    DesktopRect DesktopRectangle() override { return rect; }
    DesktopRect rect{0, 0, 1280, 1024};
};

class RecordingMessages : public MessageSink {
public:
    void Show(const char* text, const char* caption) override {
        shown.push_back(std::string(text) + "|" + (caption ? caption : ""));
    }
    std::vector<std::string> shown;
};

class CanvasFixture : public ::testing::Test {
protected:
    CanvasFixture() {
        run.Reset();
        config.CanvasWidth = 1280;
        config.CanvasHeight = 1024;
        config.ScreenWidth = 1280;
        config.ScreenHeight = 1024;
    }

    // Makes the model (after the test set the configuration) and lays it out.
    CanvasModel& Model() {
        if (!model) {
            model.reset(new CanvasModel(CanvasSeams{window, desktop, engines, outputs, clock, messages},
                                        config, run));
            model->SetUpAfterCreation();
        }
        return *model;
    }
    // The kind offered at index 0 and current.
    void UseKind(TestKind kind) {
        for (int& index : run.kindIndexes)
            index = -1;
        run.kindIndexes[static_cast<int>(kind)] = 0;
        run.currentKind = 0;
    }
    // Full screen and running, the journal emptied.
    void EnterFullScreen() {
        Model().ToggleFullScreen();
        journal.clear();
    }
    // Lets ms pass on the fake clock, delivering the running timers' ticks
    // in time order (a timer started or stopped by a tick counts from then).
    void AdvanceMs(unsigned ms) {
        std::map<unsigned, uint32_t> due;
        const uint32_t end = clock.ticks + ms;
        while (true) {
            for (const auto& timer : window.active)
                if (!due.count(timer.first))
                    due[timer.first] = clock.ticks + timer.second;
            for (auto it = due.begin(); it != due.end();)
                it = window.active.count(it->first) ? std::next(it) : due.erase(it);
            unsigned next = 0;
            uint32_t when = end + 1;
            for (const auto& d : due)
                if (d.second < when) {
                    when = d.second;
                    next = d.first;
                }
            if (next == 0 || when > end)
                break;
            clock.ticks = when;
            due.erase(next);
            Model().OnTimer(next);
        }
        clock.ticks = end;
    }
    // A new model and run, for the next case of a table.
    void Restart() {
        model.reset();
        run.Reset();
        journal.clear();
        engines.calls.clear();
        engines.hook = nullptr;
        window.cursorCount = 0;
    }
    // Journal entries that start with the prefix.
    Journal Entries(const std::string& prefix) const {
        Journal out;
        for (const std::string& entry : journal)
            if (entry.compare(0, prefix.size(), prefix) == 0)
                out.push_back(entry);
        return out;
    }

    Journal journal;
    FakeCanvasWindow window{journal};
    FakeCanvasOutputs outputs{journal};
    FakeClock clock{journal};
    FixedDesktop desktop;
    RecordingMessages messages;
    FakeTestEngines engines;
    TouchTestConfig config{};
    TouchTestRun run;
    std::unique_ptr<CanvasModel> model;
};

}  // namespace trelliq
