// Start-up load of "MPSet.ini" and "config.ini" into the settings, the extra
// files of the offered operations, the settings list, and setting 0.
#pragma once

#include "vantro/IniStore.h"
#include "vantro/SettingsContext.h"

namespace vantro {

// True when everything loaded and setting 0 became current; false after
// exactly one message box at the first failure.  Keeps both dictionaries in
// the context (context.mpset, context.config).
bool LoadSettings(IniDictionary* mpset, SettingsContext& dialog, IniDictionary* config);

}  // namespace vantro
