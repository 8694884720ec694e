#include "Controller.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#include "Journal.h"

namespace portaq_sim {

namespace {

std::string Hex32(uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(value));
    return buffer;
}

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The n-th (1-based) value of a comma-separated script, if it has one.
bool ScriptValue(const std::string& script, long n, int64_t* value) {
    size_t start = 0;
    for (long i = 1; start <= script.size(); ++i) {
        size_t comma = script.find(',', start);
        if (comma == std::string::npos)
            comma = script.size();
        if (i == n)
            return ParseNumber(script.substr(start, comma - start), value);
        start = comma + 1;
    }
    return false;
}

}  // namespace

std::string HandleText(int label) {
    return label > 0 ? "#" + std::to_string(label) : std::string("unknown");
}

Controller::Controller(StateFolder folder, long pid, ErrorSink errors)
    : folder_(std::move(folder)), pid_(pid), errors_(std::move(errors)) {}

void Controller::Log(const std::string& text) {
    if (!folder_.AppendJournal(FormatJournalLine(pid_, chip_, text)) && errors_)
        errors_("Portaq: cannot append to " + folder_.JournalPath());
}

void Controller::Note(const std::string& text) {
    Log(text);
}

Controller::Call Controller::Begin(const char* function) {
    Call call;
    std::string error;
    if (!folder_.LoadPanel(&call.panel, &error)) {
        if (errors_)
            errors_("Portaq: no device: " + error);
        return call;
    }
    call.loaded = true;
    call.present = folder_.IsPlugged();
    PanelState counters;
    if (!folder_.LoadCounters(&counters, &error)) {
        // Damaged counters only lose the count; the panel still answers.
        if (errors_)
            errors_("Portaq: " + error + "; counting again from 0");
        counters = PanelState();
    }
    call.number = static_cast<long>(counters.GetInt(function, 0)) + 1;
    counters.SetInt(function, call.number);
    if (!folder_.SaveCounters(counters, &error) && errors_)
        errors_("Portaq: " + error);
    std::string script = call.panel.Get(std::string("script.") + function);
    if (!script.empty())
        call.scripted = ScriptValue(script, call.number, &call.scriptValue);
    return call;
}

bool Controller::Faulted(const Call& call, const char* function, uint32_t address, int64_t* result) const {
    std::string prefix = std::string("fail.") + function;
    bool hasAddress = call.panel.Has(prefix + ".address");
    bool hasAfter = call.panel.Has(prefix + ".after");
    bool hasResult = call.panel.Has(prefix + ".result");
    if (!hasAddress && !hasAfter && !hasResult)
        return false;
    if (hasAddress && call.panel.GetInt(prefix + ".address", -1) != static_cast<int64_t>(address))
        return false;
    if (hasAfter && call.number <= call.panel.GetInt(prefix + ".after", 0))
        return false;
    *result = call.panel.GetInt(prefix + ".result", 1);
    if (*result == 0)
        *result = 1;
    return true;
}

OpenResult Controller::Open(int index, int label) {
    Call call = Begin("IO_OpenDevice");
    chip_ = 0;  // every open starts at the master
    OpenResult result = OpenResult::kInvalid;
    if (call.loaded) {
        int64_t wanted = call.scripted ? call.scriptValue : call.panel.GetInt("open_result", 1);
        if (!call.present)
            wanted = -1;
        result = wanted == 0 ? OpenResult::kZero : wanted < 0 ? OpenResult::kInvalid : OpenResult::kHandle;
    }
    std::string shown = result == OpenResult::kHandle ? HandleText(label)
                        : result == OpenResult::kZero ? "0"
                                                      : "-1";
    Log("IO_OpenDevice(" + std::to_string(index) + ") = " + shown);
    return result;
}

uint8_t Controller::ReportToOS(int label, int on, int reserved) {
    Call call = Begin("IO_ReportToOS");
    int64_t result = 0;
    if (call.present && label > 0)
        result = call.scripted ? call.scriptValue : call.panel.GetInt("report_result", 1);
    uint8_t value = static_cast<uint8_t>(result);
    Log("IO_ReportToOS(" + HandleText(label) + ", " + std::to_string(on) + ", " + std::to_string(reserved) +
        ") = " + std::to_string(value));
    return value;
}

int Controller::SetChipIndex(int index) {
    Call call = Begin("IO_SetChipIndex");
    chip_ = index;
    int result = call.scripted ? static_cast<int>(call.scriptValue) : 0;
    Log("IO_SetChipIndex(" + std::to_string(index) + ") = " + std::to_string(result));
    return result;
}

int Controller::ReadData(int label, uint32_t address, uint8_t* buffer, uint32_t* count) {
    Call call = Begin("IO_ReadData");
    uint32_t capacity = count ? *count : 0;
    if (count)
        *count = 0;
    int64_t result = 0;
    uint32_t delivered = 0;
    std::string error;
    if (!call.present || label <= 0 || !buffer || !count || chip_ < 0 || chip_ >= kMaxChips) {
        result = 1;
    } else if (Faulted(call, "IO_ReadData", address, &result)) {
    } else if (call.scripted && call.scriptValue != 0) {
        result = call.scriptValue;
    } else {
        int64_t length = call.panel.GetInt("packet_length", kDevicePacketSize);
        if (length < 0)
            length = 0;
        if (length > kDevicePacketSize)
            length = kDevicePacketSize;
        if (capacity > 0 && capacity < length)
            length = capacity;
        ChipMemory memory;
        if (!folder_.LoadChip(chip_, &memory, &error)) {
            if (errors_)
                errors_("Portaq: no device: " + error);
            result = 1;
        } else {
            std::vector<uint8_t> bytes = memory.Read(address, static_cast<uint32_t>(length));
            if (!bytes.empty())
                std::memcpy(buffer, bytes.data(), bytes.size());
            delivered = static_cast<uint32_t>(bytes.size());
            *count = delivered;
        }
    }
    int value = static_cast<int>(result);
    Log("IO_ReadData(" + HandleText(label) + ", " + Hex32(address) + ") = " + std::to_string(value) +
        " count=" + std::to_string(delivered));
    return value;
}

int Controller::ReadWriteMemData(int label, uint32_t address, uint32_t data, uint32_t mask,
                                 uint8_t answer[kDeviceAnswerSize]) {
    Call call = Begin("IO_ReadWriteMemData");
    int64_t result = 0;
    std::string error;
    if (!call.present || label <= 0 || !answer || chip_ < 0 || chip_ >= kMaxChips) {
        result = 1;
    } else if (Faulted(call, "IO_ReadWriteMemData", address, &result)) {
    } else if (call.scripted && call.scriptValue != 0) {
        result = call.scriptValue;
    } else if (address == kCalibrationStatusCommand) {
        answer[1] = static_cast<uint8_t>(call.panel.GetInt("calibration_status", 1));
    } else if (address == kReinitialiseCommand) {
        // Re-initialisation: the controller acknowledges; memory is kept.
    } else {
        ChipMemory memory;
        if (!folder_.LoadChip(chip_, &memory, &error)) {
            if (errors_)
                errors_("Portaq: no device: " + error);
            result = 1;
        } else {
            uint32_t before = memory.Word(address);
            uint32_t after = memory.MaskedWrite(address, data, mask);
            for (int i = 0; i < 4; ++i)
                answer[i] = static_cast<uint8_t>(after >> (8 * i));
            if (after != before && !folder_.SaveChip(chip_, memory, &error)) {
                if (errors_)
                    errors_("Portaq: " + error);
                result = 1;
            }
        }
    }
    int value = static_cast<int>(result);
    Log("IO_ReadWriteMemData(" + HandleText(label) + ", " + Hex32(address) + ", " + Hex32(data) + ", " +
        Hex32(mask) + ") = " + std::to_string(value));
    return value;
}

int Controller::SetRawMode(int label, int mode) {
    Call call = Begin("IO_SetRawMode");
    int64_t result = 1;
    if (call.present && label > 0)
        result = call.scripted ? call.scriptValue : call.panel.GetInt("raw_mode_result", 0);
    char modeText[16];
    std::snprintf(modeText, sizeof modeText, "0x%X", static_cast<unsigned>(mode));
    Log("IO_SetRawMode(" + HandleText(label) + ", " + modeText + ") = " + std::to_string(result));
    return static_cast<int>(result);
}

int Controller::GetDeviceType() {
    Call call = Begin("IO_GetDeviceType");
    int64_t result = 0;
    if (call.scripted)
        result = call.scriptValue;
    else if (call.present)
        result = call.panel.GetInt("device_type", 1);
    Log("IO_GetDeviceType() = " + std::to_string(result));
    return static_cast<int>(result);
}

int Controller::GetDeviceTypeByPath(const char* path) {
    Call call = Begin("IO_GetDeviceTypeByPath");
    std::string asked = path ? path : "";
    int64_t result = 1;  // a device that is not our panel
    if (call.scripted) {
        result = call.scriptValue;
    } else if (call.loaded && SameText(asked, call.panel.Get("path"))) {
        result = call.present ? call.panel.GetInt("path_type", call.panel.GetInt("device_type", 1)) : 0;
    }
    Log("IO_GetDeviceTypeByPath(\"" + asked + "\") = " + std::to_string(result));
    return static_cast<int>(result);
}

int Controller::GetDevicePath(char* buffer, size_t size) {
    Call call = Begin("IO_GetDevicePath");
    int result = -1;
    std::string path;
    if (call.present) {
        path = call.panel.Get("path");
        result = 0;
    }
    if (buffer && size > 0)
        std::snprintf(buffer, size, "%s", path.c_str());
    Log("IO_GetDevicePath() = " + std::to_string(result) + " \"" + path + "\"");
    return result;
}

int Controller::GetVidPid(uint16_t* vid, uint16_t* pid) {
    Call call = Begin("IO_GetVidPiD");
    uint16_t v = 0;
    uint16_t p = 0;
    int result = -1;
    if (call.present) {
        v = static_cast<uint16_t>(call.panel.GetInt("vid", 0));
        p = static_cast<uint16_t>(call.panel.GetInt("pid", 0));
        result = 0;
    }
    if (vid)
        *vid = v;
    if (pid)
        *pid = p;
    char text[48];
    std::snprintf(text, sizeof text, "IO_GetVidPiD() = %d vid=0x%04X pid=0x%04X", result, v, p);
    Log(text);
    return result;
}

int Controller::SetRetryValue(int count, int delayMs) {
    Call call = Begin("IO_SetRetryValue");
    int result = call.scripted ? static_cast<int>(call.scriptValue) : 0;
    Log("IO_SetRetryValue(" + std::to_string(count) + ", " + std::to_string(delayMs) +
        ") = " + std::to_string(result));
    return result;
}

int Controller::IsNeedReInstall() {
    Call call = Begin("IO_IsNeedReInstall");
    int64_t result = 0;
    if (call.scripted)
        result = call.scriptValue;
    else if (call.loaded)
        result = call.panel.GetInt("need_reinstall", 0);
    Log("IO_IsNeedReInstall() = " + std::to_string(result));
    return static_cast<int>(result);
}

int Controller::ClearReInstallFlag() {
    Call call = Begin("IO_ClearReInstallFlag");
    int result = -1;
    std::string error;
    if (call.loaded) {
        call.panel.SetInt("need_reinstall", 0);
        result = folder_.SavePanel(call.panel, &error) ? 0 : -1;
        if (result != 0 && errors_)
            errors_("Portaq: " + error);
    }
    if (call.scripted)
        result = static_cast<int>(call.scriptValue);
    Log("IO_ClearReInstallFlag() = " + std::to_string(result));
    return result;
}

int Controller::SetVerbose(uint16_t level) {
    Call call = Begin("IO_SetVerbose");
    int result = call.scripted ? static_cast<int>(call.scriptValue) : 0;
    Log("IO_SetVerbose(" + std::to_string(level) + ") = " + std::to_string(result));
    return result;
}

}  // namespace portaq_sim
