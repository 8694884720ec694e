#include "LoadSettings.h"

bool LoadSettings(IniDictionary*, SettingsContext&, IniDictionary*) { return false; }
