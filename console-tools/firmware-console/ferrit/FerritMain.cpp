// Ferrit.exe: the Win32 shell over QueryItoInfo.
#include "console_tools/FerritIto.h"
#include "console_tools/FileVersionQuery.h"
#include "console_tools/PortaqConsoleDevice.h"

#include <windows.h>

using namespace console_tools;

int main(int argc, char** argv) {
    char ownPath[MAX_PATH] = {};
    OwnProgramPath(argc, argv, ownPath, sizeof ownPath);

    PortaqConsoleDevice device;
    StdoutConsole out;
    FirmwareConsole console{device, out, QueryFileVersion};
    return QueryItoInfo(console, ownPath, argc, argv);
}
