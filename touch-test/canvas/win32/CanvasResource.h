// The canvas's resources: its context menu and commands.
#pragma once

#define IDR_CANVAS_CONTEXT_MENU 134
#define ID_CANVAS_FULLSCREEN 32774
#define ID_CANVAS_RESET 32775
