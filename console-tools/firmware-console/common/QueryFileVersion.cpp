#include "console_tools/FileVersionQuery.h"

#include <windows.h>

#include <cstdlib>

namespace console_tools {

int QueryFileVersion(const char* modulePath, int* major, int* minor, int* build, int* revision) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(modulePath, &ignored);
    if (size == 0)
        return 0;
    void* data = std::malloc(size);
    if (data == nullptr)
        return 0;
    if (!GetFileVersionInfoA(modulePath, 0, size, data)) {
        std::free(data);
        return 0;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    char root[] = "\\";
    if (VerQueryValueA(data, root, reinterpret_cast<void**>(&fixed), &fixedSize) && fixed != nullptr &&
        fixedSize >= sizeof(VS_FIXEDFILEINFO)) {
        *major = HIWORD(fixed->dwFileVersionMS);
        *minor = LOWORD(fixed->dwFileVersionMS);
        *build = HIWORD(fixed->dwFileVersionLS);
        *revision = LOWORD(fixed->dwFileVersionLS);
    }
    std::free(data);
    return 1;
}

void OwnProgramPath(int argc, char** argv, char* path, unsigned size) {
    if (size == 0)
        return;
    path[0] = '\0';
    if (argc > 0 && argv[0] != nullptr && argv[0][0] != '\0')
        lstrcpynA(path, argv[0], static_cast<int>(size));
    else
        GetModuleFileNameA(nullptr, path, size);
}

}  // namespace console_tools
