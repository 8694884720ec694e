#include "trelliq/SerialNumber.h"

#include <stdio.h>

#include "trelliq/IniFile.h"

namespace trelliq {

namespace {

const char kFailed[] = "Set Config File Failed";

template <size_t N>
void CopyBounded(char (&target)[N], const std::string& text) {
    snprintf(target, N, "%s", text.c_str());
}

}  // namespace

SerialNumberInputs CurrentSerialNumber(const TouchTestConfig& config) {
    return {config.SerialNum.path, config.SerialNum.namePrefix, config.SerialNum.initialNum};
}

void SerialNumberOk(TouchTestConfig& config, const SerialNumberInputs& inputs, MessageSink& messages) {
    TouchTestConfig::SerialNumKeys& serial = config.SerialNum;
    serial.initialNum = inputs.initialNumber;
    CopyBounded(serial.path, inputs.path);
    CopyBounded(serial.namePrefix, inputs.prefix);
    if (!IniDictionary)
        return;

    if (serial.path[0] == '\0') {
        messages.Show("File Path  Couldn't be empty.", "File Path Couldn't be empty.");
        return;
    }
    if (!IniFileSetString("SerialNum", "path", serial.path))
        messages.Show(kFailed, "Set path Failed");
    if (serial.namePrefix[0] == '\0') {
        messages.Show("Prefix Couldn't be empty.", "Prefix Couldn't be empty.");
        return;
    }
    if (!IniFileSetString("SerialNum", "namePrefix", serial.namePrefix))
        messages.Show(kFailed, "Set SerialPrefix Failed");
    if (serial.initialNum < 0)
        messages.Show("initialNum Couldn't be empty.", "initialNum Couldn't be empty.");
    else if (!IniFileSetInt("SerialNum", "initialNum", serial.initialNum))
        messages.Show(kFailed, "Set SerialNum Failed");
}

}  // namespace trelliq
