#include "vantro/FirmwareFiles.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

namespace vantro {

namespace {

#ifdef _WIN32
const char kPathSeparator = '\\';
#else
const char kPathSeparator = '/';
#endif

// The kinds GetCsvKind gives golden samples.
constexpr int kSelfGoldenKind = 2;
constexpr int kMutualGoldenKind = 8;

bool Fits(const std::string& path) {
    return path.size() < static_cast<size_t>(kOperationPathSize);
}

void CopyPath(char* to, const char* from) {
    std::snprintf(to, kOperationPathSize, "%s", from);
}

int EntryIndex(int kind, int interfaceByte) {
    return interfaceByte + kFirmwareInterfaceCount * kind;
}

}  // namespace

int FirmwareKindOf(int kindByte) {
    if (kindByte == 0)
        return 0;
    if (kindByte == 1 || kindByte == 11)
        return 1;
    if (kindByte >= 5 && kindByte <= 10)
        return kindByte - 3;
    return kUnassignedKind;
}

std::string JoinFolderPath(const char* folder, const std::string& name) {
    return std::string(folder) + kPathSeparator + name;
}

bool HasExtension(const std::string& name, const char* extension) {
    const size_t length = std::strlen(extension);
    if (name.size() < length)
        return false;
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[name.size() - length + i]);
        if (std::tolower(c) != std::tolower(static_cast<unsigned char>(extension[i])))
            return false;
    }
    return true;
}

int FirmwareFiles::ChipCount() const {
    return std::min(std::max(settings_.shared.chipCount, 1), kFirmwareSlotCount);
}

int FirmwareFiles::ClassifyFirmwareFile(const char* path) {
    if (!path || !Fits(path))
        return 0;
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return 0;
    unsigned char header[3];
    const bool read = std::fseek(file, kFirmwareHeaderOffset, SEEK_SET) == 0 &&
                      std::fread(header, 1, sizeof header, file) == sizeof header;
    std::fclose(file);
    // An entry beyond the table, or a header that is not there, names no chip.
    if (!read || header[0] >= kFirmwareInterfaceCount)
        return 0;
    const int interfaceByte = header[0];
    const int kindByte = header[1];
    const int kind = FirmwareKindOf(kindByte);
    if (kindByte == 0 || kindByte == 1 || kindByte == 11)
        firmware.slaveNumber = header[2] == kSlaveByteAnyCount ? ChipCount() - 1 : header[2];
    if (kindByte == 11)
        firmware.kind11 = true;
    FirmwareTableEntry& entry = firmware.table[EntryIndex(kind, interfaceByte)];
    if (++entry.count == 1)
        CopyPath(entry.path, path);
    else
        entry.path[0] = '\0';
    return interfaceByte;
}

int FirmwareFiles::ScanFolderFiles(const char* folder, const char* pattern, int& interfaceValue,
                                   char* lastPath) {
    const bool firmwareFiles = std::strcmp(pattern, "*.bin") == 0;
    const char* extension = firmwareFiles ? ".bin" : ".csv";
    std::vector<FolderEntry> entries;
    if (!settings_.folders.ListEntries(folder, entries))
        return 0;
    int count = 0;
    for (const FolderEntry& entry : entries) {
        if (entry.isFolder || entry.name == "." || entry.name == ".." || !HasExtension(entry.name, extension))
            continue;
        ++count;
        const std::string path = JoinFolderPath(folder, entry.name);
        // A cut path would name another file: such a file is counted only.
        const bool fits = Fits(path);
        if (lastPath)
            CopyPath(lastPath, fits ? path.c_str() : "");
        if (!fits) {
            if (firmwareFiles)
                interfaceValue = 0;
            continue;
        }
        if (firmwareFiles)
            interfaceValue = ClassifyFirmwareFile(path.c_str());
        else
            RegisterGoldenFile(path.c_str());
    }
    return count;
}

int FirmwareFiles::FindFirmwareFiles(int deviceType, int& interfaceValue) {
    for (auto& slot : firmware.slots)
        slot[0] = '\0';
    for (FirmwareTableEntry& entry : firmware.table)
        entry = FirmwareTableEntry();
    firmware.kind11 = false;

    char lastPath[kOperationPathSize] = "";
    const int count =
        ScanFolderFiles(settings_.stage.AutoFirmFile.c_str(), "*.bin", interfaceValue, lastPath);
    firmware.interfaceValue = interfaceValue;
    const int chips = ChipCount();
    if (count != chips)
        return kFileCountDiffers;
    if (firmware.slaveNumber + 1 != chips)
        return kSlaveNumberDiffers;

    auto entryPath = [this](int kind, int interfaceByte) -> const char* {
        if (kind >= kFirmwareKindCount)
            return "";  // no such slave kind: the entry counts as empty
        return firmware.table[EntryIndex(kind, interfaceByte)].path;
    };
    auto firstOf = [&](int kind, int interfaceByte, int fallbackInterface) -> const char* {
        const char* path = entryPath(kind, interfaceByte);
        return path[0] ? path : entryPath(kUnassignedKind, fallbackInterface);
    };

    switch (deviceType) {
        case 2:
        case 8:
        case 10:
        case 12:
            return kFilesChosen;  // these take no firmware file
        case 4:
        case 6:
        case 9:
        case 11:
            break;
        default:
            return kNoUsableFile;
    }
    const bool bridge = deviceType == 4 || deviceType == 6;
    if (bridge && chips > 1) {
        interfaceValue = 2;
        firmware.interfaceValue = 2;
    }
    for (int i = 0; i < chips; ++i) {
        char* slot = firmware.slots[i];
        if (bridge && chips == 1) {
            CopyPath(slot, lastPath);
        } else if (deviceType == 11) {
            CopyPath(slot, chips == 1 ? entryPath(0, 1) : "");
        } else if (chips == 1) {
            CopyPath(slot, firstOf(0, 2, 2));
        } else if (i == 0) {
            CopyPath(slot, firstOf(1, 2, 2));
        } else {
            CopyPath(slot, firstOf(1 + i, 1, 1));
        }
        if (slot[0] == '\0') {
            if (deviceType != 11)
                for (int j = 0; j < i; ++j)
                    firmware.slots[j][0] = '\0';
            return kNoUsableFile;
        }
    }
    return kFilesChosen;
}

void FirmwareFiles::FindGoldenFile() {
    state_.selfGoldenPath[0] = '\0';
    state_.mutualGoldenPath[0] = '\0';
    golden = GoldenCounts();
    int unused = 0;
    ScanFolderFiles(settings_.stage.AutoGoldenPath.c_str(), "*.csv", unused, nullptr);
}

void FirmwareFiles::RegisterGoldenFile(const char* path) {
    const int kind = openShort_.GetCsvKind(path);
    int* count = nullptr;
    char* target = nullptr;
    if (kind == kSelfGoldenKind) {
        count = &golden.self;
        target = state_.selfGoldenPath;
    } else if (kind == kMutualGoldenKind) {
        count = &golden.mutual;
        target = state_.mutualGoldenPath;
    } else {
        return;
    }
    if (++*count == 1)
        CopyPath(target, path);
    else
        target[0] = '\0';
}

void FirmwareFiles::TakeNamedFiles() {
    const StageInfo& stage = settings_.stage;
    for (int i = 0; i < kFirmwareSlotCount; ++i) {
        if (i < kGuiFirmFileCount) {
            std::memcpy(firmware.slots[i], stage.GUIFirmFile[i], kStagePathSize - 1);
            firmware.slots[i][kStagePathSize - 1] = '\0';
        } else {
            firmware.slots[i][0] = '\0';
        }
    }
    firmware.kind11 = false;
    firmware.interfaceValue = ClassifyFirmwareFile(firmware.slots[0]);
}

}  // namespace vantro
