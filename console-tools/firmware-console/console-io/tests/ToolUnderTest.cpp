#include "ToolUnderTest.h"

#include "Journal.h"
#include "PanelCreator.h"
#include "StateFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace console_tools {

using namespace portaq_sim;

std::string BinFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self(path, length);
    return self.substr(0, self.find_last_of('\\'));
}

namespace {

std::string drain(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

}  // namespace

ToolRun RunTool(const std::string& program, const std::string& arguments) {
    ToolRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    if (!CreatePipe(&outRead, &outWrite, &inherit, 1 << 20) ||
        !CreatePipe(&errRead, &errWrite, &inherit, 1 << 20))
        return run;
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

    const std::string application = BinFolder() + "\\" + program;
    std::string commandLine = " " + arguments;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(application.c_str(), line.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (started) {
        run.out = drain(outRead);
        run.err = drain(errRead);
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(outRead);
    CloseHandle(errRead);
    return run;
}

std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, &bytes);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

SimulatedPanel::SimulatedPanel(const std::string& description) {
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    folder_ = std::string(cwd) + "\\panel-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    PanelState panel;
    std::string error;
    EXPECT_TRUE(panel.Parse(description, &error)) << error;
    EXPECT_TRUE(CreatePanel(StateFolder(folder_), panel, cwd, &error)) << error;
    SetEnvironmentVariableA(kStateFolderVariable, folder_.c_str());
}

SimulatedPanel::~SimulatedPanel() {
    SetEnvironmentVariableA(kStateFolderVariable, nullptr);
}

void SimulatedPanel::set(const std::string& key, const std::string& value) {
    std::string error;
    EXPECT_TRUE(SetPanelValue(StateFolder(folder_), key, value, &error)) << error;
}

void SimulatedPanel::setBytes(int chip, std::uint32_t address, const std::vector<std::uint8_t>& bytes) {
    std::string error;
    EXPECT_TRUE(SetChipBytes(StateFolder(folder_), chip, address, bytes, &error)) << error;
}

std::vector<std::uint8_t> SimulatedPanel::bytes(int chip, std::uint32_t address, std::uint32_t length) const {
    std::vector<std::uint8_t> out;
    std::string error;
    EXPECT_TRUE(ReadChipBytes(StateFolder(folder_), chip, address, length, &out, &error)) << error;
    return out;
}

std::uint32_t SimulatedPanel::word(int chip, std::uint32_t address) const {
    ChipMemory memory;
    std::string error;
    EXPECT_TRUE(StateFolder(folder_).LoadChip(chip, &memory, &error)) << error;
    return memory.Word(address);
}

std::vector<std::string> SimulatedPanel::calls() const {
    return JournalCalls(ReadJournal(StateFolder(folder_).JournalPath()));
}

std::vector<int> SimulatedPanel::chips() const {
    std::vector<int> chips;
    for (const JournalEntry& entry : ReadJournal(StateFolder(folder_).JournalPath()))
        chips.push_back(entry.chip);
    return chips;
}

}  // namespace console_tools
