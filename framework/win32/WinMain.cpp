// WinMain for programs whose application object is a global CWinApp.
#include <windows.h>

#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* app = CWinApp::Current();
    return app ? RunWinApp(*app) : -1;
}
