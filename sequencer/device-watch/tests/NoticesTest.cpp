#include <gtest/gtest.h>

#include "DeviceFakes.h"

namespace vantro {
namespace {

TEST(Notices, UnknownArrivalOnlyStartsTheReinstallCheck) {
    DeviceRig rig;
    rig.api.typeByPath = 1;
    rig.watch.OnInterfaceArrival("\\\\?\\other");
    EXPECT_EQ("TypeByPath(\\\\?\\other);", rig.Calls());
    EXPECT_EQ(std::vector<std::string>{"start 155205 1000"}, rig.view.log);
}

TEST(Notices, ArrivalWhileIdleReadsTheChipsAndEnablesTest) {
    for (int type : {9, 4, 6}) {
        DeviceRig rig;
        rig.api.type = type;
        rig.api.typeByPath = type;
        rig.settings.General.PreReadFWInfoDelay = 200;
        rig.settings.SetPowerInfo.CalibrationDelay = 700;
        rig.watch.SetConsoleMode(true);
        rig.watch.OnInterfaceArrival(rig.api.path.c_str());
        bool bridge = type != 9;
        std::vector<std::string> expected = {"zero",
                                             bridge ? "sleep 700" : "sleep 200",
                                             "status == Read Chip Information ==",
                                             "status ==Device connected !==",
                                             "enable",
                                             "focus test",
                                             bridge ? "power shown" : "power hidden"};
        EXPECT_EQ(expected, rig.view.log) << type;
        EXPECT_EQ("== Read Chip Information ==\n", rig.view.console);
        EXPECT_EQ(4, rig.view.chipCount);
        EXPECT_EQ("VID 3C5E\nPID 0A7B", rig.view.label);
    }
}

TEST(Notices, ArrivalWithUnreadableChipsDisablesTest) {
    DeviceRig rig;
    rig.api.opens = {7};
    rig.api.open = -1;
    rig.watch.OnInterfaceArrival(rig.api.path.c_str());
    EXPECT_EQ("==Warning ! I2C or USB connect Fail !==", rig.view.status);
    EXPECT_TRUE(rig.view.Has("disable"));
    EXPECT_FALSE(rig.view.Has("enable"));
}

TEST(Notices, ArrivalDuringARunOnlyProbes) {
    DeviceRig rig;
    rig.running = true;
    rig.watch.OnInterfaceArrival(rig.api.path.c_str());
    EXPECT_TRUE(rig.view.log.empty());
    EXPECT_EQ("VID 3C5E\nPID 0A7B", rig.view.label);
    EXPECT_TRUE(rig.watch.IsOpen());
}

TEST(Notices, ArrivalAfterAFailedSettingsLoadEnablesNothing) {
    DeviceRig rig;
    rig.watch.SetTestAllowed(false);
    rig.watch.OnInterfaceArrival(rig.api.path.c_str());
    EXPECT_FALSE(rig.view.Has("enable"));
}

TEST(Notices, RemovalOfTheStoredPathInAnyCase) {
    for (bool running : {false, true}) {
        DeviceRig rig;
        rig.settings.SetPowerInfo.AutoSetBridgePower = 1;
        rig.watch.OpenTouchDevice();
        rig.watch.PowerOn();
        rig.view.log.clear();
        rig.api.open = -1;
        rig.running = running;
        rig.watch.OnInterfaceRemoval("\\\\?\\HID#VID_3C5E&PID_0A7B&COL02#1");
        EXPECT_EQ("No Norq\nDevice", rig.view.label);
        EXPECT_EQ(1, rig.watch.firstRemovedMark.load());
        EXPECT_EQ(1, rig.watch.secondRemovedMark.load());
        EXPECT_EQ(0, rig.watch.PowerState());
        if (running) {
            EXPECT_EQ(std::vector<std::string>{"lamp"}, rig.view.log);
        } else {
            std::vector<std::string> expected = {
                "zero", "status ==Warning ! Device Disconnected !==", "disable", "clear fw", "focus list",
                "lamp"};
            EXPECT_EQ(expected, rig.view.log);
        }
    }
}

TEST(Notices, RemovalOfAnotherPathChangesNothing) {
    DeviceRig rig;
    rig.watch.OpenTouchDevice();
    rig.api.calls.clear();
    rig.watch.OnInterfaceRemoval("\\\\?\\hid#vid_1111&pid_2222#9");
    rig.watch.OnInterfaceRemoval("");
    EXPECT_TRUE(rig.view.log.empty());
    EXPECT_TRUE(rig.api.calls.empty());
    EXPECT_EQ(0, rig.watch.firstRemovedMark.load());
    EXPECT_TRUE(rig.watch.IsOpen());
}

}  // namespace
}  // namespace vantro
