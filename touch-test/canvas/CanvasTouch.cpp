// The canvas's mouse handlers: every touch mapped, added to the graph and
// handed to the current kind's engine.
#include <math.h>
#include <stdint.h>

#include "trelliq/CanvasModel.h"

namespace trelliq {

int CanvasModel::DistanceToTarget(CanvasPoint point) const {
    const int64_t dx = static_cast<int64_t>(point.x) - state.target.x;
    const int64_t dy = static_cast<int64_t>(point.y) - state.target.y;
    return TruncateToInt(sqrtf(static_cast<float>(dx * dx + dy * dy)));
}

int CanvasModel::JudgeTrace(int mode, CanvasPoint point) {
    // The map is released when a test ends; a late touch is judged by nothing.
    if (!state.traceMap)
        return 0;
    return state.traceMap->JudgeTracePoint(mode, point.x, point.y);
}

int CanvasModel::LinearClock() {
    return static_cast<int>(seams_.clock.TickCount() - startTick_);
}

void CanvasModel::StartLinearClock() {
    StartTimer(TIMER_TEST_SECONDS, kTestSecondsPeriod);
    StartTimer(TIMER_LINEAR_TENTHS, kLinearTenthsPeriod);
    run_.linearStart = LinearClock();
}

void CanvasModel::UpdateRemainingSeconds() {
    run_.linearNow = LinearClock();
    run_.remainingSeconds = config_.Time.value - (run_.linearNow - run_.linearStart) / 1000;
}

void CanvasModel::LogTouch(CanvasPoint point) {
    if (config_.Cursor.check_log_cursor == 1 && run_.logArmed == 1)
        seams_.outputs.LogPoint(point.x, point.y);
}

void CanvasModel::OnLeftButtonDown(int clientX, int clientY) {
    seams_.window.CaptureMouse();
    const TestKind kind = Kind();
    if (run_.running != 1 || run_.fullScreen != 1) {
        // A tap on the finished screen of these kinds ends the program.
        const bool closes = kind == TestKind::LinearUnordered || kind == TestKind::LinearOrdered ||
                            kind == TestKind::Trace || kind == TestKind::Accuracy;
        if (closes && (state.result == 1 || state.result == 2))
            seams_.window.PostCloseToMainFrame();
        return;
    }
    const CanvasPoint p = MapTouchPoint(clientX, clientY);
    C2DLineGraph& graph = state.graph;
    TestEngines& engines = seams_.engines;
    switch (kind) {
        case TestKind::LinearOrdered:
            if (state.result == 2)
                engines.NextLinearSegment(state, *this);
            else if (run_.segmentFlags[0] == 0)
                StartLinearClock();
            state.verdict = JudgeTrace(TRACE_TOUCH_DOWN, p);
            ++state.strokeNumber;
            ++state.pointCounter;
            graph.AddPoint(state.strokeNumber, state.pointCounter, IsOnTrack(state.verdict), 0, p.x, p.y);
            // A new stroke: a pause before it is no break.
            state.lastMoveStamp = -1.0f;
            break;
        case TestKind::LinearUnordered:
            if (run_.segmentFlags[0] == 0)
                StartLinearClock();
            ++state.strokeNumber;
            ++state.pointCounter;
            graph.AddPoint(state.strokeNumber, state.pointCounter, 1, 0, p.x, p.y);
            state.lastMoveStamp = -1.0f;
            // Down before the engine looks: a stroke it refuses stays lifted,
            // so its moves and up are not judged.
            state.touchDown = 1;
            engines.UnorderedDown(state, *this, p.x, p.y);
            break;
        case TestKind::ReportRate:
        case TestKind::Jitter: {
            StartTimer(TIMER_TEST_SECONDS, kTestSecondsPeriod);
            state.result = 0;
            const int d = DistanceToTarget(p);
            ++state.pointCounter;
            state.verdict = d <= state.dotRadius ? 3 : 4;
            graph.AddPoint(state.strokeNumber, state.pointCounter, d > state.dotRadius ? 1 : 0, d, p.x, p.y);
            if (kind == TestKind::ReportRate)
                engines.JudgeReportRate(state, *this);
            else
                engines.JudgeJitter(state, *this);
            break;
        }
        case TestKind::Accuracy: {
            if (graph.marks.empty())
                StartTimer(TIMER_ACCURACY, kAccuracyPeriod);
            state.result = 0;
            const int d = DistanceToTarget(p);
            ++state.pointCounter;
            const bool hit = d < state.dotRadius - 1;
            state.verdict = hit ? 3 : 4;
            graph.AddPoint(state.strokeNumber, state.pointCounter, hit ? 0 : 1, d, p.x, p.y);
            const int point = config_.Accuracyrate.Point;
            engines.JudgeAccuracy(state, *this, point == 4 || point == 9 || point == 13 ? point : 5);
            break;
        }
        case TestKind::Sensitivity: {
            state.result = 0;
            SensitivityState& s = state.sensitivity;
            if (s.firstTouch == 0) {
                s.firstTouch = 1;
                s.previousTick = s.stageStart = TickCount();
                StartTimer(TIMER_SENSITIVITY, kSensitivityPeriod);
            }
            s.strokeStart = p;
            const int judged = JudgeTrace(TRACE_TOUCH_DOWN, p);
            ++state.strokeNumber;
            ++state.pointCounter;
            graph.AddPoint(state.strokeNumber, state.pointCounter, IsOnTrack(judged), 0, p.x, p.y);
            break;
        }
        case TestKind::Trace:
            StartTimer(TIMER_TEST_SECONDS, kTestSecondsPeriod);
            engines.CountBorderHit(state, p.x, p.y);
            break;
        case TestKind::Paint:
            StartTimer(TIMER_TEST_SECONDS, kTestSecondsPeriod);
            ++state.pointCounter;
            graph.AddPoint(state.strokeNumber, state.pointCounter, IsOnTrack(state.verdict), 0, p.x, p.y);
            break;
        case TestKind::None:
            break;
    }
    if (kind != TestKind::LinearUnordered)
        state.touchDown = 1;
    graph.cursor = {p.x, p.y, 1};
    LogTouch(p);
    Invalidate(true);
    Update();
}

void CanvasModel::StrokeIntervalCheck() {
    const float tenths = run_.tenthsCountdown;
    if (state.lastMoveStamp > 0 &&
        state.lastMoveStamp - tenths > static_cast<float>(config_.MousMovInvlTime.value)) {
        state.result = 2;
        Invalidate(false);
        state.touchDown = 0;
        // In order, the segment under way is the marks count; a broken top side restarts the pattern.
        const size_t k = state.graph.marks.size();
        if (Kind() == TestKind::LinearOrdered && k >= 1 && k <= kSegmentCount) {
            run_.segmentFlags[k - 1] = -1;
            if (k == 1)
                state.graph.ClearMarks();
        }
    }
    state.lastMoveStamp = tenths;
}

bool CanvasModel::ScreenFacts::operator==(const ScreenFacts& other) const {
    if (result != other.result || running != other.running || touchDown != other.touchDown ||
        marks != other.marks)
        return false;
    for (int i = 0; i < kSegmentCount; ++i)
        if (segmentFlags[i] != other.segmentFlags[i])
            return false;
    return true;
}

CanvasModel::ScreenFacts CanvasModel::Facts() const {
    ScreenFacts facts{state.result, run_.running, state.touchDown, state.graph.marks.size(), {}};
    for (int i = 0; i < kSegmentCount; ++i)
        facts.segmentFlags[i] = run_.segmentFlags[i];
    return facts;
}

void CanvasModel::InvalidateAroundMove(GraphCursor from, CanvasPoint to) {
    // The cursor's circle (radius 30) and the widest pen, with a margin.
    const int reach = 40;
    const int left = (from.x < to.x ? from.x : to.x) - reach;
    const int top = (from.y < to.y ? from.y : to.y) - reach;
    const int right = (from.x > to.x ? from.x : to.x) + reach;
    const int bottom = (from.y > to.y ? from.y : to.y) + reach;
    seams_.window.InvalidateCanvasArea(left, top, right, bottom);
    for (const ScreenBox& box : TouchTextBoxes(state.graph, config_))
        seams_.window.InvalidateCanvasArea(box.left, box.top, box.right, box.bottom);
}

void CanvasModel::OnMouseMove(int clientX, int clientY) {
    const CanvasPoint p = MapTouchPoint(clientX, clientY);
    if (p.x == state.previousPoint.x && p.y == state.previousPoint.y)
        return;
    C2DLineGraph& graph = state.graph;
    if (run_.running != 1 || state.touchDown != 1 || run_.fullScreen != 1) {
        graph.cursor = run_.fullScreen != 1 ? GraphCursor{0, 0, 0} : GraphCursor{p.x, p.y, 0};
        return;
    }
    state.releasePoint = p;
    const GraphCursor from = graph.cursor;
    const ScreenFacts before = Facts();
    TestEngines& engines = seams_.engines;
    switch (Kind()) {
        case TestKind::LinearOrdered:
            if (run_.segmentFlags[kSegmentCount - 1] == 1)
                return;
            UpdateRemainingSeconds();
            state.verdict = JudgeTrace(TRACE_TOUCH_MOVE, p);
            ++state.pointCounter;
            graph.AddPoint(state.strokeNumber, state.pointCounter, IsOnTrack(state.verdict), 0, p.x, p.y);
            if (state.verdict == TRACE_FAILED)
                engines.CopyTraceError(state);
            engines.JudgeLinearOrdered(state, *this);
            StrokeIntervalCheck();
            break;
        case TestKind::LinearUnordered: {
            bool allDone = true;
            for (int flag : run_.segmentFlags)
                allDone = allDone && flag == 1;
            if (allDone)
                return;
            ++state.strokeNumber;
            ++state.pointCounter;
            graph.AddPoint(state.strokeNumber, state.pointCounter, 1, 0, p.x, p.y);
            engines.UnorderedMove(state, *this, p.x, p.y);
            StrokeIntervalCheck();
            break;
        }
        case TestKind::ReportRate:
        case TestKind::Jitter: {
            const int d = DistanceToTarget(p);
            ++state.pointCounter;
            state.verdict = d <= state.dotRadius ? 3 : 4;
            graph.AddPoint(state.strokeNumber, state.pointCounter, d > state.dotRadius ? 1 : 0, d, p.x, p.y);
            if (Kind() == TestKind::ReportRate)
                engines.JudgeReportRate(state, *this);
            else
                engines.JudgeJitter(state, *this);
            break;
        }
        case TestKind::Sensitivity:
            engines.StepSensitivityTarget(state, *this);
            state.verdict = JudgeTrace(TRACE_TOUCH_MOVE, p);
            ++state.pointCounter;
            graph.AddPoint(state.strokeNumber, state.pointCounter, IsOnTrack(state.verdict), 0, p.x, p.y);
            if (state.verdict == TRACE_FAILED)
                engines.CopyTraceError(state);
            engines.JudgeSensitivity(state, *this);
            break;
        case TestKind::Trace:
            engines.CountBorderHit(state, p.x, p.y);
            break;
        case TestKind::Paint:
            ++state.pointCounter;
            graph.AddPoint(state.strokeNumber, state.pointCounter, IsOnTrack(state.verdict), 0, p.x, p.y);
            break;
        case TestKind::Accuracy:
        case TestKind::None:
            break;
    }
    graph.cursor = {p.x, p.y, 1};
    LogTouch(p);
    state.previousPoint = p;
    // A move that changed nothing but the stroke repaints only around it: a
    // whole repaint takes longer than a panel's 4 ms between reports.
    if (Facts() == before)
        InvalidateAroundMove(from, p);
    else
        Invalidate(true);
    Update();
}

void CanvasModel::OnLeftButtonUp(int clientX, int clientY) {
    seams_.window.ReleaseMouse();
    if (run_.running != 1 || state.touchDown != 1 || run_.fullScreen != 1)
        return;
    const CanvasPoint p = MapTouchPoint(clientX, clientY);
    state.releasePoint = p;
    state.touchDown = 0;
    C2DLineGraph& graph = state.graph;
    TestEngines& engines = seams_.engines;
    // Every screen shows the finger lifted.
    graph.cursor = {p.x, p.y, 0};
    switch (Kind()) {
        case TestKind::LinearOrdered:
            UpdateRemainingSeconds();
            state.verdict = JudgeTrace(TRACE_TOUCH_UP, p);
            ++state.pointCounter;
            graph.AddPoint(state.strokeNumber, state.pointCounter, IsOnTrack(state.verdict), 0, p.x, p.y);
            state.pointCounter = 0;
            if (state.verdict == TRACE_FAILED)
                engines.CopyTraceError(state);
            engines.JudgeLinearOrdered(state, *this);
            state.lastMoveStamp = -1.0f;
            break;
        case TestKind::LinearUnordered:
            ++state.strokeNumber;
            state.pointCounter = 1;
            graph.AddPoint(state.strokeNumber, state.pointCounter, 1, 0, p.x, p.y);
            engines.UnorderedUp(state, *this, p.x, p.y);
            state.lastMoveStamp = -1.0f;
            break;
        case TestKind::Sensitivity:
            state.verdict = JudgeTrace(TRACE_TOUCH_UP, p);
            ++state.pointCounter;
            graph.AddPoint(state.strokeNumber, state.pointCounter, IsOnTrack(state.verdict), 0, p.x, p.y);
            state.pointCounter = 0;
            if (state.verdict == TRACE_FAILED)
                engines.CopyTraceError(state);
            engines.JudgeSensitivity(state, *this);
            break;
        case TestKind::Trace:
            engines.CountBorderHit(state, p.x, p.y);
            break;
        case TestKind::Paint:
            ++state.strokeNumber;
            ++state.pointCounter;
            graph.AddPoint(state.strokeNumber, state.pointCounter, IsOnTrack(state.verdict), 0, p.x, p.y);
            break;
        case TestKind::ReportRate:
        case TestKind::Accuracy:
        case TestKind::Jitter:
        case TestKind::None:
            break;
    }
    Invalidate(true);
    Update();
}

void CanvasModel::OnRightButtonDown(int clientX, int clientY) {
    if (Kind() == TestKind::Accuracy && run_.running == 1)
        return;
    if (seams_.window.HasContextMenu())
        seams_.window.TrackContextMenu(clientX, clientY, run_.fullScreen == 1);
}

bool CanvasModel::OnCommand(unsigned id) {
    if (id == kCommandFullScreen) {
        ToggleFullScreen();
        return true;
    }
    if (id == kCommandReset) {
        ResetTest();
        return true;
    }
    return false;
}

}  // namespace trelliq
