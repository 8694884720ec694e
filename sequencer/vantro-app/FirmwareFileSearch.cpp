#include "vantro/FirmwareFileSearch.h"

#include <cstdio>

namespace vantro {

void FirmwareFileSearch::Find(int deviceType, StageFileFields& found) {
    firmware_.FindGoldenFile();
    int interfaceValue = 0;
    firmware_.Files().FindFirmwareFiles(deviceType, interfaceValue);
    for (int i = 0; i < kGuiFirmFileCount; ++i)
        std::snprintf(found.path[i], kStagePathSize, "%s", firmware_.Files().firmware.slots[i]);
    std::snprintf(found.path[kSelfGoldenField], kStagePathSize, "%s", state_.selfGoldenPath);
    std::snprintf(found.path[kMutualGoldenField], kStagePathSize, "%s", state_.mutualGoldenPath);
}

}  // namespace vantro
