// What the "ITO Resize" dialog does with the configuration: its scaling
// texts, radio groups and OK.  [Pattern] width and height are the
// configuration's ScreenWidth and ScreenHeight.
#pragma once

#include <string>

#include "trelliq/DialogFields.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

// The scaling edits' texts as the operator typed them; OK writes these.
struct ItoScalingTexts {
    std::string x, y;
};

// The texts the dialog shows at first ("%f"), so that an OK without an edit
// writes the values it showed.
ItoScalingTexts ShownScalingTexts(const TouchTestConfig& config);
// A scaling edit's text as a number; a text that is not a number reads 0.0.
double ReadScaling(const char* text);
// A click on a radio button of the group: its value 1, the others 0.
// False for an id the group does not hold.
bool SelectRadio(const FieldTable& group, int id, TouchTestConfig& config);

struct ItoOkOutcome {
    enum Kind {
        EndOk,      // saved; the canvas takes the pattern size, the frame refits it
        EndCancel,  // a key the file lacks, or no loaded store: nothing saved
        StayOpen    // a pattern size refused: the stored one is back in refreshId
    } kind;
    int refreshId;  // kPatternWidthId or kPatternHeightId with StayOpen
};

ItoOkOutcome ItoResizeOk(TouchTestConfig& config, const ItoScalingTexts& scaling, const DesktopRect& desktop,
                         MessageSink& messages);

}  // namespace trelliq
