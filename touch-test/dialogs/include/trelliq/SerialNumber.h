// What the "Serial Number Information" dialog does with the configuration:
// the folder, name prefix and running number of Save as BMP's default name.
#pragma once

#include <string>

#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

// Longest path the dialog holds (the path edit and the folder browser's result).
const int kSerialPathChars = TOUCH_TEST_PATH_SIZE - 1;
// Longest name prefix.
const int kSerialPrefixChars = TOUCH_TEST_NAME_PREFIX_SIZE - 1;

struct SerialNumberInputs {
    std::string path;
    std::string prefix;
    int initialNumber = 0;
};

// The values in effect now.
SerialNumberInputs CurrentSerialNumber(const TouchTestConfig& config);

// OK: the values take effect in memory (cut to the bounds above), so the
// next Save as BMP names its file from them, whatever the boxes say; then the
// loaded store's [SerialNum] keys are set.  Nothing is saved here: the file
// is written when Trelliq closes.  The dialog always ends with OK.
void SerialNumberOk(TouchTestConfig& config, const SerialNumberInputs& inputs, MessageSink& messages);

}  // namespace trelliq
