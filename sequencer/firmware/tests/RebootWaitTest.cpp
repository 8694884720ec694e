// The wait for the controller after an update: its removal, then its return.
#include <gtest/gtest.h>

#include "FirmwareRig.h"

namespace vantro {
namespace firmware_test {
namespace {

class RebootWait : public FirmwareTest {
protected:
    RebootWait() {
        settings.settings.UptFirmInfo.DeviceChangeTimeout = 20000;
        settings.settings.SetPowerInfo.CalibrationDelay = 700;
    }
};

TEST_F(RebootWait, ARemovalEndsTheFirstWaitAndTheReturnTheSecond) {
    device.removedAt = 3000;
    device.reopenedAt = 5000;
    EXPECT_TRUE(operations.WaitFirmwareReboot());
    EXPECT_EQ(5000, clock.now);
    EXPECT_EQ(4u, Only("look at mark").size());  // at 0, 1, 2 and 3 s
}

TEST_F(RebootWait, BridgesAndHidOverI2cWaitTheCalibrationDelayOnly) {
    for (int type : {4, 6, 11}) {
        SCOPED_TRACE(type);
        journal.clear();
        clock.now = 0;
        device.type = type;
        EXPECT_TRUE(operations.WaitFirmwareReboot());
        EXPECT_EQ((Journal{"sleep 700"}), journal);
    }
}

TEST_F(RebootWait, WithoutARemovalTheFirstWaitRunsOutThenTheDeviceDecides) {
    EXPECT_TRUE(operations.WaitFirmwareReboot());  // never gone: open at once
    EXPECT_EQ(20000, clock.now);
    EXPECT_EQ(20u, Only("sleep 1000").size());
}

TEST_F(RebootWait, ADeviceThatNeverReturnsGivesFalse) {
    device.removedAt = 0;
    EXPECT_FALSE(operations.WaitFirmwareReboot());
    EXPECT_EQ(20000, clock.now);
    EXPECT_FALSE(operations.WaitDeviceReopen());
}

TEST_F(RebootWait, ADeviceBackInTheLastSecondIsBack) {
    settings.settings.UptFirmInfo.DeviceChangeTimeout = 1000;
    device.removedAt = 0;
    device.reopenedAt = 1000;
    EXPECT_TRUE(operations.WaitDeviceReopen());
    EXPECT_EQ(1000, clock.now);
    device.reopenedAt = 1001;
    clock.now = 0;
    EXPECT_FALSE(operations.WaitDeviceReopen());
}

TEST_F(RebootWait, NoTimeoutGivesFalseAtOnce) {
    for (int timeout : {0, -5}) {
        settings.settings.UptFirmInfo.DeviceChangeTimeout = timeout;
        EXPECT_FALSE(operations.WaitFirmwareReboot());
        EXPECT_FALSE(operations.WaitDeviceReopen());
    }
    EXPECT_TRUE(journal.empty());
}

TEST_F(RebootWait, APendingReinstallRunsOnceAndIsCleared) {
    device.removedAt = 0;
    device.reopenedAt = 3000;
    device.deferredReinstall = true;
    EXPECT_TRUE(operations.WaitDeviceReopen());
    EXPECT_EQ(1u, Only("reinstall").size());
    EXPECT_FALSE(device.deferredReinstall);
}

}  // namespace
}  // namespace firmware_test
}  // namespace vantro
