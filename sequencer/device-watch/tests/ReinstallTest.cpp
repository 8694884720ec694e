#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "DeviceFakes.h"
#include "vantro/RunInterfaces.h"

namespace vantro {
namespace {

TEST(Reinstall, BatchTextByteForByte) {
    EXPECT_EQ("\"dev\\devcon_Win7.exe\" remove \"HID\\VID_B7C4&PID_*&COL02\"\n"
              "\"dev\\devcon_Win7.exe\" remove \"HID\\VID_293f&PID_*&COL02\"\n"
              "\"dev\\devcon_Win7.exe\" remove \"HID\\VID_0596&PID_060*&COL02\"\n"
              "\"dev\\devcon_Win7.exe\" remove \"ACPI\\NORQ*\"\n"
              "ping 127.0.0.1 -n 2 -w 1000\n"
              "\"dev\\devcon_Win7.exe\" rescan\n",
              ReinstallBatchText("dev", "devcon_Win7.exe", 2500));
}

TEST(Reinstall, ToolByVersionClassAndWordSize) {
    EXPECT_EQ("devcon_Win8_64bit.exe", DevconToolName(0, true));
    EXPECT_EQ("devcon_Win8_32bit.exe", DevconToolName(0, false));
    EXPECT_EQ("devcon_Win7.exe", DevconToolName(1, true));
    EXPECT_EQ("devcon_Win7.exe", DevconToolName(7, false));
}

struct RecordingBatchFiles : BatchFiles {
    bool writable = true;
    std::vector<std::string> log;
    bool WriteText(const std::string& path, const std::string& text) override {
        log.push_back("write " + path + " " + std::to_string(text.size()));
        return writable;
    }
    void Delete(const std::string& path) override { log.push_back("delete " + path); }
};

struct ReinstallRig : DeviceRig {
    RecordingBatchFiles files;
    std::vector<std::string> steps;
    DevconReinstaller reinstaller{settings,
                                  tools,
                                  files,
                                  1,
                                  true,
                                  [this](const char* t) { steps.push_back(std::string("status ") + t); },
                                  [this](int ms) { steps.push_back("sleep " + std::to_string(ms)); }};
    char message[kMessageSize] = "";
    ReinstallRig() {
        settings.ReInstall.ReInstallDelay = 3000;
        watch.SetReinstaller(&reinstaller);
    }
};

TEST(Reinstall, Outcomes) {
    ReinstallRig ok;
    EXPECT_EQ(kStepPass, ok.reinstaller.RunDevconReinstall(ok.message));
    EXPECT_EQ(std::vector<std::string>{"dev\\autoGenerate.bat|"}, ok.launcher.started);
    EXPECT_EQ((std::vector<std::string>{"status Re-Install Device", "sleep 3000"}), ok.steps);
    EXPECT_EQ("delete dev\\autoGenerate.bat", ok.files.log.back());

    ReinstallRig unwritable;
    unwritable.files.writable = false;
    EXPECT_EQ(kStepFailRetry, unwritable.reinstaller.RunDevconReinstall(unwritable.message));
    EXPECT_STREQ("Cannot write autoGenerate.bat !", unwritable.message);
    EXPECT_TRUE(unwritable.launcher.started.empty());

    ReinstallRig unstartable;
    unstartable.launcher.starts = false;
    EXPECT_EQ(kStepFailRetry, unstartable.reinstaller.RunDevconReinstall(unstartable.message));
    EXPECT_STREQ("Col02 re-install Fail !", unstartable.message);
    EXPECT_EQ("delete dev\\autoGenerate.bat", unstartable.files.log.back());
}

TEST(Reinstall, OverlongBatchPathWritesNothing) {
    ReinstallRig rig;
    IniTexts longPath("[ReInstall]\nDevconPath=" + std::string(250, 'd') + "\n");
    rig.settings.ReInstall.DevconPath = longPath.Get("ReInstall", "DevconPath");
    EXPECT_EQ(kStepFailRetry, rig.reinstaller.RunDevconReinstall(rig.message));
    EXPECT_STREQ("Cannot write autoGenerate.bat !", rig.message);
    EXPECT_TRUE(rig.files.log.empty());
}

TEST(Reinstall, PortableFilesWriteTheBatchAndFailInAMissingFolder) {
    PortableBatchFiles files;
    EXPECT_FALSE(files.WriteText("no-such-folder/x.bat", "x"));
    ASSERT_TRUE(files.WriteText("written.bat", "a\nb\n"));
    {
        std::ifstream in("written.bat");  // text mode, as written
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_EQ("a\nb\n", text.str());
    }
    files.Delete("written.bat");
    struct stat info;
    EXPECT_NE(0, stat("written.bat", &info));
}

TEST(Reinstall, ReinstallDeviceClearsTheNeedAndArmsTheConsoleStartWhenIdle) {
    ReinstallRig rig;
    rig.watch.SetConsoleMode(true);
    rig.watch.ReInstallDevice();
    EXPECT_EQ("status Re-Install Device Success", rig.view.log.back());
    EXPECT_TRUE(rig.view.Has("kill 155202"));
    EXPECT_EQ("ClearReInstall;", rig.Calls());
    EXPECT_EQ(1, rig.watch.autoStartArmed.load());
    EXPECT_EQ("Re-Install Device Success\n", rig.view.console);

    ReinstallRig failing;
    failing.launcher.starts = false;
    failing.watch.ReInstallDevice();
    EXPECT_EQ("status Re-Install Device Fail", failing.view.log.back());
    EXPECT_TRUE(failing.view.Has("kill 155202"));
    EXPECT_EQ("", failing.Calls());
    EXPECT_EQ(0, failing.watch.autoStartArmed.load());

    // After a failed settings load nothing may start a run.
    ReinstallRig unloaded;
    unloaded.watch.SetConsoleMode(true);
    unloaded.watch.SetTestAllowed(false);
    unloaded.watch.ReInstallDevice();
    EXPECT_EQ("status Re-Install Device Success", unloaded.view.log.back());
    EXPECT_EQ(0, unloaded.watch.autoStartArmed.load());
}

TEST(Reinstall, CheckTimerDecides) {
    struct Case {
        int type;
        bool running;
        bool reinstalled;
        bool deferred;
    } cases[] = {
        {9, false, true, false}, {9, true, false, true}, {4, false, false, false}, {6, false, false, false}};
    for (const Case& c : cases) {
        ReinstallRig rig;
        rig.api.needReinstall = 1;
        rig.api.type = c.type;
        rig.watch.OpenTouchDevice();
        rig.running = c.running;
        rig.watch.OnReinstallCheckTimer();
        EXPECT_EQ("kill 155205", rig.view.log.front());
        EXPECT_EQ(c.reinstalled, !rig.launcher.started.empty()) << c.type;
        EXPECT_EQ(c.deferred ? 1 : 0, rig.watch.deferredReinstall.load()) << c.type;
    }
}

TEST(Reinstall, CheckTimerStartsTheConsoleRunOnceOnTheFirstArrival) {
    ReinstallRig rig;
    rig.watch.SetConsoleMode(true);
    rig.watch.OnReinstallCheckTimer();
    rig.watch.OnReinstallCheckTimer();
    int starts = 0;
    for (const auto& e : rig.view.log)
        starts += e == "start 155204 1000";
    EXPECT_EQ(1, starts);
    EXPECT_EQ(0, rig.watch.firstArrival.load());
}

}  // namespace
}  // namespace vantro
