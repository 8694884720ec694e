// Ferrit.exe: the Win32 shell over QueryItoInfo.
#include "FerritIto.h"
#include "FileVersionQuery.h"
#include "PortaqConsoleDevice.h"

#include <windows.h>

int main(int argc, char** argv) {
    char ownPath[MAX_PATH] = {};
    OwnProgramPath(argc, argv, ownPath, sizeof ownPath);

    PortaqConsoleDevice device;
    StdoutConsole out;
    FirmwareConsole console{device, out, QueryFileVersion};
    return QueryItoInfo(console, ownPath, argc, argv);
}
