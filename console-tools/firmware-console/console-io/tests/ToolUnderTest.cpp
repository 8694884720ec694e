#include "ToolUnderTest.h"

#include "Journal.h"
#include "PanelCreator.h"
#include "StateFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace console_tools {

using namespace portaq_sim;

ToolRun RunTool(const std::string& program, const std::string& arguments) {
    test_support::ProgramStart start;
    start.application = BinFolder() + "\\" + program;
    start.commandLine = " " + arguments;
    start.output = test_support::ProgramStart::kPipes;
    return test_support::RunProgram(start);
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    test_support::ReadBytes(path, &bytes);
    return bytes;
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
