// QueryFileVersion over VERSION.dll (Windows build only).
#pragma once

// 1 when the version resource was read (also when it holds no fixed version,
// which leaves the outputs unchanged), 0 otherwise.
int QueryFileVersion(const char* modulePath, int* major, int* minor, int* build, int* revision);
