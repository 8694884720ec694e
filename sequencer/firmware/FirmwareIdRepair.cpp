#include "vantro/FirmwareIdRepair.h"

#include <cstdio>
#include <cstring>

#include "vantro/FirmwareOperations.h"

namespace vantro {

namespace {

constexpr size_t kVersionStart = 31;

// The three version digits, or false when the id is too short for them.
bool ReadVersion(const char* id, unsigned (&digits)[3]) {
    if (!id)
        return false;
    const size_t length = strnlen(id, kFirmwareIdSize);
    if (length <= kVersionStart)
        return false;
    char tail[kFirmwareIdSize];
    std::snprintf(tail, sizeof tail, "%.*s", static_cast<int>(length - kVersionStart), id + kVersionStart);
    return std::sscanf(tail, "%01X %01X%01X&", &digits[0], &digits[1], &digits[2]) == 3;
}

const char* FromLineStart(const char* id) {
    return id && strnlen(id, kFirmwareIdSize) > static_cast<size_t>(kFirmwareIdLineStart)
               ? id + kFirmwareIdLineStart
               : "";
}

}  // namespace

bool CompareFirmwareVersion(const char* fileId, const char* romId) {
    unsigned a[3], b[3];
    if (!ReadVersion(fileId, a) || !ReadVersion(romId, b))
        return false;
    for (int digit : {1, 2, 0})
        if (a[digit] != b[digit])
            return a[digit] > b[digit];
    return false;
}

FirmwareIdDecision FirmwareIdRepair::OnMismatch(const char* romId, const char* fileId, char* message) {
    const bool aio = settings_.InitMod.AIO == 1;
    if (!aio && settings_.FWID.AutoQuenfor &&
        (std::strncmp(fileId, romId, kFirmwareIdStemLength) != 0 || CompareFirmwareVersion(fileId, romId))) {
        if (!state_.firmwareIdRepaired)
            return Repair(message);
        // The re-check after the repair still differs: no second update.
    } else if (aio && settings_.InitMod.Console != 1) {
        char fileLine[kFirmwareIdSize + 8], icLine[kFirmwareIdSize + 8];
        std::snprintf(fileLine, sizeof fileLine, "File: %s", FromLineStart(fileId));
        std::snprintf(icLine, sizeof icLine, "IC  : %s", FromLineStart(romId));
        if (prompt_.AskUpdate("Check FW Fail", "Quenfor ?", fileLine, icLine))
            return Repair(message);
        state_.firmwareIdRepaired = false;
        return FirmwareIdDecision::kEndRun;
    }
    state_.firmwareIdRepaired = false;
    return FirmwareIdDecision::kApplyRetryRule;
}

FirmwareIdDecision FirmwareIdRepair::Repair(char* message) {
    char text[kFirmwareMessageSize] = "";
    if (update_(text, settings_.AutoQuenfor.ReburnBySPI) == kStepPass) {
        // The re-check keeps the mismatch text until it writes its own.
        state_.firmwareIdRepaired = true;
        return FirmwareIdDecision::kRecheck;
    }
    state_.firmwareIdRepaired = false;
    std::snprintf(message, kFirmwareMessageSize, "%s", text);
    return FirmwareIdDecision::kEndRun;
}

}  // namespace vantro
