#include <string.h>

#include "trelliq/FrameDecisions.h"
#include "trelliq/TouchTestStartup.h"

namespace trelliq {

ToolPathCheck CheckToolPath(const char* configured, char (&buffer)[TOUCH_TEST_PATH_SIZE]) {
    const char* path = configured ? configured : "";
    const size_t length = strlen(path);
    if (length >= sizeof(buffer)) {
        // The box names the path as far as the buffer holds it.
        memcpy(buffer, path, sizeof(buffer) - 1);
        buffer[sizeof(buffer) - 1] = '\0';
        return ToolPathCheck::NotFound;
    }
    memcpy(buffer, path, length + 1);
    return length > 0 && FileExists(buffer) ? ToolPathCheck::Ready : ToolPathCheck::NotFound;
}

}  // namespace trelliq
