// Cendra.exe: the Win32 shell over runParamWrite.
#include "console_tools/ParamWriter.h"
#include "PellitonParamSources.h"
#include "console_tools/PortaqConsoleDevice.h"

#include <ctime>

using namespace console_tools;

namespace {

ScriptTime localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (const std::tm* t = std::localtime(&now))
        local = *t;
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

}  // namespace

int main(int argc, char** argv) {
    PortaqConsoleDevice device;
    StdoutConsole out;
    PellitonParamLoader loader;
    CendraContext context{device, out, loader, localNow};
    return runParamWrite(context, argc, argv) == kWriteSuccess ? 0 : -1;
}
