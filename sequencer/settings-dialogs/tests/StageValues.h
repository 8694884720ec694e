// The stage the stage dialog's tests start from: three steps, a serial
// number, check-button times and a file path in every field.
#pragma once

#include <cstdio>

#include "vantro/StageEdit.h"

namespace vantro {

inline void Name(char (&slot)[kStepNameSize], const char* name) {
    std::snprintf(slot, sizeof slot, "%s", name);
}

inline StageEditValues StartingStageValues() {
    StageEditValues v;
    v.title = "B Setting";
    v.offeredOperations = {"None", "ReInstall", "MutualTest", "SelfTest"};
    v.stage.OperationNO = 3;
    for (auto& slot : v.stage.Operation)
        Name(slot, "None");
    Name(v.stage.Operation[0], "ReInstall");
    Name(v.stage.Operation[1], "MutualTest");
    Name(v.stage.Operation[2], "SelfTest");
    std::snprintf(v.stage.namePrefix, sizeof v.stage.namePrefix, "%s", "SN");
    v.stage.initialNum = 5;
    v.stage.currentSerialNum = 9;
    v.stage.enableSerialNum = 1;
    v.stage.CheckBtnTimeOut = 3000;
    v.stage.CheckBtnInval = 200;
    v.stage.mutual.NegTargetMutl = -20;
    v.stage.self.MaxVoltage = 1.25;
    std::snprintf(v.barcode.BarcodeLength, sizeof v.barcode.BarcodeLength, "%s", "12");
    v.barcode.Timeout = 3;
    v.chipCount = 2;
    v.checkButtonCount = 2;
    v.hasMutualStep = v.hasSelfStep = v.hasBarcodeStep = true;
    v.filesEditable = true;
    for (int i = 0; i < kStageFileFieldCount; ++i)
        std::snprintf(v.files.path[i], kStagePathSize, "C:\\files\\f%d", i);
    return v;
}

}  // namespace vantro
