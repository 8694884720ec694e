// Start (button 1002, key F) and the test-kind list's selection change,
// over the canvas model.
#pragma once

#include "trelliq/CanvasModel.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestConfig.h"
#include "trelliq/TouchTestRun.h"

namespace trelliq {

class FrameParent {
public:
    virtual ~FrameParent() = default;
    // Start makes the desktop the frame's parent, keeping the old one.
    virtual void MakeDesktopParent() = 0;
};

struct FrameStartSeams {
    MessageSink& messages;
    DesktopInfo& desktop;
    FrameParent& parent;
};

// The checks (one box at the first failure), the pattern against the
// desktop (a pattern too large is reloaded from [Pattern]), then the
// previous run cleared with every test timer stopped, the geometry copied,
// the current kind's set-up and full screen.  True when the test started.
bool RunStart(CanvasModel& canvas, TouchTestConfig& config, TouchTestRun& run, const FrameStartSeams& seams);

// A new selection of the test-kind list: the run's data cleared without
// leaving or entering full screen, the test timers stopped, the new kind's
// set-up, the trace grid rebuilt and the countdowns reloaded.
void ChangeTestKind(CanvasModel& canvas, const TouchTestConfig& config, TouchTestRun& run, int selection);

}  // namespace trelliq
