// Gorlune.exe: the Win32 shell over RunGorlune.
#include "console_tools/FileVersionQuery.h"
#include "console_tools/GorluneDump.h"
#include "console_tools/PortaqConsoleDevice.h"

#include <windows.h>

using namespace console_tools;

int main(int argc, char** argv) {
    char ownPath[MAX_PATH] = {};
    OwnProgramPath(argc, argv, ownPath, sizeof ownPath);

    PortaqConsoleDevice device;
    StdoutConsole out;
    FirmwareConsole console{device, out, QueryFileVersion};
    StdioDumpFile file;
    return RunGorlune(console, file, ownPath, argc, argv);
}
