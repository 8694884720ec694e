// Which step name reaches which class of operations, with which mode.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "vantro/OperationRouter.h"

namespace vantro {
namespace {

struct NamedHandlers : OperationHandlers {
    explicit NamedHandlers(const char* name) : name(name) {}
    StepOutcome Run(HandlerId, StepCall& call) override {
        lastMode = call.mode;
        return kStepPass;
    }
    const char* name;
    int lastMode = -1;
};

TEST(OperationRouter, DispatchTableRows) {
    NamedHandlers openShort("open/short");
    OperationRouter router;
    ServeOpenShortOperations(router, openShort);
    NamedHandlers drawingTests("drawing tests");
    ServeDrawingTestOperations(router, drawingTests);
    NamedHandlers firmware("firmware");
    ServeFirmwareOperations(router, firmware);
    NamedHandlers panel("panel");
    ServePanelOperations(router, panel);

    const std::map<std::string, std::pair<std::string, int>> served = {
        {"SelfTest", {"open/short", 0}},
        {"MutualTest", {"open/short", 0}},
        {"LinearTest", {"drawing tests", 0}},
        {"LinearTest_NoOrder", {"drawing tests", 7}},
        {"AccuracyTest", {"drawing tests", 4}},
        {"TraceTest", {"drawing tests", 1}},
        {"VUZA_LinearTest", {"drawing tests", 0}},
        {"VUZA_CornerTest", {"drawing tests", 3}},
        {"VUZA_OpenshortTest", {"drawing tests", 1}},
        {"VUZA_MultiTouchTest", {"drawing tests", 2}},
        {"CrosslineTest", {"drawing tests", 0}},
        {"MultiTouchTest", {"drawing tests", 1}},
        {"MultiTraceTest", {"drawing tests", 2}},
        {"UpdateFirmware", {"firmware", 0}},
        {"SPIUpdateFirmware", {"firmware", 0}},
        {"IsOkFW", {"firmware", 0}},
        {"Tolvane", {"firmware", 0}},
        {"Mirrant", {"firmware", 0}},
        {"Yarrowe", {"firmware", 0}},
        {"GetFWID", {"firmware", 0}},
        {"CheckFWID", {"firmware", 0}},
        {"I2C I/F Test", {"panel", 0}},
        {"HasCalibration", {"panel", 1}},
        {"HardCalibration", {"panel", 0}},
        {"ClearCalibFlag", {"panel", 2}},
        {"OnlineSetParm", {"panel", 0}},
        {"ReserveFwParm", {"panel", 0}},
        {"TenFingersTest", {"panel", 0}},
        {"SoftReset", {"panel", 0}},
        {"Gannick", {"panel", 0}},
        {"ScanBarcode", {"panel", 0}},
        {"Ferrit", {"panel", 0}},
        {"Uniformity", {"panel", 0}},
    };
    for (const DispatchEntry& entry : kDispatchTable) {
        char message[kMessageSize] = "";
        StepCall call;
        call.mode = entry.mode;
        call.message = message;
        openShort.lastMode = drawingTests.lastMode = firmware.lastMode = panel.lastMode = -1;
        const StepOutcome outcome = router.Run(entry.handler, call);
        auto row = served.find(entry.name);
        if (row == served.end()) {
            EXPECT_EQ(nullptr, router.ServerOf(entry.handler)) << entry.name;
            EXPECT_EQ(kStepFailNoRetry, outcome) << entry.name;
            EXPECT_STREQ("Operation not available", message) << entry.name;
            continue;
        }
        NamedHandlers* server = static_cast<NamedHandlers*>(router.ServerOf(entry.handler));
        ASSERT_NE(nullptr, server) << entry.name;
        EXPECT_EQ(row->second.first, server->name) << entry.name;
        EXPECT_EQ(kStepPass, outcome) << entry.name;
        EXPECT_EQ(row->second.second, server->lastMode) << entry.name;
        EXPECT_STREQ("", message) << entry.name;
    }
}

TEST(OperationRouter, ALaterServerReplacesTheFirst) {
    NamedHandlers first("first"), second("second");
    OperationRouter router;
    router.Serve(HandlerId::kSoftReset, first);
    router.Serve(HandlerId::kSoftReset, second);
    EXPECT_EQ(&second, router.ServerOf(HandlerId::kSoftReset));
    EXPECT_EQ(nullptr, router.ServerOf(HandlerId::kFerrit));
}

}  // namespace
}  // namespace vantro
