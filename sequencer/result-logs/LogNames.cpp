#include "vantro/LogNames.h"

namespace vantro {

namespace {

bool SerialNaming(const LogNameParts& parts) {
    return parts.barcode.empty() && parts.stage.enableSerialNum == 1;
}

bool BarcodeWithSpecifyLog(const LogNameParts& parts) {
    return !parts.barcode.empty() && parts.settings.ScanBarcode.SpecifyLog == 1;
}

std::string Serial(const LogNameParts& parts) {
    return parts.stage.namePrefix + std::to_string(parts.stage.currentSerialNum);
}

// "<barcode>_<stage>_OK<T>_<vendor>" or with "_NG".
std::string SpecifyLogName(const LogNameParts& parts, bool ok) {
    return parts.barcode + "_" + parts.settings.ScanBarcode.Stage.c_str() + (ok ? "_OK" : "_NG") +
           parts.timeText + "_" + parts.settings.ScanBarcode.Vendor.c_str();
}

std::string WithinLimit(std::string path) {
    return path.size() > kMaxLogPathLength ? std::string() : path;
}

size_t ExtensionStart(const std::string& path) {
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('\\');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path.size();
    return dot;
}

}  // namespace

std::string ResultFileExtension(const std::string& path) {
    return path.substr(ExtensionStart(path), kMaxExtensionLength);
}

std::string ScreenshotName(const LogNameParts& parts, const std::string& name, int outcome,
                           const char* extension) {
    std::string file;
    if (parts.settings.General.FixLogPath == 1)
        file = name;
    else if (SerialNaming(parts))
        file = name + "_" + Serial(parts) + parts.timeText;
    else if (parts.barcode.empty())
        file = name + parts.timeText;
    else if (parts.settings.ScanBarcode.SpecifyLog == 1)
        file = SpecifyLogName(parts, outcome == 2);
    else
        file = name + "_" + parts.barcode + parts.timeText;
    file += extension;
    return WithinLimit(std::string(kTestLogsFolder) + "\\" + file).empty() ? std::string() : file;
}

std::string RenamedResultPath(const LogNameParts& parts, const std::string& path, bool failed) {
    const size_t extensionAt = ExtensionStart(path);
    const std::string extension = ResultFileExtension(path);
    const std::string stem = path.substr(0, extensionAt);
    if (SerialNaming(parts))
        return WithinLimit(stem + "_" + Serial(parts) + parts.timeText + extension);
    if (parts.barcode.empty())
        return WithinLimit(stem + parts.timeText + extension);
    if (BarcodeWithSpecifyLog(parts)) {
        const size_t slash = path.rfind('\\');
        const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
        return WithinLimit(folder + SpecifyLogName(parts, !failed) + extension);
    }
    return WithinLimit(stem + "_" + parts.barcode + parts.timeText + extension);
}

std::string LogFolderName(const LogNameParts& parts) {
    if (SerialNaming(parts))
        return "Log_" + Serial(parts) + parts.timeText;
    if (parts.barcode.empty())
        return "Log" + parts.timeText;
    return "Log_" + parts.barcode + parts.timeText;
}

std::string LogDestination(const LogNameParts& parts, bool passed) {
    std::string base = passed ? parts.settings.OkFolder : parts.settings.NgFolder;
    while (!base.empty() && base.back() == '\\')
        base.pop_back();
    if (base.empty())
        return std::string();
    if (parts.settings.ScanBarcode.SpecifyLog == 1)
        return WithinLimit(base);
    return WithinLimit(base + "\\" + LogFolderName(parts));
}

}  // namespace vantro
