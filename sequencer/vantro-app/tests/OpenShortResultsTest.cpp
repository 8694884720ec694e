// The dialog's open/short results over the operations' state and the record.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "vantro/OpenShortResultsOfRecord.h"

namespace vantro {
namespace {

TEST(OpenShortResultsOfRecord, PresentFollowsTheShownFlags) {
    OperationsState state;
    std::unique_ptr<OpenShortData> data(new OpenShortData());
    OpenShortResultsOfRecord results(state, *data);
    EXPECT_FALSE(results.Present());
    state.selfShown = 1;
    EXPECT_TRUE(results.Present());
    state.selfShown = 0;
    state.mutualShown = 1;
    EXPECT_TRUE(results.Present());

    data->mutual.width = 12;
    data->mutual.status[5] = 1;
    data->self.channelStatus[0] = 1;
    results.Clear();
    EXPECT_FALSE(results.Present());
    EXPECT_EQ(0, state.selfShown.load());
    EXPECT_EQ(0, data->mutual.width);
    EXPECT_EQ(-1, data->mutual.status[5]);
    EXPECT_EQ(-1, data->self.channelStatus[0]);
}

TEST(OpenShortResultsOfRecord, LastResultPaths) {
    OperationsState state;
    EXPECT_EQ("", LastResultPath(state, true));
    snprintf(state.lastMutualResultPath, kOperationPathSize, "%s", "TestLogs\\2D_Mutual_PASS.csv");
    snprintf(state.lastSelfResultPath, kOperationPathSize, "%s", "TestLogs\\Self.csv");
    EXPECT_EQ("TestLogs\\2D_Mutual_PASS.csv", LastResultPath(state, true));
    EXPECT_EQ("TestLogs\\Self.csv", LastResultPath(state, false));
}

TEST(OperationsState, ResetForRunKeepsPathsAndFirmwareId) {
    OperationsState state;
    state.hasCalibration = 1;
    snprintf(state.barcode, kBarcodeTextSize, "%s", "SN1");
    snprintf(state.panelFirmwareId, kPanelFirmwareIdSize, "%s", "FW");
    snprintf(state.lastSelfResultPath, kOperationPathSize, "%s", "TestLogs\\Self.csv");
    state.mutualShown = 1;
    state.selfShown = 1;
    state.firmwareIdRepaired = true;
    state.ResetForRun();
    EXPECT_EQ(0, state.hasCalibration);
    EXPECT_STREQ("", state.barcode);
    EXPECT_EQ(0, state.mutualShown.load());
    EXPECT_EQ(0, state.selfShown.load());
    EXPECT_FALSE(state.firmwareIdRepaired);
    EXPECT_STREQ("FW", state.panelFirmwareId);
    EXPECT_STREQ("TestLogs\\Self.csv", state.lastSelfResultPath);
}

}  // namespace
}  // namespace vantro
