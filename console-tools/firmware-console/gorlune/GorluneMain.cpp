// Gorlune.exe: the Win32 shell over RunGorlune.
#include "FileVersionQuery.h"
#include "GorluneDump.h"
#include "PortaqConsoleDevice.h"

#include <windows.h>

int main(int argc, char** argv) {
    char ownPath[MAX_PATH] = {};
    OwnProgramPath(argc, argv, ownPath, sizeof ownPath);

    PortaqConsoleDevice device;
    StdoutConsole out;
    FirmwareConsole console{device, out, QueryFileVersion};
    StdioDumpFile file;
    return RunGorlune(console, file, ownPath, argc, argv);
}
