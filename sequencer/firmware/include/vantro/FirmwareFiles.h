// The firmware file of every chip, chosen from the stage's firmware folder by
// the three header bytes of each file and the device type, and the stage's
// golden-sample files found in its golden folder.
#pragma once

#include "vantro/OperationContext.h"

namespace vantro {

constexpr int kFirmwareSlotCount = 10;
constexpr int kFirmwareKindCount = 10;  // 0 single chip, 1 master, 2-7 slaves 1-6, 9 unassigned
constexpr int kFirmwareInterfaceCount = 3;
constexpr int kFirmwareTableSize = kFirmwareKindCount * kFirmwareInterfaceCount;
constexpr int kUnassignedKind = 9;
// Interface byte, kind byte and slave byte.
constexpr long kFirmwareHeaderOffset = 0xC026;
constexpr int kSlaveByteAnyCount = 0xFF;

// Results of FindFirmwareFiles.
constexpr int kFilesChosen = 0;
constexpr int kFileCountDiffers = -1;
constexpr int kNoUsableFile = -2;
constexpr int kSlaveNumberDiffers = -3;

// The kind a firmware file is for, from its kind byte.
int FirmwareKindOf(int kindByte);

struct FirmwareTableEntry {
    int count = 0;
    char path[kOperationPathSize] = "";  // the first such file; a second one empties it
};

struct FirmwareState {
    char slots[kFirmwareSlotCount][kOperationPathSize] = {};
    FirmwareTableEntry table[kFirmwareTableSize];
    int slaveNumber = 0;     // from the last single-chip or master header
    int interfaceValue = 0;  // the interface byte of the last file read
    bool kind11 = false;     // a kind byte of 11 was read
};

// How many files of each kind the golden folder held (the paths are the
// operations state's).
struct GoldenCounts {
    int self = 0;
    int mutual = 0;
};

// The folder, its separator and the name (a backslash on Windows).
std::string JoinFolderPath(const char* folder, const std::string& name);

// True for "*.bin" (or "*.csv") names in any letter case.
bool HasExtension(const std::string& name, const char* extension);

class FirmwareFiles {
public:
    FirmwareFiles(SettingsContext& settings, OperationsState& state, OpenShortServices& openShort)
        : settings_(settings), state_(state), openShort_(openShort) {}

    // Reads the header and enters the file into the table; 0 when the file
    // cannot be opened, its header is short, its interface byte is above 2 or
    // its path is too long for a slot (nothing entered).
    int ClassifyFirmwareFile(const char* path);
    // pattern "*.bin" classifies every file found, "*.csv" registers it as a
    // golden sample.  lastPath (kOperationPathSize) gets the last file found
    // ("" when its path would not fit).  Returns the count.
    int ScanFolderFiles(const char* folder, const char* pattern, int& interfaceValue, char* lastPath);
    // Fills the slots from the stage's firmware folder: kFilesChosen,
    // kFileCountDiffers, kNoUsableFile or kSlaveNumberDiffers.
    int FindFirmwareFiles(int deviceType, int& interfaceValue);
    // Empties both golden paths and counts, then scans the stage's golden folder.
    void FindGoldenFile();
    void RegisterGoldenFile(const char* path);
    // FirmSettingByGUI 1: slots 0-4 from the stage's named files, 5-9 empty,
    // the kind-11 flag cleared and slot 0 classified.
    void TakeNamedFiles();

    FirmwareState firmware;
    GoldenCounts golden;

private:
    int ChipCount() const;

    SettingsContext& settings_;
    OperationsState& state_;
    OpenShortServices& openShort_;
};

}  // namespace vantro
