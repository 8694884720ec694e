#include "trelliq/ConfigFlags.h"
#include "trelliq/FrameDecisions.h"

namespace trelliq {

namespace {

const unsigned kKeyEscape = 0x1B;

}  // namespace

FrameKeyAction KeyAction(unsigned virtualKey, const TouchTestConfig& config, const TouchTestRun& run) {
    const bool fullScreen = run.fullScreen == 1;
    const bool logKeys = fullScreen && config.Cursor.check_log_cursor == 1;
    switch (virtualKey) {
        case 'F':
            return fullScreen ? FrameKeyAction::LeaveFullScreen : FrameKeyAction::Start;
        case 'R':
            return fullScreen ? FrameKeyAction::Reset : FrameKeyAction::None;
        case 'S':
            return fullScreen ? FrameKeyAction::None : FrameKeyAction::SaveAsBmp;
        case kKeyEscape:
            if (!fullScreen)
                return FrameKeyAction::None;
            return FlagOnWhenOne(config.Switch.automode) ? FrameKeyAction::CancelAndExit
                                                         : FrameKeyAction::StopAndLeave;
        case 'B':
            return logKeys ? FrameKeyAction::ArmLog : FrameKeyAction::None;
        case 'E':
            return logKeys && run.logArmed == 1 ? FrameKeyAction::SaveLog : FrameKeyAction::None;
        default:
            return FrameKeyAction::None;
    }
}

}  // namespace trelliq
