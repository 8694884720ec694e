// Makes another setting current.
#pragma once

#include "vantro/SettingsContext.h"

namespace vantro {

// Keeps the running serial number of the setting being left, selects index in
// the setting combo, loads section "Item<index>" (LoadStageInfo) and creates
// the setting's result folders.  Returns the result of LoadStageInfo.
bool SwitchSetting(SettingsContext& dialog, int index);

}  // namespace vantro
