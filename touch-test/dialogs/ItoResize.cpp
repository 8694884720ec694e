#include "trelliq/ItoResize.h"

#include <stdio.h>
#include <stdlib.h>

#include "trelliq/IniFile.h"

namespace trelliq {

namespace {

const char kFailed[] = "Set Config File Failed";
const char kSizeFailed[] = "Set Pattern Size Failed";

struct IntKey {
    const char* section;
    const char* key;
    int (*value)(const TouchTestConfig& config);
};

#define GET(member) [](const TouchTestConfig& c) { return c.member; }

const IntKey kIntWrites[] = {
    {"Rotation", "radio_r0", GET(Rotation.radio_r0)},
    {"Rotation", "radio_r90", GET(Rotation.radio_r90)},
    {"Rotation", "radio_r180", GET(Rotation.radio_r180)},
    {"Rotation", "radio_r270", GET(Rotation.radio_r270)},
    {"Original", "radio_lt", GET(Original.radio_lt)},
    {"Original", "radio_rt", GET(Original.radio_rt)},
    {"Original", "radio_lb", GET(Original.radio_lb)},
    {"Original", "radio_rb", GET(Original.radio_rb)},
    {"Gap", "left", GET(Gap.left)},
    {"Gap", "right", GET(Gap.right)},
    {"Gap", "top", GET(Gap.top)},
    {"Gap", "bottom", GET(Gap.bottom)},
};

#undef GET

std::string FormatScaling(double value) {
    char text[64];
    snprintf(text, sizeof text, "%f", value);
    return text;
}

// One side of the pattern: refused when larger than the screen or below 1
// (a size of 0 divides the canvas and the linear test by zero); a refused
// value comes back from the store.  False when refused.
bool CheckPatternSide(int& value, int screen, const char* key, MessageSink& messages) {
    const bool width = key[0] == 'w';
    char text[128];
    if (value > screen)
        snprintf(text, sizeof text,
                 width ? "Pattern width %d  is larger than the the width of screen  %d"
                       : "Pattern heigh %d is larger than the height of screen %d",
                 value, screen);
    else if (value < 1)
        snprintf(text, sizeof text,
                 width ? "Pattern width %d can not be less than 1"
                       : "Pattern height %d can not be less than 1",
                 value);
    else
        return true;
    messages.Show(text, kSizeFailed);
    value = IniFileGetInt("Pattern", key);
    return false;
}

}  // namespace

ItoScalingTexts ShownScalingTexts(const TouchTestConfig& config) {
    return {FormatScaling(config.Scaling.X), FormatScaling(config.Scaling.Y)};
}

double ReadScaling(const char* text) {
    return text ? atof(text) : 0.0;
}

bool SelectRadio(const FieldTable& group, int id, TouchTestConfig& config) {
    if (!group.Find(id))
        return false;
    for (const IntField& field : group)
        field.value(config) = field.id == id ? 1 : 0;
    return true;
}

ItoOkOutcome ItoResizeOk(TouchTestConfig& config, const ItoScalingTexts& scaling, const DesktopRect& desktop,
                         MessageSink& messages) {
    if (!IniDictionary)
        return {ItoOkOutcome::EndCancel, 0};
    bool written = IniFileSetString("Scaling", "X", scaling.x.c_str()) != nullptr &&
                   IniFileSetString("Scaling", "Y", scaling.y.c_str()) != nullptr;
    for (const IntKey& key : kIntWrites) {
        if (!written)
            break;
        written = IniFileSetInt(key.section, key.key, key.value(config)) != nullptr;
    }
    if (!written) {
        messages.Show(kFailed, kFailed);
        return {ItoOkOutcome::EndCancel, 0};
    }

    if (!CheckPatternSide(config.ScreenWidth, desktop.right - desktop.left, "width", messages))
        return {ItoOkOutcome::StayOpen, kPatternWidthId};
    if (!IniFileSetInt("Pattern", "width", config.ScreenWidth)) {
        messages.Show(kFailed, kFailed);
        return {ItoOkOutcome::EndCancel, 0};
    }
    if (!CheckPatternSide(config.ScreenHeight, desktop.bottom - desktop.top, "height", messages))
        return {ItoOkOutcome::StayOpen, kPatternHeightId};
    if (!IniFileSetInt("Pattern", "height", config.ScreenHeight)) {
        messages.Show(kFailed, kFailed);
        return {ItoOkOutcome::EndCancel, 0};
    }

    IniFileSave();
    config.CanvasWidth = config.ScreenWidth;
    config.CanvasHeight = config.ScreenHeight;
    return {ItoOkOutcome::EndOk, 0};
}

}  // namespace trelliq
