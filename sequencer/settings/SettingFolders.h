// The settings list of MPSet.ini [ITO] and the fixed folder names of each
// setting's firmware, golden samples and result folders in config.ini.
#pragma once

#include "vantro/SettingsContext.h"

namespace vantro {

// Fills the settings list and the combo and brings every setting's folder
// keys into their fixed form; configChanged tells whether config.ini changed.
// False after one box.
bool LoadSettingsList(SettingsContext& dialog, bool& configChanged);

}  // namespace vantro
