#include <stdio.h>

#include "trelliq/FrameDecisions.h"

namespace trelliq {

bool FirstStartCheckFailure(const TouchTestConfig& config, FrameMessage& failure) {
    struct Check {
        bool holds;
        const char* text;
        const char* caption;
    } const checks[] = {
        {config.LineWidth.side > 0, "side line width can not be less than 0", "Set side line width Failed"},
        {config.Distance.X > 0, "X distance can not be less than 0", "Set X distance Failed"},
        {config.Distance.Y > 0, "Y distance can not be less than 0", "Set Y distance Failed"},
        {config.Continuance.X > 0, "X continuance can not be less than 0", "Set X continuance Failed"},
        {config.Continuance.Y > 0, "Y continuance can not be less than 0", "Set Y continuance Failed"},
        {config.Scaling.X > 0.0, "X scaling can not be less than 0", "Set X scaling Failed"},
        {config.Scaling.Y > 0.0, "Y scaling can not be less than 0", "Set Y scaling Failed"},
    };
    for (const Check& check : checks) {
        if (!check.holds) {
            failure = FrameMessage{check.text, check.caption};
            return true;
        }
    }
    return false;
}

PatternFit CheckPatternFits(const TouchTestConfig& config, const DesktopRect& desktop,
                            FrameMessage& failure) {
    char text[160];
    if (config.ScreenWidth > desktop.right) {
        snprintf(text, sizeof(text), "Pattern width %d  is larger than the the width of screen  %d",
                 config.ScreenWidth, desktop.right);
        failure = FrameMessage{text, "Set Pattern Size Failed"};
        return PatternFit::TooWide;
    }
    if (config.ScreenHeight > desktop.bottom) {
        snprintf(text, sizeof(text), "Pattern heigh %d is larger than the height of screen %d",
                 config.ScreenHeight, desktop.bottom);
        failure = FrameMessage{text, "Set Pattern Size Failed"};
        return PatternFit::TooHigh;
    }
    return PatternFit::Fits;
}

}  // namespace trelliq
