// A start-up run in a fresh folder against the fakes.
#pragma once

#include "trelliq/IniFile.h"
#include "StartupFakes.h"
#include "TestFiles.h"
#include "trelliq/TouchTestStartup.h"

namespace trelliq {

class StartupTest : public testfiles::FreshFolderTest {
protected:
    void TearDown() override {
        IniFileFree(IniDictionary);
        FreshFolderTest::TearDown();
    }
    StartupOutcome Run() {
        testing::internal::CaptureStdout();
        StartupOutcome outcome = RunTouchTestStartup(config, seams);
        printed = testing::internal::GetCapturedStdout();
        return outcome;
    }

    FakeTouchDevice device;
    RecordingMessages messages;
    FixedDesktop desktop;
    StartupSeams seams{device, messages, desktop};
    TouchTestConfig config;
    std::string printed;
};

}  // namespace trelliq
