// Trelliq.exe: no arguments; it works in its working folder.
#include <windows.h>

#include "MarvoApp.h"

trelliq::CMarvoApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunWinApp(theApp);
}
