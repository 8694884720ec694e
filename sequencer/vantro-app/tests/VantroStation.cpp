#include "VantroStation.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "PanelCreator.h"
#include "PanelState.h"
#include "StateFolder.h"
#include "test_support/ProgramRun.h"
#include "test_support/TestFiles.h"

namespace {

using test_support::ReadBytes;

std::string RemoveKeyFrom(const std::string& text, const std::string& section, const std::string& key) {
    size_t start = text.find("[" + section + "]\n");
    if (start == std::string::npos)
        return text;
    size_t next = text.find("\n[", start + 1);
    size_t at = text.find("\n" + key + "=", start);
    if (at == std::string::npos || (next != std::string::npos && at > next))
        return text;
    size_t end = text.find('\n', at + 1);
    return text.substr(0, at) + text.substr(end);
}

void DeleteTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = folder + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // a read-only fixture too
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

struct VisibleSearch {
    DWORD processId;
    const char* caption;
    HWND found;
};

BOOL CALLBACK VisitDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<VisibleSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId)
        return TRUE;
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770")
        return TRUE;
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    if (search->caption && std::string(text).find(search->caption) == std::string::npos)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindProcessDialog(DWORD processId, const char* caption) {
    VisibleSearch search{processId, caption, nullptr};
    EnumWindows(VisitDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

VantroStation::VantroStation(const std::string& name) {
    char cwd[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, cwd);
    folder_ = std::string(cwd) + "\\" + name;
    DeleteTree(folder_);
    CreateDirectoryA(folder_.c_str(), nullptr);
    for (const char* file :
         {"config.ini", "MPSet.ini", "userset.ini", "openshort.ini", "threshold.ini", "LinearConfig.ini"})
        files_[file] = ReadBytes(std::string(SUITE_TEST_DATA_DIR) + "\\" + file);
}

void VantroStation::Remove(const std::string& file, const std::string& section, const std::string& key) {
    files_[file] = RemoveKeyFrom(files_[file], section, key);
}

void VantroStation::Set(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    std::string text = RemoveKeyFrom(files_[file], section, key);
    const std::string header = "[" + section + "]\n";
    size_t start = text.find(header);
    if (start == std::string::npos) {
        text += header + key + "=" + value + "\n";
    } else {
        text.insert(start + header.size(), key + "=" + value + "\n");
    }
    files_[file] = text;
}

void VantroStation::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(Path(name), std::ios::binary);
    out << bytes;
    out.close();
    // A station file that did not land would make the run test something else.
    ASSERT_FALSE(out.fail()) << "cannot write " << Path(name);
}

void VantroStation::OfferSteps(const std::vector<std::string>& steps) {
    Set("MPSet.ini", "OperationList", "OperationNO", std::to_string(steps.size()));
    for (size_t i = 0; i < steps.size(); ++i)
        Set("MPSet.ini", "OperationList", "Operation" + std::to_string(i + 1), steps[i]);
}

void VantroStation::SetSteps(int item, const std::vector<std::string>& steps) {
    const std::string section = "Item" + std::to_string(item);
    Set("config.ini", section, "OperationNO", std::to_string(steps.size()));
    for (size_t i = 0; i < steps.size(); ++i)
        Set("config.ini", section, "Operation" + std::to_string(i + 1), steps[i]);
}

VantroStation VantroStation::ConsoleRun(const std::string& name, const std::vector<std::string>& steps) {
    VantroStation station(name);
    station.Set("MPSet.ini", "InitMod", "showConslResult", "0");
    station.Set("MPSet.ini", "General", "FixLogPath", "1");
    station.OfferSteps(steps);
    station.SetSteps(0, steps);
    return station;
}

void VantroStation::SetPanel(const std::string& key, const std::string& value) {
    panelKeys_ += key + "=" + value + "\n";
}

bool VantroStation::CopyTool(const std::string& program, const std::string& name) const {
    const std::string bin = std::string(VANTRO_BIN_DIR) + "\\";
    bool copied = CopyFileA((bin + program).c_str(), Path("dev\\" + name).c_str(), FALSE) != 0;
    for (const char* library : {"Portaq.dll", "Pelliton.dll"})
        copied =
            CopyFileA((bin + library).c_str(), Path(std::string("dev\\") + library).c_str(), FALSE) && copied;
    return copied;
}

bool VantroStation::StandIn(const std::string& tool, const std::string& script) const {
    const bool copied = CopyTool("standins\\" + tool, tool);
    WriteFile("dev\\" + tool.substr(0, tool.rfind('.')) + ".script", script);
    return copied;
}

bool VantroStation::BarcodeScannerReading(const std::string& length) const {
    WriteFile("barcode.ini",
              "[ScanBarcode]\r\nBarcodeLength=" + length + "\r\nTimeout=3\r\nBcdAuto=1\r\nBcdManu=0\r\n");
    return StandIn("BarcodeScanner.exe", "write barcode.txt PASS\\r\\nSN-0042\nexit 0\n");
}

void VantroStation::Prepare(bool plugged) {
    for (const auto& file : files_)
        WriteFile(file.first, file.second);
    portaq_sim::PanelState description;
    std::string error;
    description.Parse(ReadBytes(std::string(SUITE_TEST_DATA_DIR) + "\\vantro-panel.txt") + panelKeys_ +
                          (plugged ? "plugged=1\n" : "plugged=0\n"),
                      &error);
    portaq_sim::CreatePanel(portaq_sim::StateFolder(Path("panel")), description, folder_, &error);
    CreateDirectoryA(Path("dev").c_str(), nullptr);
    const std::string standins = std::string(VANTRO_BIN_DIR) + "\\standins\\";
    for (const char* tool : {"devcon_Win7.exe", "devcon_Win8_32bit.exe", "devcon_Win8_64bit.exe"})
        CopyFileA((standins + tool).c_str(), Path(std::string("dev\\") + tool).c_str(), FALSE);
    CopyFileA((standins + "devcon_Win7.exe").c_str(), Path("dev\\viewer.exe").c_str(), FALSE);
}

VantroRun VantroStation::Run(DWORD timeoutMs, void (*onStarted)(DWORD, void*), void* context) {
    SetEnvironmentVariableA("PORTAQ_SIM_DIR", Path("panel").c_str());
    SetEnvironmentVariableA("NORQ_STANDIN_DIR", Path("dev").c_str());
    SetEnvironmentVariableA("VANTRO_CONSOLE_COPY", "console.txt");
    test_support::ProgramStart start;
    start.application = std::string(VANTRO_BIN_DIR) + "\\Vantro.exe";
    start.commandLine = "\"" + start.application + "\"";
    start.folder = folder_;
    start.flags = DETACHED_PROCESS;
    VantroRun run;
    test_support::Program vantro(start);
    if (!vantro.started())
        return run;
    DWORD begin = GetTickCount();
    if (onStarted)
        onStarted(vantro.processId(), context);
    while (!vantro.Wait(50)) {
        HWND dialog = FindProcessDialog(vantro.processId(), "Vantro");
        if (dialog && IsWindowVisible(dialog))
            run.everVisible = true;
        if (GetTickCount() - begin > timeoutMs) {
            vantro.Terminate(99);
            break;
        }
    }
    run.milliseconds = GetTickCount() - begin;
    run.ended = vantro.Wait(5000);
    run.exitCode = vantro.ExitCode();
    return run;
}

std::string VantroStation::Read(const std::string& name) const {
    return ReadBytes(Path(name));
}

bool VantroStation::Exists(const std::string& name) const {
    return GetFileAttributesA(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<portaq_sim::JournalEntry> VantroStation::PanelCalls(const std::string& callStart) const {
    std::vector<portaq_sim::JournalEntry> calls;
    for (const portaq_sim::JournalEntry& entry : portaq_sim::ReadJournal(Path("panel\\journal.txt")))
        if (entry.call.compare(0, callStart.size(), callStart) == 0)
            calls.push_back(entry);
    return calls;
}
