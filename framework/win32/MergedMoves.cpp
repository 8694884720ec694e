#include "framework/MergedMoves.h"

#include <stdint.h>

std::vector<POINT> CMergedMoves::Take(POINT screen) {
    std::vector<POINT> merged;
    const DWORD pos = GetMessagePos();
    if (static_cast<short>(LOWORD(pos)) != screen.x || static_cast<short>(HIWORD(pos)) != screen.y) {
        haveLast_ = false;
        return merged;
    }
    MOUSEMOVEPOINT now{screen.x, screen.y, static_cast<DWORD>(GetMessageTime()), 0};
    const MOUSEMOVEPOINT last = last_;
    const bool haveLast = haveLast_;
    last_ = now;
    haveLast_ = true;
    if (!haveLast || (last.x == now.x && last.y == now.y && last.time == now.time))
        return merged;
    MOUSEMOVEPOINT history[64];
    const int count = GetMouseMovePointsEx(sizeof now, &now, history, 64, GMMP_USE_DISPLAY_POINTS);
    // The oldest copy of the last one taken: Wine copies injected moves once
    // more from the X server, sometimes late and stamped in the same ms.
    int found = -1;
    for (int i = 1; i < count; ++i)
        if (history[i].x == last.x && history[i].y == last.y && history[i].time == last.time)
            found = i;
    // A button press or release where the cursor stands adds no position of
    // its own: the cursor stood where the newest position at its point, not
    // later than it, put it.  Without this the moves merged right after a
    // touch-down were lost.
    for (int i = 1; i < count && found < 0; ++i)
        if (history[i].x == last.x && history[i].y == last.y &&
            static_cast<int32_t>(last.time - history[i].time) >= 0)
            found = i;
    // Oldest first; the position taken last and the one now are handled already.
    for (int i = found - 1; i >= 1; --i)
        merged.push_back(POINT{history[i].x, history[i].y});
    return merged;
}
