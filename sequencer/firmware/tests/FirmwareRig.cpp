#include "FirmwareRig.h"

#include <filesystem>

namespace vantro {
namespace firmware_test {

namespace {

struct ScriptedProcess : StartedProcess {
    ScriptedProcess(ToolReply reply, Journal& journal) : reply(std::move(reply)), journal(journal) {}
    uint32_t ProcessId() const override { return 77; }
    uint32_t Wait(uint32_t timeoutMs) override {
        journal.push_back("wait " + std::to_string(timeoutMs));
        return reply.wait;
    }
    uint32_t ExitCode() override { return static_cast<uint32_t>(reply.exitCode); }
    void Terminate() override {}
    ToolReply reply;
    Journal& journal;
};

}  // namespace

bool ScriptedLauncher::FileExists(const std::string& path) {
    return replies.count(path) != 0 || test_support::Exists(path);
}

std::unique_ptr<StartedProcess> ScriptedLauncher::Start(const std::string& exe,
                                                        const std::string& arguments) {
    ToolReply reply;
    auto found = replies.find(exe);
    if (found != replies.end() && !found->second.empty()) {
        reply = found->second.front();
        if (found->second.size() > 1)
            found->second.pop_front();
    }
    if (!reply.starts)
        return nullptr;
    calls.push_back({exe, arguments, 0});
    journal_.push_back("run " + exe + "|" + arguments);
    for (const auto& file : reply.writes)
        test_support::WriteBytes(file.first, file.second);
    if (reply.during)
        reply.during();
    return std::unique_ptr<StartedProcess>(new ScriptedProcess(reply, journal_));
}

std::vector<ToolCall> ScriptedLauncher::CallsOf(const std::string& exe) const {
    std::vector<ToolCall> of;
    for (const ToolCall& call : calls)
        if (call.exe == exe)
            of.push_back(call);
    return of;
}

bool StationSystem::ListEntries(const char* folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        entries.push_back({entry.path().filename().string(), entry.is_directory()});
    return !error;
}

int KindsByName::GetCsvKind(const char* path) {
    const std::string name = path;
    if (name.find("self") != std::string::npos)
        return 2;
    if (name.find("mutual") != std::string::npos)
        return 8;
    return 9;
}

std::string FirmwareBytes(int interfaceByte, int kindByte, int slaveByte, size_t size) {
    std::string bytes(size, '\0');
    const int header[] = {interfaceByte, kindByte, slaveByte};
    for (size_t i = 0; i < 3; ++i)
        if (kFirmwareHeaderOffset + i < size)
            bytes[kFirmwareHeaderOffset + i] = static_cast<char>(header[i]);
    return bytes;
}

void MakeFolder(const std::string& path) {
    std::filesystem::create_directories(path);
}

std::string Native(const std::string& path) {
#ifdef _WIN32
    std::string native = path;
    for (char& c : native)
        if (c == '/')
            c = '\\';
    return native;
#else
    return path;
#endif
}

void PutFirmware(const std::string& path, int interfaceByte, int kindByte, int slaveByte, size_t size) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty())
        MakeFolder(parent.string());
    test_support::WriteBytes(path, FirmwareBytes(interfaceByte, kindByte, slaveByte, size));
}

FirmwareTest::FirmwareTest() {
    context.showStepStatus = [this](const char* text) {
        journal.push_back(std::string("step status ") + text);
    };
    SetText(settings.stage.AutoFirmFile, "fw");
    SetText(settings.stage.AutoGoldenPath, "golden");
}

void FirmwareTest::SetText(IniText& text, const std::string& value) {
    texts_.push_back(IniValue{value});
    text = IniText(&texts_.back());
}

Journal FirmwareTest::Only(const std::string& prefix) const {
    Journal only;
    for (const std::string& entry : journal)
        if (entry.compare(0, prefix.size(), prefix) == 0)
            only.push_back(entry);
    return only;
}

StepCall FirmwareTest::Call(char* message) {
    StepCall call;
    call.message = message;
    return call;
}

}  // namespace firmware_test
}  // namespace vantro
