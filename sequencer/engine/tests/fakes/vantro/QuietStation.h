// The station around a step doing nothing, in one object that stands for the
// settings code's outside world and the tool runner's boxes and clock: no
// boxes, no window, no folders, the date 20261211 and the time "now".
#pragma once

#include <string>

#include "vantro/QuietSettingsParts.h"
#include "vantro/ToolRunner.h"
#include "vantro/UserMessages.h"

namespace vantro {

struct QuietStation : NoMessages, NoWindow, NoFolders, NoDate, UserMessages, LocalTimeSource {
    QuietStation() : NoDate("20261211") {}
    void ShowMessageBox(const char*) override {}
    std::string Now() override { return "now"; }
};

}  // namespace vantro
