// The firmware's main code id: four numbers written in one text.
#pragma once

#include "pelliton/PellitonExport.h"

// Clears out, then stores at most four numbers of text, split at any of
// blank, ",", "." and "-" ("12.34-5,6" gives 12, 34, 5, 6).
PELLITON_API void PellitonParseMainCodeId(unsigned char out[4], const char* text);
