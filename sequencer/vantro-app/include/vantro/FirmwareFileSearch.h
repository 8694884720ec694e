// The stage dialog's file fields when the stage does not name its files: the
// firmware file chosen for chips 0-4 and the golden samples found.
#pragma once

#include "vantro/FirmwareOperations.h"
#include "vantro/StageEdit.h"

namespace vantro {

class FirmwareFileSearch : public StageFileSearch {
public:
    FirmwareFileSearch(FirmwareOperations& firmware, OperationsState& state)
        : firmware_(firmware), state_(state) {}
    void Find(int deviceType, StageFileFields& found) override;

private:
    FirmwareOperations& firmware_;
    OperationsState& state_;
};

}  // namespace vantro
