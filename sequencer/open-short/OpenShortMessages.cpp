#include "OpenShortMessages.h"

namespace vantro {

const OpenShortWords kMutualWords = {
    "13 - Please Put One Mutual Golden Sample !",
    "14 - Cannot Run Halvorn.exe !",
    "15 - Mutual Test Timeout !",
    "16 - Could not find Mutual Golden Sample !",
    "17 - Invalid Mutual Golden Sample !",
    "18 - Cannot Get OpenShort Data !",
    "19 - Golden Sample Channel Number Not Match !",
    "20 - Can't save Result !",
    "21 - Cannot find OpenShort Result file !",
    "22 - Something wrong in OpenShort Data !",
    "23 - Un-expected OpenShort Result !",
    "24 - Exception Occurs !",
};

const OpenShortWords kHardCalibrationWords = {
    "13 - Please Put One Hard Calibration Golden Sample !",
    "14 - Cannot Run Halvorn.exe for Hard Calibration!",
    "15 - Hard Calibration Test Timeout !",
    "16 - Could not find Hard Calibration Golden Sample !",
    "17 - Invalid Hard Calibration Golden Sample !",
    "18 - Cannot Get Hard Calibration Data !",
    "19 - Golden Sample Channel Number Not Match !",
    "20 - Can't save Result !",
    "21 - Cannot find Hard Calibration Result file !",
    "22 - Something wrong in Hard Calibration Data !",
    "23 - Un-expected Hard Calibration Result !",
    "24 - Exception Occurs !",
};

const OpenShortWords kUniformityWords = {
    "13 - Please Put One Mutual Golden Sample !",
    "14 - Cannot Run Halvorn.exe for Uniformity!",
    "15 - Uniformity Test Timeout !",
    "16 - Could not find Uniformity Golden Sample !",
    "17 - Invalid Uniformity Golden Sample !",
    "18 - Cannot Get Uniformity Data !",
    "19 - Golden Sample Channel Number Not Match !",
    "20 - Can't save Result !",
    "21 - Cannot find Uniformity Result file !",
    "22 - Something wrong in Uniformity Data !",
    "23 - Un-expected Uniformity Result !",
    "24 - Exception Occurs !",
};

const OpenShortWords kSelfWords = {
    "25 - Please Put One Self Golden Sample !",
    "26 - Cannot Run Halvorn.exe !",
    "27 - Self Test Timeout !",
    "28 - Could not find Self Golden Sample !",
    "29 - Invalid Self Golden File !",
    "30 - Cannot Get OpenShort Data !",
    "31 - Golden Sample Channel Number Not Match !",
    "32 - Could not save Result !",
    "33 - Cannot find OpenShort Result file !",
    "34 - Something wrong in OpenShort Data !",
    "36 - Un-expected OpenShort Result !",
    "37 - Exception Occurs !",
};

const char kRebootFailed[] = "35 - FW Reboot Fail .....!";

}  // namespace vantro
