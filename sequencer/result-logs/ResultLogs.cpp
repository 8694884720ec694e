#include "vantro/ResultLogs.h"

#include <cstring>

#include "vantro/FolderHousekeeping.h"

namespace vantro {

std::string ResultLogs::Barcode() const {
    return std::string(state_.barcode, strnlen(state_.barcode, sizeof state_.barcode));
}

void ResultLogs::ResetTestLogs() {
    ResetLogFolder(context_.folders, kTestLogsFolder, context_.settings.General.FixLogPath);
}

bool ResultLogs::SaveLogs(bool passed, std::string& savedFolder) {
    return vantro::SaveLogs(places_, context_.settings, context_.stage, Barcode(), passed, savedFolder);
}

void ResultLogs::Screenshot(const char* name, int mode) {
    const std::string barcode = Barcode();
    const std::string timeText = TimeTextFor(context_.settings, places_.time);
    const LogNameParts parts{context_.settings, context_.stage, barcode, timeText};
    const std::string bmp = ScreenshotName(parts, name ? name : "", mode, ".bmp");
    const std::string jpg = ScreenshotName(parts, name ? name : "", mode, ".jpg");
    if (bmp.empty() || jpg.empty())
        return;
    const std::string folder = std::string(kTestLogsFolder) + "\\";
    screenshots_.Write(folder + bmp, folder + jpg);
}

std::string ResultLogs::StepResultFilePath(bool mutual) {
    return mutual ? state_.lastMutualResultPath : state_.lastSelfResultPath;
}

bool ResultLogs::RenameResultFiles(char* path, int mark) {
    return vantro::RenameResultFiles(places_, context_.settings, context_.stage, Barcode(), path, mark != 0);
}

}  // namespace vantro
