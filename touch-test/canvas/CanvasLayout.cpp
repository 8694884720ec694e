// The canvas's geometry: construction, layout, full screen, reset and the
// mapping of mouse coordinates to canvas pixels.
#include <math.h>
#include <stdint.h>

#include <limits>

#include "trelliq/CanvasModel.h"

namespace trelliq {

namespace {

const int kMinimumWindowSize = 200;

int Clamp(int value, int low, int high) {
    if (value < low)
        return low;
    if (value > high)
        return high;
    return value;
}

// value x size / divisor, truncating; the value itself when there is no divisor.
int ScaleToCanvas(int value, int size, int divisor) {
    if (divisor == 0)
        return value;
    return static_cast<int>(static_cast<int64_t>(size) * value / divisor);
}

}  // namespace

int TruncateToInt(double value) {
    if (isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

CanvasModel::CanvasModel(const CanvasSeams& seams, TouchTestConfig& config, TouchTestRun& run)
    : seams_(seams), config_(config), run_(run), startTick_(seams.clock.TickCount()) {
    state.desktop = seams_.desktop.DesktopRectangle();
    if (!seams_.window.HasContextMenu())
        seams_.messages.Show("Fail to create context menu", nullptr);
}

void CanvasModel::SetUpAfterCreation() {
    state.graph = C2DLineGraph(0, 0, config_.CanvasWidth, config_.CanvasHeight);
    if (config_.CanvasWidth > 0 && config_.CanvasHeight > 0)
        seams_.window.RebuildBitmap(config_.CanvasWidth, config_.CanvasHeight);
}

void CanvasModel::TakeConfiguredGeometry() {
    const int64_t width = config_.CanvasWidth;
    auto percent = [width](int value) { return static_cast<int>(width * value / 100); };
    state.sideLineWidth = percent(config_.LineWidth.side);
    state.crossLineWidth = percent(config_.LineWidth.cross);
    state.cellDistanceX = config_.Distance.X;
    state.cellDistanceY = config_.Distance.Y;
    state.scalingX = config_.Scaling.X;
    state.scalingY = config_.Scaling.Y;
    state.dotRadius = percent(config_.Dot.radius);
    state.sensitivityWidth = percent(config_.Sensitivity.width);
    state.sensitivitySpeed = config_.Sensitivity.speed;
    state.sensitivityDistanceX = config_.Sensitivity.XDISTN;
    state.sensitivityDistanceY = config_.Sensitivity.YDISTN;
}

void CanvasModel::LayoutCanvas(int width, int height) {
    int w = width < kMinimumWindowSize ? kMinimumWindowSize : width;
    int h = height < kMinimumWindowSize ? kMinimumWindowSize : height;
    state.windowWidth = w;
    state.windowHeight = h;
    const int canvasWidth = config_.CanvasWidth;
    const int canvasHeight = config_.CanvasHeight;
    // Until the store gives a canvas size there is nothing to fit or draw into.
    const bool hasCanvas = canvasWidth > 0 && canvasHeight > 0;
    if (hasCanvas) {
        // Single precision, as the layout always measured.
        const float ratio = static_cast<float>(canvasWidth) / static_cast<float>(canvasHeight);
        const float aspect = static_cast<float>(w) / static_cast<float>(h);
        int destWidth, destHeight;
        if (aspect >= ratio) {
            destWidth = TruncateToInt(static_cast<float>(h) * ratio);
            destHeight = h;
        } else {
            destWidth = w;
            destHeight = TruncateToInt(static_cast<float>(w) / ratio);
        }
        if (w >= canvasWidth && h >= canvasHeight) {
            destWidth = canvasWidth;
            destHeight = canvasHeight;
        }
        state.destination = {(w - destWidth) / 2, (h - destHeight) / 2, destWidth, destHeight};
    } else {
        state.destination = {0, 0, 0, 0};
    }
    state.graph.SetArea(canvasWidth, canvasHeight);
    seams_.window.MoveKeepingZOrder(state.windowX, state.windowY, w, h);
    if (hasCanvas)
        seams_.window.RebuildBitmap(canvasWidth, canvasHeight);
    seams_.window.Invalidate(true);
}

void CanvasModel::RefitCanvas() {
    LayoutCanvas(state.windowWidth, state.windowHeight);
    ResetRun();
    seams_.window.RecalcFrameLayout();
}

void CanvasModel::ToggleFullScreen() {
    CanvasWindow& window = seams_.window;
    if (run_.fullScreen == 0) {
        run_.fullScreen = 1;
        run_.running = 1;
        window.ReparentToDesktop();
        state.desktop = seams_.desktop.DesktopRectangle();
        state.savedWidth = state.windowWidth;
        state.savedHeight = state.windowHeight;
        LayoutCanvas(state.desktop.right, state.desktop.bottom);
        run_.inputOffsetX = 1;
        run_.inputOffsetY = 1;
        // The one-pixel border falls outside the screen: the client area covers it exactly.
        window.PlaceTopmost(state.desktop.left - 1, state.desktop.top - 1, state.desktop.right + 2,
                            state.desktop.bottom + 2);
        window.ShowCursor(false);
    } else {
        run_.fullScreen = 0;
        run_.running = 0;
        window.RestoreParent();
        LayoutCanvas(state.savedWidth, state.savedHeight);
        window.RecalcFrameLayout();
        if (window.HasCapture())
            window.ReleaseMouse();
        window.ShowCursor(true);
    }
}

void CanvasModel::ResetTest() {
    ToggleFullScreen();
    ResetRun();
    RunKindSetup();
    // All four: a leftover tenths timer would otherwise fail a later, untouched test.
    StopTestTimers();
    ToggleFullScreen();
    run_.running = 1;
}

void CanvasModel::ResetRun() {
    state.strokeNumber = 0;
    state.pointCounter = 0;
    run_.running = 0;
    state.graph.touchPoints.clear();
    state.graph.ClearMarks();
    state.result = 0;
    state.target = {config_.Gap.left, config_.Gap.top};
    for (int& flag : run_.segmentFlags)
        flag = 0;
    if (Kind() == TestKind::LinearUnordered) {
        for (int& progress : state.unordered.progress)
            progress = 0;
    }
}

void CanvasModel::RunKindSetup() {
    TestEngines& engines = seams_.engines;
    switch (Kind()) {
        case TestKind::LinearOrdered:
            engines.SetupLinearOrdered(state, *this);
            break;
        case TestKind::LinearUnordered:
            engines.SetupLinearUnordered(state, *this);
            break;
        case TestKind::Trace:
            engines.SetupTrace(state, *this);
            break;
        case TestKind::Paint:
            state.result = 0;
            run_.paintCountdown = config_.PaintTime.value;
            break;
        case TestKind::ReportRate:
            engines.SetupReportRate(state, *this);
            break;
        case TestKind::Accuracy:
            engines.SetupAccuracy(state, *this);
            break;
        case TestKind::Jitter:
            engines.SetupJitter(state, *this);
            break;
        case TestKind::Sensitivity:
            engines.SetupSensitivity(state, *this);
            break;
        case TestKind::None:
            break;
    }
}

int CanvasModel::IsOnTrack(int verdict) {
    return verdict == TRACE_ON_TRACK || verdict == TRACE_END_REACHED ? 1 : 0;
}

CanvasPoint CanvasModel::MapTouchPoint(int clientX, int clientY) {
    int x = clientX + 1 - run_.inputOffsetX;
    int y = clientY + 1 - run_.inputOffsetY;

    const DesktopRect& desk = state.desktop;
    const bool trace = Kind() == TestKind::Trace;
    const TouchTestConfig::GapKeys gap =
        trace ? TouchTestConfig::GapKeys{config_.TrcGap.left, config_.TrcGap.right, config_.TrcGap.top,
                                         config_.TrcGap.bottom}
              : config_.Gap;
    const int margin = state.borderMargin;
    state.inputBounds = {desk.left + gap.left + margin, desk.top + gap.top + margin,
                         desk.right - margin - gap.right - 1, desk.bottom - margin - gap.bottom - 1};

    // A scaling of 0 or less would divide by zero: that axis is left as it is.
    const double sx = state.scalingX;
    const double sy = state.scalingY;
    if (sx > 0) {
        if (config_.Adjustment.check_adjx == 1)
            x = TruncateToInt(x - TruncateToInt((sx - 1) * desk.right / sx));
        x = TruncateToInt(x * sx);
    }
    if (sy > 0) {
        if (config_.Adjustment.check_adjy == 1)
            y = TruncateToInt(y - TruncateToInt((sy - 1) * desk.bottom / sy));
        y = TruncateToInt(y * sy);
    }

    if (!trace) {
        const CanvasRect& b = state.inputBounds;
        if (b.left <= b.right)
            x = Clamp(x, b.left, b.right);
        if (b.top <= b.bottom)
            y = Clamp(y, b.top, b.bottom);
    }

    const TouchTestConfig::OriginalKeys& origin = config_.Original;
    const TouchTestConfig::RotationKeys& rotation = config_.Rotation;
    const bool hasOrigin =
        origin.radio_lt == 1 || origin.radio_rt == 1 || origin.radio_lb == 1 || origin.radio_rb == 1;
    const bool hasRotation = rotation.radio_r0 == 1 || rotation.radio_r90 == 1 || rotation.radio_r180 == 1 ||
                             rotation.radio_r270 == 1;
    if (hasOrigin && hasRotation) {
        // Each output coordinate: its source axis and whether it is complemented.
        struct Source {
            bool fromX;
            bool complement;
        } first, second;
        if (rotation.radio_r0 == 1) {
            first = {true, false};
            second = {false, false};
        } else if (rotation.radio_r90 == 1) {
            first = {false, false};
            second = {true, true};
        } else if (rotation.radio_r180 == 1) {
            first = {true, true};
            second = {false, true};
        } else {
            first = {false, true};
            second = {true, false};
        }
        // The first origin set counts: lt, rt, lb, rb.
        bool right = false, bottom = false;
        if (origin.radio_lt == 1) {
        } else if (origin.radio_rt == 1) {
            right = true;
        } else if (origin.radio_lb == 1) {
            bottom = true;
        } else {
            right = bottom = true;
        }
        if (right)
            first.complement = !first.complement;
        if (bottom)
            second.complement = !second.complement;
        auto value = [&](const Source& source) {
            if (source.fromX)
                return source.complement ? desk.right - x : x;
            return source.complement ? desk.bottom - y : y;
        };
        const int a = value(first);
        const int b = value(second);
        x = ScaleToCanvas(a, config_.CanvasWidth, first.fromX ? desk.right : desk.bottom);
        y = ScaleToCanvas(b, config_.CanvasHeight, second.fromX ? desk.right : desk.bottom);
    }
    state.currentPoint = {x, y};
    return state.currentPoint;
}

// CanvasActions for the engines.
void CanvasModel::StartTimer(unsigned id, unsigned periodMs) {
    seams_.window.StartTimer(id, periodMs);
}

void CanvasModel::StopTimer(unsigned id) {
    seams_.window.StopTimer(id);
}

void CanvasModel::Invalidate(bool erase) {
    seams_.window.Invalidate(erase);
}

void CanvasModel::Update() {
    // Moves waiting in the queue would be merged while we paint: paint once it is empty.
    if (!seams_.window.MouseInputWaiting())
        seams_.window.UpdateNow();
}

void CanvasModel::ReleaseCapture() {
    seams_.window.ReleaseMouse();
}

void CanvasModel::SaveAutoModeScreenshot() {
    if (config_.Switch.automode == 1)
        seams_.outputs.SaveTestScreenshot();
}

bool CanvasModel::WriteResult() {
    return seams_.outputs.WriteLinearResult(state.result);
}

uint32_t CanvasModel::TickCount() {
    return seams_.clock.TickCount();
}

}  // namespace trelliq
