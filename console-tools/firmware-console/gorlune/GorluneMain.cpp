// Gorlune.exe: the Win32 shell over RunGorlune.
#include "FileVersionQuery.h"
#include "GorluneDump.h"
#include "PortaqConsoleDevice.h"

#include <windows.h>

int main(int argc, char** argv)
{
    // The sequencer's argument string begins with a blank, which leaves
    // argv[0] empty: name the program by its module path then.
    char ownPath[MAX_PATH] = {};
    if (argc > 0 && argv[0][0] != '\0')
        lstrcpynA(ownPath, argv[0], sizeof ownPath);
    else
        GetModuleFileNameA(nullptr, ownPath, sizeof ownPath);

    PortaqConsoleDevice device;
    StdoutConsole out;
    FirmwareConsole console{device, out, QueryFileVersion};
    StdioDumpFile file;
    return RunGorlune(console, file, ownPath, argc, argv);
}
