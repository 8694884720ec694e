// The main frame's decisions, apart from its windows: the offered test
// kinds, the checks that stop Start, the keys, the outside tools' paths and
// the geometry the view gives the canvas.
#pragma once

#include <string>
#include <vector>

#include "trelliq/CanvasState.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestConfig.h"
#include "trelliq/TouchTestRun.h"

namespace trelliq {

struct OfferedKind {
    TestKind kind;
    const char* text;  // its entry in the test-kind list
};

// The kinds whose [TestingMode] flag is not 0, in list order; each kind's
// index is its position there, -1 when it is not offered.
std::vector<OfferedKind> BuildTestKindList(const TouchTestConfig& config, int kindIndexes[kTestKindCount]);

// A message box: its text and caption.
struct FrameMessage {
    std::string text;
    std::string caption;
};

// The first setting that stops Start, in the order Start checks them; false
// when every one holds.
bool FirstStartCheckFailure(const TouchTestConfig& config, FrameMessage& failure);

enum class PatternFit { Fits, TooWide, TooHigh };
// The configured pattern against the desktop just measured; the box for a
// pattern that does not fit.
PatternFit CheckPatternFits(const TouchTestConfig& config, const DesktopRect& desktop, FrameMessage& failure);

// What the frame does with a key (WM_KEYDOWN's virtual-key code).
enum class FrameKeyAction {
    None,
    LeaveFullScreen,  // F in full screen
    Start,            // F outside it
    Reset,            // R in full screen
    SaveAsBmp,        // S outside full screen
    CancelAndExit,    // Esc in full screen in auto mode: "Result=0", exit code 0
    StopAndLeave,     // Esc in full screen otherwise
    ArmLog,           // B in full screen with check_log_cursor 1
    SaveLog,          // E in full screen with check_log_cursor 1, the log armed
};
FrameKeyAction KeyAction(unsigned virtualKey, const TouchTestConfig& config, const TouchTestRun& run);

enum class ToolPathCheck { Ready, NotFound };
// Copies the configured path (empty when missing) into the tool's buffer;
// NotFound when it does not fit (never a cut-short other program) or no
// such file exists.  The box then shows the path under "File path not found".
ToolPathCheck CheckToolPath(const char* configured, char (&buffer)[TOUCH_TEST_PATH_SIZE]);

// The view's copy of the configured geometry into the canvas: line widths,
// dot radius and sensitivity width in percent of CanvasWidth (truncating).
void CopyCanvasGeometry(const TouchTestConfig& config, CanvasState& state);

}  // namespace trelliq
