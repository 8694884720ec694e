// Creating a simulated panel's state folder from a description (key=value
// text, see docs/device-simulator.md), and the small changes tests and the
// panel tool make to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PanelState.h"
#include "StateFolder.h"

namespace portaq_sim {

const uint32_t kChipInfoAddress = 0xA000C004;
const uint32_t kSlaveCountOffset = 36;
const uint32_t kSensorBlockAddress = 0x5A000000;
const uint32_t kItoInfoAddress = 0x5A000003;
const uint32_t kRomAddress = 0xA0000000;

// Parses "12 ab 0x3C" (blank or comma separated, with or without 0x) into bytes.
bool ParseByteList(const std::string& text, std::vector<uint8_t>* bytes);

// Makes the folder (and its parents) and writes a fresh panel: settings,
// chip memories, plugged state, empty journal and counters.  Paths of ROM
// images in the description are relative to baseFolder when not absolute.
bool CreatePanel(const StateFolder& folder, const PanelState& description, const std::string& baseFolder,
                 std::string* error);

// Changes one key of panel.txt; setting a script.<function> or
// fail.<function>.* key restarts that function's call count, so that the
// script's first value applies to the next call.
bool SetPanelValue(const StateFolder& folder, const std::string& key, const std::string& value,
                   std::string* error);
bool SetChipBytes(const StateFolder& folder, int chip, uint32_t address, const std::vector<uint8_t>& bytes,
                  std::string* error);
bool ReadChipBytes(const StateFolder& folder, int chip, uint32_t address, uint32_t length,
                   std::vector<uint8_t>* bytes, std::string* error);

}  // namespace portaq_sim
