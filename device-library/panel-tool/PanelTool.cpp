#include "PanelTool.h"

#include <cstdio>
#include <filesystem>

#include "Journal.h"
#include "PanelCreator.h"

namespace portaq_sim {

namespace {

const char kUsage[] =
    "usage: portaq-panel <command> <state folder> ...\n"
    "  create <folder> <description file | ->  new panel from a description (- = defaults)\n"
    "  plug <folder> | unplug <folder>           attach or detach the panel\n"
    "  set <folder> <key> [value]                change panel.txt (no value: remove the key)\n"
    "  set-bytes <folder> <chip> <address> <bytes...>   write bytes (hex) into a chip\n"
    "  read <folder> <chip> <address> <length>   print bytes of a chip\n"
    "  journal <folder>                          print the journal\n"
    "  clear-journal <folder>                    empty the journal\n";

bool ParseAddress(const std::string& text, uint32_t* value) {
    int64_t number = 0;
    std::string hex = text;
    if (hex.compare(0, 2, "0x") != 0 && hex.compare(0, 2, "0X") != 0)
        hex = "0x" + hex;
    if (!ParseNumber(hex, &number) || number < 0 || number > 0xFFFFFFFFll)
        return false;
    *value = static_cast<uint32_t>(number);
    return true;
}

}  // namespace

int RunPanelTool(const std::vector<std::string>& args, std::string* out, std::string* err) {
    if (args.size() < 2) {
        *err += kUsage;
        return 2;
    }
    const std::string& command = args[0];
    StateFolder folder(args[1]);
    std::string error;
    bool ok = false;
    if (command == "create" && args.size() == 3) {
        PanelState description;
        std::string base;
        if (args[2] != "-") {
            std::string text;
            if (!ReadWholeFile(args[2], &text)) {
                *err += "cannot read " + args[2] + "\n";
                return 1;
            }
            if (!description.Parse(text, &error)) {
                *err += args[2] + ": " + error + "\n";
                return 1;
            }
            base = std::filesystem::path(args[2]).parent_path().string();
        }
        ok = CreatePanel(folder, description, base, &error);
    } else if ((command == "plug" || command == "unplug") && args.size() == 2) {
        ok = folder.SetPlugged(command == "plug", &error);
    } else if (command == "set" && (args.size() == 3 || args.size() == 4)) {
        ok = SetPanelValue(folder, args[2], args.size() == 4 ? args[3] : "", &error);
    } else if (command == "set-bytes" && args.size() >= 5) {
        int64_t chip = 0;
        uint32_t address = 0;
        std::vector<uint8_t> bytes;
        std::string list;
        for (size_t i = 4; i < args.size(); ++i)
            list += args[i] + " ";
        if (!ParseNumber(args[2], &chip) || !ParseAddress(args[3], &address) ||
            !ParseByteList(list, &bytes)) {
            *err += kUsage;
            return 2;
        }
        ok = SetChipBytes(folder, static_cast<int>(chip), address, bytes, &error);
    } else if (command == "read" && args.size() == 5) {
        int64_t chip = 0;
        int64_t length = 0;
        uint32_t address = 0;
        if (!ParseNumber(args[2], &chip) || !ParseAddress(args[3], &address) ||
            !ParseNumber(args[4], &length) || length < 0 || length > 0x100000) {
            *err += kUsage;
            return 2;
        }
        std::vector<uint8_t> bytes;
        ok = ReadChipBytes(folder, static_cast<int>(chip), address, static_cast<uint32_t>(length), &bytes,
                           &error);
        for (size_t i = 0; ok && i < bytes.size(); ++i) {
            char text[8];
            std::snprintf(text, sizeof text, "%02X%s", bytes[i],
                          (i % 16 == 15 || i + 1 == bytes.size()) ? "\n" : " ");
            *out += text;
        }
    } else if (command == "journal" && args.size() == 2) {
        std::string text;
        ok = true;
        if (ReadWholeFile(folder.JournalPath(), &text))
            *out += text;
    } else if (command == "clear-journal" && args.size() == 2) {
        ok = folder.ClearJournal(&error);
    } else {
        *err += kUsage;
        return 2;
    }
    if (!ok) {
        *err += "portaq-panel: " + error + "\n";
        return 1;
    }
    return 0;
}

}  // namespace portaq_sim
