#include "FirmwareRig.h"

#include <filesystem>

namespace vantro {
namespace firmware_test {

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
    // Only the tools with replies exist.
    launcher.programFound = false;
    launcher.processId = 77;
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

void FirmwareTest::ThreeChips() {
    Chips(3);
    PutFirmware("fw/m.bin", 2, 1, 2);
    PutFirmware("fw/a.bin", 1, 5, 0);
    PutFirmware("fw/b.bin", 1, 6, 0);
}

std::vector<std::string> FirmwareTest::ArgumentsOf(const std::string& exe) const {
    std::vector<std::string> arguments;
    for (const LauncherStart& call : launcher.StartsOf(exe))
        arguments.push_back(call.arguments);
    return arguments;
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
