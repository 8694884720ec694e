#include "trelliq/TouchTestStartup.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace trelliq {

bool FileExists(const char* path) {
#ifdef _WIN32
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
#else
    struct stat info;
    return stat(path, &info) == 0;
#endif
}

}  // namespace trelliq
