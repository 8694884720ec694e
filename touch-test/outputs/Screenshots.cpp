// The auto-mode screenshot of a finished test and Save as BMP's numbered bitmap.
#include <stdio.h>
#include <string.h>

#include "trelliq/IniFile.h"
#include "trelliq/ResultOutputs.h"
#include "trelliq/TouchTestStartup.h"

namespace trelliq {

namespace {

const char kCaptureFile[] = "FS.bmp";

std::string TimeStamp(const LocalTime& t) {
    char text[32];
    snprintf(text, sizeof(text), "%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute,
             t.second);
    return text;
}

const char* KindPrefix(TestKind kind) {
    switch (kind) {
        case TestKind::LinearOrdered:
            return "Linear(in order)";
        case TestKind::LinearUnordered:
            return "Linear";
        case TestKind::Trace:
            return "Trace";
        case TestKind::Paint:
            return "Paint";
        case TestKind::ReportRate:
            return "Report Rate";
        case TestKind::Accuracy:
            return "Accuracy";
        case TestKind::Jitter:
            return "Jitter";
        case TestKind::Sensitivity:
            return "Sensitivity";
        case TestKind::None:
            break;
    }
    return nullptr;
}

}  // namespace

std::string ScreenshotName(const std::string& barcode, TestKind kind, const LocalTime& now) {
    const char* prefix = KindPrefix(kind);
    // Without a barcode (or a kind to name) the time tells the screenshots apart.
    if (barcode.empty() || !prefix)
        return "Linear-" + TimeStamp(now) + ".jpg";
    return std::string(prefix) + "-" + barcode + ".jpg";
}

std::string ChosenFolder(const std::string& path) {
    // A share keeps its leading "\\": without it "srv\share" would be a relative path.
    std::string folder = path.compare(0, 2, "\\\\") == 0 ? "\\\\" : "";
    std::string part;
    std::string joined;
    size_t start = 0;
    bool first = true;
    while (true) {
        const size_t end = path.find('\\', start);
        if (end == std::string::npos)
            break;  // the last part is the file's own name
        part = path.substr(start, end - start);
        if (!part.empty()) {
            if (!first)
                joined += "\\";
            joined += part;
            first = false;
        }
        start = end + 1;
    }
    return folder + joined;
}

void ResultOutputs::SaveTestScreenshot() {
    const std::string folder = config_.AutoModeInfo.SaveResultPath;
    const std::string bitmap = folder + TOUCH_TEST_PATH_SEPARATOR + kCaptureFile;
    const std::string target =
        folder + TOUCH_TEST_PATH_SEPARATOR +
        ScreenshotName(config_.ScanBarcode.Barcode, run_.CurrentKind(), seams_.clock.Now());
    // A path the platform cannot hold would be cut into another path: no screenshot then.
    if (bitmap.size() >= TOUCH_TEST_PATH_SIZE || target.size() >= TOUCH_TEST_PATH_SIZE)
        return;
    OutputSystem& system = seams_.system;
    system.RepaintCanvas();
    if (system.CaptureCanvas(bitmap.c_str())) {
        if (system.Exists(target.c_str()))
            system.Delete(target.c_str());
        if (!system.ConvertImage(bitmap.c_str(), target.c_str()) && system.Exists(target.c_str()))
            system.Delete(target.c_str());
    }
    if (system.Exists(bitmap.c_str()))
        system.Delete(bitmap.c_str());
}

void ResultOutputs::SaveAsBmp() {
    TouchTestConfig::SerialNumKeys& serial = config_.SerialNum;
    char defaultName[TOUCH_TEST_PATH_SIZE];
    const int length = snprintf(defaultName, sizeof(defaultName), "%s\\%s%d", serial.path, serial.namePrefix,
                                serial.initialNum);
    SaveDialogRequest request;
    request.defaultExt = "bmp";
    // A name that does not fit opens the dialog without one, never a cut one.
    if (length > 0 && static_cast<size_t>(length) < sizeof(defaultName))
        request.defaultName = defaultName;
    request.filter = " bitmap file(*.bmp)|*.bmp||";
    std::string chosen;
    OutputSystem& system = seams_.system;
    if (!system.ChooseSaveFile(request, &chosen))
        return;
    if (chosen.empty()) {
        seams_.messages.Show("Path can not empty", "Set Path Failed");
        return;
    }
    const std::string folder = ChosenFolder(chosen);
    snprintf(serial.path, sizeof(serial.path), "%s", folder.c_str());

    system.RepaintCanvas();
    // A failed capture must not let an older "FS.bmp" pass for this screen.
    if (!system.CaptureCanvas(kCaptureFile) && system.Exists(kCaptureFile))
        system.Delete(kCaptureFile);
    if (!system.Copy(kCaptureFile, chosen.c_str())) {
        seams_.messages.Show("Couldn't copy file.", "Couldn't copy file.");
        return;
    }
    serial.initialNum = (serial.initialNum + 1) % 512;
    if (IniDictionary) {
        if (!IniFileSetInt("SerialNum", "initialNum", serial.initialNum))
            seams_.messages.Show("Set Config File Failed", "Set SerialNum initialNum Failed");
        if (!IniFileSetString("SerialNum", "path", serial.path))
            seams_.messages.Show("Set Config File Failed", "Set path Failed");
    }
}

}  // namespace trelliq
