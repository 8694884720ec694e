// Trelliq's start-up before its window exists: find and load
// "LinearConfig.ini", fill TouchTestConfig, read the sensor size from the
// chips when the file asks, and write the screen size and distances back.
#pragma once

#include <stdint.h>

#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestConfig.h"

#ifdef _WIN32
#define TOUCH_TEST_PATH_SEPARATOR "\\"
#else
#define TOUCH_TEST_PATH_SEPARATOR "/"
#endif

// Size of the sensor-information block and of one read's packet buffer.
#define SENSOR_BLOCK_SIZE 52
#define SENSOR_PACKET_SIZE 640
// Word address of the sensor-information block.
#define SENSOR_BLOCK_ADDRESS 0x5A000000u

namespace trelliq {

enum class StartupOutcome {
    GoOn,             // the frame goes on to create its window
    EndWithExitCode0  // the frame ends the process with exit code 0
};

// The frame constructor's steps after its own construction: the file, the
// configuration, the sensor size and the write-back.  The INI store's
// program-wide path and dictionary are set here.
StartupOutcome RunTouchTestStartup(TouchTestConfig& config, const StartupSeams& seams);

// The tables hold ten chips: the master and at most this many slaves.
#define TOUCH_TEST_MAX_SLAVES 9

// Reads [MultiChip] SlaveNO and the slave indexes, and the size of every chip:
// [Grids] X := the last chip's width, Y := the sum of the heights.  A SlaveNO
// above TOUCH_TEST_MAX_SLAVES reads as that bound.  False (after its box)
// when a chip cannot be read or the size is 0.
bool ReadSensorSize(TouchTestConfig& config, const StartupSeams& seams);
// One chip's grid size: width := block byte 1, height += block byte 2.
bool ReadItoSize(const StartupSeams& seams, int chipIndex, int* width, int* height);
// The sensor-information block in packets from SENSOR_BLOCK_ADDRESS; true when the last read succeeded.
bool ReadDeviceBlock(TouchDevice& device, DeviceHandle handle, uint8_t block[SENSOR_BLOCK_SIZE],
                     uint16_t* count);
// A file-system search for the path finds an entry (a folder counts too).
bool FileExists(const char* path);

}  // namespace trelliq
