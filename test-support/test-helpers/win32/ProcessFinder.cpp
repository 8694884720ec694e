#include "test_support/ProcessFinder.h"

#include <tlhelp32.h>

namespace test_support {

DWORD FindProcess(const char* image, DWORD parent) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
        if ((parent == 0 || entry.th32ParentProcessID == parent) && lstrcmpiA(entry.szExeFile, image) == 0)
            found = entry.th32ProcessID;
    CloseHandle(snapshot);
    return found;
}

DWORD WaitForProcess(const char* image, DWORD waitMs) {
    const DWORD begin = GetTickCount();
    DWORD found;
    while (!(found = FindProcess(image)) && GetTickCount() - begin < waitMs)
        Sleep(50);
    return found;
}

}  // namespace test_support
