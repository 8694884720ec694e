// Trelliq.exe: no arguments; it works in its working folder.
#include <windows.h>

#include "MarvoApp.h"
#include "framework/Image.h"

trelliq::CMarvoApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    GdiplusSession gdiplus;  // started once for the program's screenshots
    return RunWinApp(theApp);
}
