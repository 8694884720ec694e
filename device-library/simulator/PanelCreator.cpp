#include "PanelCreator.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "ChipMemory.h"
#include "portaq/DeviceTypes.h"

namespace portaq_sim {

namespace {

const char kDefaultPath[] =
    "\\\\?\\hid#vid_b7c4&pid_0101&col02#7&1a2b3c4d&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030}";

// Keys of the description that shape the chip memories rather than panel.txt.
bool IsCreationKey(const std::string& key) {
    return key == "firmware_id" || key == "slave_count" || key == "plugged" ||
           (key.compare(0, 4, "chip") == 0 && key.find('.') != std::string::npos);
}

bool Fail(std::string* error, const std::string& text) {
    if (error)
        *error = text;
    return false;
}

}  // namespace

bool ParseByteList(const std::string& text, std::vector<uint8_t>* bytes) {
    bytes->clear();
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (std::isspace(static_cast<unsigned char>(text[pos])) || text[pos] == ','))
            ++pos;
        if (pos >= text.size())
            break;
        size_t end = pos;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) && text[end] != ',')
            ++end;
        std::string token = text.substr(pos, end - pos);
        if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X'))
            token = token.substr(2);
        if (token.empty() || token.size() > 2)
            return false;
        for (char c : token)
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                return false;
        bytes->push_back(static_cast<uint8_t>(std::stoul(token, nullptr, 16)));
        pos = end;
    }
    return true;
}

bool CreatePanel(const StateFolder& folder, const PanelState& description, const std::string& baseFolder,
                 std::string* error) {
    std::error_code code;
    std::filesystem::create_directories(folder.Path(), code);
    if (code)
        return Fail(error, "cannot create folder " + folder.Path());

    int64_t chips = description.GetInt("chips", 1);
    if (chips < 1 || chips > kMaxChips)
        return Fail(error, "chips must be 1 to 10");

    PanelState panel;
    panel.SetInt("device_type", 9);
    panel.Set("path", kDefaultPath);
    panel.Set("vid", "0xB7C4");
    panel.Set("pid", "0x0101");
    panel.SetInt("chips", chips);
    panel.SetInt("need_reinstall", 0);
    panel.SetInt("packet_length", kDevicePacketSize);
    panel.SetInt("calibration_status", 1);
    panel.SetInt("open_result", 1);
    panel.SetInt("report_result", 1);
    panel.SetInt("raw_mode_result", 0);
    for (const auto& entry : description.Entries())
        if (!IsCreationKey(entry.first))
            panel.Set(entry.first, entry.second);

    std::vector<ChipMemory> memories(kMaxChips);
    for (int chip = 0; chip < kMaxChips; ++chip) {
        std::string prefix = "chip" + std::to_string(chip) + ".";
        ChipMemory& memory = memories[chip];
        std::string rom = description.Get(prefix + "rom");
        if (!rom.empty()) {
            std::filesystem::path romPath(rom);
            if (romPath.is_relative() && !baseFolder.empty())
                romPath = std::filesystem::path(baseFolder) / romPath;
            std::string image;
            if (!ReadWholeFile(romPath.string(), &image))
                return Fail(error, "cannot read ROM image " + romPath.string());
            if (image.size() > 0x100000)
                return Fail(error, "ROM image larger than 1 MB: " + romPath.string());
            memory.WriteBytes(kRomAddress, std::vector<uint8_t>(image.begin(), image.end()));
        }
        // Sensor block: width in byte 1, height in byte 2; ITO information in
        // the third byte of the word at 0x5A000003.
        if (chip < chips || description.Has(prefix + "width")) {
            memory.WriteBytes(kSensorBlockAddress + 0,
                              {0x00, static_cast<uint8_t>(description.GetInt(prefix + "width", 20)),
                               static_cast<uint8_t>(description.GetInt(prefix + "height", 12))});
            std::vector<uint8_t> ito = {0x00, 0x00,
                                        static_cast<uint8_t>(description.GetInt(prefix + "ito_info", 0x03))};
            memory.WriteBytes(kItoInfoAddress, ito);
        }
        for (const auto& entry : description.Entries()) {
            const std::string setPrefix = prefix + "set.";
            if (entry.first.compare(0, setPrefix.size(), setPrefix) != 0)
                continue;
            int64_t address = 0;
            std::vector<uint8_t> bytes;
            if (!ParseNumber(entry.first.substr(setPrefix.size()), &address) || address < 0 ||
                address > 0xFFFFFFFFll || !ParseByteList(entry.second, &bytes))
                return Fail(error, "bad byte setting " + entry.first);
            memory.WriteBytes(static_cast<uint32_t>(address), bytes);
        }
    }
    // The master's chip information block: firmware id and slave count.
    ChipMemory& master = memories[0];
    bool hasRom = description.Has("chip0.rom");
    if (!hasRom || description.Has("firmware_id")) {
        std::vector<uint8_t> id;
        if (!ParseByteList(description.Get("firmware_id", "51 50 00 01 00 00 00 00 00 00 00 00"), &id) ||
            id.size() > 12)
            return Fail(error, "firmware_id must be up to 12 bytes");
        id.resize(12, 0);
        master.WriteBytes(kChipInfoAddress, id);
    }
    if (!hasRom || description.Has("slave_count")) {
        int64_t slaves = description.GetInt("slave_count", chips - 1);
        master.WriteBytes(kChipInfoAddress + kSlaveCountOffset, {static_cast<uint8_t>(slaves)});
    }

    for (int chip = 0; chip < kMaxChips; ++chip)
        if (!folder.SaveChip(chip, memories[chip], error))
            return false;
    if (!folder.SavePanel(panel, error))
        return false;
    if (!folder.SaveCounters(PanelState(), error))
        return false;
    if (!folder.ClearJournal(error))
        return false;
    return folder.SetPlugged(description.GetInt("plugged", 1) != 0, error);
}

bool SetPanelValue(const StateFolder& folder, const std::string& key, const std::string& value,
                   std::string* error) {
    PanelState panel;
    if (!folder.LoadPanel(&panel, error))
        return false;
    if (value.empty())
        panel.Erase(key);
    else
        panel.Set(key, value);
    if (!folder.SavePanel(panel, error))
        return false;
    std::string function;
    if (key.compare(0, 7, "script.") == 0)
        function = key.substr(7);
    if (key.compare(0, 5, "fail.") == 0)
        function = key.substr(5, key.find('.', 5) - 5);
    if (function.empty())
        return true;
    PanelState counters;
    if (!folder.LoadCounters(&counters, error))
        counters = PanelState();
    counters.Erase(function);
    return folder.SaveCounters(counters, error);
}

bool SetChipBytes(const StateFolder& folder, int chip, uint32_t address, const std::vector<uint8_t>& bytes,
                  std::string* error) {
    if (chip < 0 || chip >= kMaxChips)
        return Fail(error, "chip must be 0 to 9");
    ChipMemory memory;
    if (!folder.LoadChip(chip, &memory, error))
        return false;
    memory.WriteBytes(address, bytes);
    return folder.SaveChip(chip, memory, error);
}

bool ReadChipBytes(const StateFolder& folder, int chip, uint32_t address, uint32_t length,
                   std::vector<uint8_t>* bytes, std::string* error) {
    if (chip < 0 || chip >= kMaxChips)
        return Fail(error, "chip must be 0 to 9");
    ChipMemory memory;
    if (!folder.LoadChip(chip, &memory, error))
        return false;
    *bytes = memory.Read(address, length);
    return true;
}

}  // namespace portaq_sim
