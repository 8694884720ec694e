#include <gtest/gtest.h>

#include "DeviceFakes.h"

namespace vantro {
namespace {

TEST(ChipInfo, ReadShowsTheFirmwareIdAndCountsTheChipsInTheExactCallOrder) {
    DeviceRig rig;
    EXPECT_TRUE(rig.watch.ReadChipInfo());
    EXPECT_EQ("A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB", rig.view.firmwareId);
    EXPECT_EQ(35u, rig.view.firmwareId.size());
    EXPECT_EQ(4, rig.chipCount);
    EXPECT_EQ("Retry(2,200);Open(0)=7;Report(7,0,0);Read(7,0xA000C004,640);Report(7,1,0);Close(7);",
              rig.Calls());
}

TEST(ChipInfo, SlaveByteGivesTheCountClampedToTenSlots) {
    struct Case {
        uint8_t slaveByte;
        int slaveNo;
        int count;
        bool ok;
    } cases[] = {{0, 0, 1, true},      {9, 0, 10, true},  {0xFF, 2, 3, true},
                 {0xFF, 15, 10, true}, {10, 2, 3, false}, {0x80, -5, 1, false}};
    for (const Case& c : cases) {
        DeviceRig rig;
        rig.api.block[36] = c.slaveByte;
        rig.settings.MultiChip.SlaveNO = c.slaveNo;
        EXPECT_EQ(c.ok, rig.watch.ReadChipInfo()) << int(c.slaveByte);
        EXPECT_EQ(c.count, rig.chipCount) << int(c.slaveByte);
    }
}

TEST(ChipInfo, ReadModesOneAndZero) {
    DeviceRig one;
    one.settings.General.ReadFWInfo = 1;
    EXPECT_TRUE(one.watch.ReadChipInfo());
    EXPECT_EQ("", one.view.firmwareId);
    EXPECT_EQ(4, one.chipCount);

    DeviceRig zero;
    zero.settings.General.ReadFWInfo = 0;
    zero.chipCount = 6;
    EXPECT_TRUE(zero.watch.ReadChipInfo());
    EXPECT_EQ("", zero.Calls());
    EXPECT_EQ(6, zero.chipCount);
}

TEST(ChipInfo, FailuresCloseTheHandleAndResumeOnlyAfterAStop) {
    DeviceRig noDevice;
    noDevice.api.open = -1;
    EXPECT_FALSE(noDevice.watch.ReadChipInfo());
    EXPECT_EQ("Retry(2,200);Open(0)=-1;", noDevice.Calls());

    DeviceRig zeroHandle;
    zeroHandle.api.open = 0;
    EXPECT_FALSE(zeroHandle.watch.ReadChipInfo());
    EXPECT_EQ("Retry(2,200);Open(0)=0;", zeroHandle.Calls());

    DeviceRig refused;
    refused.api.reportStop = 0;
    EXPECT_FALSE(refused.watch.ReadChipInfo());
    EXPECT_EQ("Retry(2,200);Open(0)=7;Report(7,0,0);Close(7);", refused.Calls());

    DeviceRig readFails;
    readFails.api.readResult = 1;
    EXPECT_FALSE(readFails.watch.ReadChipInfo());
    EXPECT_EQ("Retry(2,200);Open(0)=7;Report(7,0,0);Read(7,0xA000C004,640);Report(7,1,0);Close(7);",
              readFails.Calls());
    EXPECT_EQ(1, readFails.chipCount);
}

TEST(ChipInfo, ShortPacketAfterAFullReadIsAFailureThatKeepsTheCount) {
    DeviceRig rig;
    ASSERT_TRUE(rig.watch.ReadChipInfo());
    ASSERT_EQ(4, rig.chipCount);
    rig.api.block[36] = 0;
    rig.api.delivered = 36;
    rig.view.firmwareId.clear();
    EXPECT_FALSE(rig.watch.ReadChipInfo());
    EXPECT_EQ(4, rig.chipCount);
    EXPECT_EQ("", rig.view.firmwareId);
}

TEST(ChipInfo, BridgePowerSurroundsTheReadEvenWhenItFails) {
    for (PortaqHandle open : {PortaqHandle(7), PortaqHandle(-1)}) {
        DeviceRig rig;
        rig.api.open = open;
        rig.settings.SetPowerInfo.AutoSetBridgePower = 1;
        rig.settings.SetPowerInfo.CalibrationDelay = 300;
        rig.watch.ReadChipInfo();
        ASSERT_EQ(2u, rig.launcher.started.size());
        EXPECT_EQ("on.exe| 1 2", rig.launcher.started[0]);
        EXPECT_EQ("off.exe| 0", rig.launcher.started[1]);
        EXPECT_TRUE(rig.view.Has("sleep 300"));
        EXPECT_EQ(0, rig.watch.PowerState());
    }
}

TEST(ChipInfo, PowerToolThatCannotStartKeepsTheState) {
    DeviceRig rig;
    rig.watch.PowerOn();
    EXPECT_EQ(1, rig.watch.PowerState());
    rig.launcher.starts = false;
    rig.watch.PowerOff();
    EXPECT_EQ("== Fail ! Can Not Set Power Off !==", rig.view.status);
    EXPECT_EQ(1, rig.watch.PowerState());
    rig.watch.PowerOn();
    EXPECT_EQ("== Fail ! Can Not Set Power On !==", rig.view.status);
}

TEST(DeviceId, LabelShowsTheIdsOrNoDevice) {
    DeviceRig rig;
    rig.watch.OpenTouchDevice();
    rig.watch.ShowDeviceId();
    EXPECT_EQ("VID 3C5E\nPID 0A7B", rig.view.label);
    EXPECT_TRUE(rig.watch.IsOpen());
    EXPECT_EQ(9, rig.watch.DeviceType());
    EXPECT_EQ(rig.api.path, rig.watch.DevicePath());
    EXPECT_EQ("Open(0)=7;Close(7);", rig.Calls());

    rig.api.open = -1;
    rig.watch.OpenTouchDevice();
    rig.watch.ShowDeviceId();
    EXPECT_EQ("No Norq\nDevice", rig.view.label);
    EXPECT_EQ(1, rig.watch.DeviceType());
    EXPECT_EQ("", rig.watch.DevicePath());
}

TEST(Calibration, StatusByteAndChipSelection) {
    DeviceRig one;
    one.api.calibration = 0x21;
    EXPECT_EQ(0x21, one.watch.ReadCalibrationStatus());
    EXPECT_EQ("Open(0)=7;Mem(7,0x50000000,0,0);Close(7);", one.Calls());

    DeviceRig twoChipsNoDevice;
    twoChipsNoDevice.chipCount = 2;
    twoChipsNoDevice.api.open = -1;
    EXPECT_EQ(-1, twoChipsNoDevice.watch.ReadCalibrationStatus());
    EXPECT_EQ("Open(0)=-1;Chip(5);", twoChipsNoDevice.Calls());

    DeviceRig failing;
    failing.api.memResult = 3;
    EXPECT_EQ(-1, failing.watch.ReadCalibrationStatus());
    EXPECT_EQ("Open(0)=7;Mem(7,0x50000000,0,0);Close(7);", failing.Calls());
}

}  // namespace
}  // namespace vantro
