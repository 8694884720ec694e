#include "OperationsRig.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace vantro {
namespace test {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string& path) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f)
        return false;
    fclose(f);
    return true;
}

void RecordingClock::Sleep(int ms) {
    sleeps.push_back(ms);
    openShortFileAtSleep.push_back(ReadText("openshort.ini"));
}

bool RenamingLogs::RenameResultFiles(char* path, int mark) {
    renames.push_back(std::string(path) + "|" + std::to_string(mark));
    if (fails) {
        snprintf(path, kOperationPathSize, "%s", "half-renamed.csv");
        return false;
    }
    const std::string renamed = std::string(path) + (mark == 0 ? ".pass" : ".fail");
    if (std::rename(path, renamed.c_str()) != 0)
        return false;
    snprintf(path, kOperationPathSize, "%s", renamed.c_str());
    return true;
}

void GoldenFirmware::FindGoldenFile() {
    journal.push_back("golden search");
    snprintf(state_.mutualGoldenPath, kOperationPathSize, "%s", mutualFound.c_str());
    snprintf(state_.selfGoldenPath, kOperationPathSize, "%s", selfFound.c_str());
}

void RecordingDisplay::AppendHardCalibrationFail(char* comment) {
    calls.push_back(std::string("hard calibration fail|") + comment);
}
void RecordingDisplay::AppendSelfNgList(char* comment) {
    calls.push_back(std::string("self NG list|") + comment);
}
void RecordingDisplay::AppendMutualNgList(char* comment) {
    calls.push_back(std::string("mutual NG list|") + comment);
}

namespace {

void MakeFolder(const char* name) {
#ifdef _WIN32
    mkdir(name);
#else
    mkdir(name, 0777);
#endif
}

}  // namespace

OperationsRig::OperationsRig() {
    MakeFolder("TestLogs");
    MakeFolder("GoldenSample");
    for (const char* file : {kMutualResultFile, kSelfResultFile}) {
        remove(file);
        remove((std::string(file) + ".pass").c_str());
        remove((std::string(file) + ".fail").c_str());
    }
    WriteFile("names.ini", "[OpenShort]\nUserSetIni=userset.ini\nOpenShortCmd=Halvorn.exe\n"
                           "[Item0]\nOpenShortFile=openshort.ini\nThresholdFile=threshold.ini\n");
    WriteFile("openshort.ini",
              "[MODE]\nCurrentMode=9\n[AutoModeInfo]\nSlaveNO=9\nhasCalibration=9\nTitle=\nITO=\nFwId=\n"
              "LoadGoldenPath=\nenableLoadSample=\nSaveResultPath=\n");
    names = IniLoad("names.ini");
    settings.settings.OpenShort.UserSetIni = IniGetText(names, "OpenShort", "UserSetIni");
    settings.settings.OpenShort.OpenShortCmd = IniGetText(names, "OpenShort", "OpenShortCmd");
    settings.stage.OpenShortFile = IniGetText(names, "Item0", "OpenShortFile");
    settings.stage.ThresholdFile = IniGetText(names, "Item0", "ThresholdFile");
    settings.stage.openShortIni = IniLoad("openshort.ini");
    settings.settings.OpenShort.MutualTestTimeout = 30000;
    settings.settings.OpenShort.SelfTestTimeout = 20000;
    settings.settings.OpenShort.PreMutDelay = 300;
    settings.settings.OpenShort.PreSelfDelay = 200;
    settings.settings.General.FixLogPath = 1;
    settings.settings.InitMod.ShowMutResult = 1;
    settings.settings.InitMod.AIO = 1;
    launcher.program = "Halvorn.exe";
    launcher.processId = 4242;
    launcher.atStart = [this] {
        openShortFileAtStart.push_back(ReadText("openshort.ini"));
        journal.push_back("start");
    };
    context.showStepStatus = [this](const char* text) { journal.push_back(std::string("status ") + text); };
}

OperationsRig::~OperationsRig() {
    IniFree(settings.stage.openShortIni);
    settings.stage.openShortIni = nullptr;
    IniFree(names);
}

void OperationsRig::Script(uint32_t exitCode, const std::string& file, const std::string& text) {
    launcher.script = LauncherScript();
    launcher.script.exitCode = exitCode;
    launcher.script.file = file;
    launcher.script.bytes = text;
}

StepOutcome OperationsRig::Call(const std::function<StepOutcome(OpenShortOperations&, StepCall&)>& run) {
    snprintf(message, sizeof message, "%s", "left over");
    StepCall call;
    call.message = message;
    call.step = 3;
    call.comment = comment;
    call.mutualRetryArmed = armed;
    return run(operations, call);
}

std::string ValidMutualText(bool goldenTables) {
    MutualFile f;
    f.golden = goldenTables;
    return MutualText(f);
}

std::string ValidSelfText() {
    SelfFile f;
    f.header.layoutRow = "Channel,Cycle,Clk,Volt,Status,x";
    return SelfText(f);
}

}  // namespace test
}  // namespace vantro
