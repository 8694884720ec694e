// Entry point of Shorvik.dll: the library keeps no state, so there is
// nothing to set up or tear down.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
