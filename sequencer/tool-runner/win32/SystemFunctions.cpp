#include <windows.h>

#include <cstdio>

#include "vantro/WindowsVersion.h"

namespace vantro {

int GetWindowsVersionClass() {
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&version))
        return 7;
#pragma GCC diagnostic pop
    return WindowsVersionClassOf(version.dwMajorVersion, version.dwMinorVersion, version.dwBuildNumber);
}

bool IsWindows64Bit() {
    typedef void(WINAPI * NativeSystemInfoFunction)(LPSYSTEM_INFO);
    HMODULE kernel = GetModuleHandleA("kernel32");
    if (!kernel)
        return false;
    // Looked up at run time: old systems lack it.
    NativeSystemInfoFunction getNativeSystemInfo = reinterpret_cast<NativeSystemInfoFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetNativeSystemInfo")));
    if (!getNativeSystemInfo)
        return false;
    SYSTEM_INFO info;
    ZeroMemory(&info, sizeof info);
    getNativeSystemInfo(&info);
    return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
}

namespace {
constexpr size_t kConsoleBufferSize = 4096;

bool IsRedirected(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD type = GetFileType(handle);
    return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}
}  // namespace

bool CreateConsoleWithoutClose() {
    // A run captured into a file or pipe must stay captured: only an output
    // that goes nowhere yet is bound to the new console.
    bool outputRedirected = IsRedirected(STD_OUTPUT_HANDLE);
    if (!AllocConsole())
        return false;
    // The console exists from here on: an output that cannot be bound to it
    // (Wine's CONOUT$ may refuse) loses only the console texts, not the run.
    // The C runtime leaves a console stream unbuffered and writes it a
    // character at a time, each character a round trip to the console host
    // (about half a millisecond under Wine).  With a buffer each print, which
    // the console output flushes, reaches the console in one write.
    if (!outputRedirected && std::freopen("CONOUT$", "w", stdout))
        std::setvbuf(stdout, nullptr, _IOFBF, kConsoleBufferSize);
    HWND console = GetConsoleWindow();
    if (console) {
        HMENU menu = GetSystemMenu(console, FALSE);
        if (menu)
            DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND);
    }
    return true;
}

}  // namespace vantro
