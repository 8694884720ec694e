// The real engines over the canvas model, with the canvas's recording window,
// outputs and clock: a test starts a kind as the frame's Start does and plays
// strokes as mouse messages in full screen.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>

#include "CanvasFixture.h"
#include "trelliq/CanvasModel.h"
#include "trelliq/FrameStart.h"
#include "trelliq/TrelliqEngines.h"

namespace trelliq {

class EngineTest : public ::testing::Test {
protected:
    // A 1280 x 1024 desktop and canvas, [Gap] 0, side and cross 4 (s = c = 25),
    // F 60, dot radius 5 (r = 64), auto mode on.
    EngineTest() {
        TheTouchTestRun.Reset();
        TheTouchTestConfig = TouchTestConfig{};
        TouchTestConfig& c = TheTouchTestConfig;
        c.CanvasWidth = c.ScreenWidth = 1280;
        c.CanvasHeight = c.ScreenHeight = 1024;
        c.Switch.automode = 1;
        c.LineWidth = {4, 4};
        c.Broaden.First = 60;
        c.Dot.radius = 5;
        c.Distance = {100, 100};
        c.Continuance = {40, 40};
        c.Time.value = 20;
        c.TrcTime.value = 20;
        c.PaintTime.value = 5;
        c.RptrateTime.value = 5;
        c.Rptrate.value = 20;
        c.AccuracyTime = {1000, 20};
        c.Accuracyrate = {1, 9};
        c.JitterTime.value = 5;
        c.MousMovInvlTime.value = 2;
        c.Scaling = {1.0, 1.0};
        c.Grids = {5, 4};
        c.Limit.points = 2;
        c.Sensitivity = {100, 100, 40, 40, 5, 100, 300};
    }
    ~EngineTest() override {
        model.reset();
        TheTouchTestConfig = TouchTestConfig{};
        TheTouchTestRun.Reset();
    }

    // The frame's parent change does not concern the engines.
    struct StayingParent : FrameParent {
        void MakeDesktopParent() override {}
    } parent;

    CanvasModel& Model() {
        if (!model) {
            model.reset(new CanvasModel(CanvasSeams{window, desktop, engines, outputs, clock, messages},
                                        TheTouchTestConfig, TheTouchTestRun));
            model->SetUpAfterCreation();
            model->LayoutCanvas(TheTouchTestConfig.CanvasWidth, TheTouchTestConfig.CanvasHeight);
        }
        return *model;
    }
    CanvasState& State() { return Model().state; }

    // The frame's Start with the kind as the only one offered: the test
    // timers stopped, the run cleared, the geometry copied, the kind's
    // set-up, full screen.
    void Start(TestKind kind) {
        for (int& index : TheTouchTestRun.kindIndexes)
            index = -1;
        TheTouchTestRun.kindIndexes[static_cast<int>(kind)] = 0;
        TheTouchTestRun.currentKind = 0;
        ASSERT_TRUE(RunStart(Model(), TheTouchTestConfig, TheTouchTestRun,
                             FrameStartSeams{messages, desktop, parent}));
        journal.clear();
    }

    // Mouse messages at client points (full screen maps them 1:1), each
    // pace milliseconds after the last.
    void Down(int x, int y) {
        clock.ticks += pace;
        Model().OnLeftButtonDown(x, y);
    }
    void Move(int x, int y) {
        clock.ticks += pace;
        Model().OnMouseMove(x, y);
    }
    void Up(int x, int y) {
        clock.ticks += pace;
        Model().OnLeftButtonUp(x, y);
    }
    void Tap(int x, int y) {
        Down(x, y);
        Up(x, y);
    }
    // Down at the first point, moves every step pixels along each leg, up at the last.
    void Stroke(int step, std::initializer_list<int> xy) {
        const int* p = xy.begin();
        const size_t count = xy.size() / 2;
        Down(p[0], p[1]);
        for (size_t i = 1; i < count; ++i) {
            const int ax = p[2 * i - 2], ay = p[2 * i - 1], bx = p[2 * i], by = p[2 * i + 1];
            const int length = std::max(abs(bx - ax), abs(by - ay));
            const int steps = std::max(1, (length + step - 1) / step);
            for (int k = 1; k <= steps; ++k)
                Move(ax + (bx - ax) * k / steps, ay + (by - ay) * k / steps);
        }
        Up(p[2 * count - 2], p[2 * count - 1]);
    }
    // One tick of a window timer, the clock moved on by its period.
    void Timer(unsigned id, unsigned periodMs) {
        clock.ticks += periodMs;
        Model().OnTimer(id);
    }
    void Seconds(int count) {
        for (int i = 0; i < count; ++i)
            Timer(TIMER_TEST_SECONDS, 1000);
    }

    // Journal entries that start with the prefix.
    Journal Entries(const std::string& prefix) const {
        Journal out;
        for (const std::string& entry : journal)
            if (entry.compare(0, prefix.size(), prefix) == 0)
                out.push_back(entry);
        return out;
    }
    // Entries that start with any of the prefixes, in order.
    Journal Entries(std::initializer_list<const char*> prefixes) const {
        Journal out;
        for (const std::string& entry : journal) {
            for (const char* prefix : prefixes) {
                if (entry.compare(0, strlen(prefix), prefix) == 0) {
                    out.push_back(entry);
                    break;
                }
            }
        }
        return out;
    }
    // The corridor the trace map judges now, as "x1,y1-x2,y2/w"; "none" without one.
    std::string Corridor() {
        const CanvasState& s = State();
        if (!s.traceMap || !s.traceMap->FirstSegment())
            return "none";
        const TraceSegment& g = *s.traceMap->FirstSegment();
        return std::to_string(g.startX) + "," + std::to_string(g.startY) + "-" + std::to_string(g.endX) +
               "," + std::to_string(g.endY) + "/" + std::to_string(g.halfWidth);
    }
    int Flag(int number) const { return TheTouchTestRun.segmentFlags[number - 1]; }
    size_t Marks() { return State().graph.marks.size(); }

    Journal journal;
    FakeCanvasWindow window{journal};
    FakeCanvasOutputs outputs{journal};
    FakeClock clock{journal};
    FixedDesktop desktop;
    RecordingMessages messages;
    bool resultFilePresent = true;
    TrelliqEngines engines{[this] { return resultFilePresent; }};
    unsigned pace = 4;
    std::unique_ptr<CanvasModel> model;
};

}  // namespace trelliq
