// ScanBarcode: the barcode tool writes the unit's serial number into its
// result file; it is kept for the rest of the run and shown in 1018.
#include <cstdio>
#include <cstring>

#include "PanelTool.h"
#include "vantro/BarcodeResult.h"

namespace vantro {

namespace {
constexpr int kBarcodeField = 1018;
constexpr int kLongestBarcodeLength = 127;
}  // namespace

StepOutcome PanelOperations::RunScanBarcode(char* message) {
    SequencerSettings& s = context_.settings.settings;
    OperationsState& state = context_.state;
    context_.view.SetFieldText(kBarcodeField, "");
    state.barcode[0] = '\0';
    ShowStatus("ScanBarcode");
    // A file left by an earlier run is never judged.
    const char* resultPath = s.ScanBarcode.ScanBarCodeRst.c_str();
    if (context_.tools.FileExists(resultPath))
        std::remove(resultPath);

    const int longest = ReadNumber(s.barcode.BarcodeLength);
    if (longest > kLongestBarcodeLength)
        return Answer(message, "111 - BarcodeLength could not be larger 127 !", kStepFailNoRetry);

    const std::string arguments = std::string(s.ScanBarcode.ScanBarCodeIni.c_str()) + " " + resultPath;
    ToolRun run = RunToEnd(context_.tools, s.ScanBarcode.ScanBarCodeCmd.c_str(), arguments, kWaitForever);
    if (run.end == ToolEnd::kNotStarted)
        return Answer(message, "112 - Cannot Run Scan Barcode !", kStepFailRetry);

    if (!context_.tools.FileExists(resultPath))
        return Answer(message, "113 - Could not find Scan Barcode Result !", kStepFailRetry);
    BarcodeResult result;
    if (!ReadBarcodeFile(resultPath, result))
        return Answer(message, "114 - Cannot Open Result File !", kStepFailRetry);
    if (result.read != BarcodeRead::kSerial)
        return Answer(message, "116 - Scan Barcode SN Length is Too Short !", kStepFailRetry);
    if (result.length > longest)
        return Answer(message, "115 - Scan Barcode SN Length is Too Long !", kStepFailRetry);

    std::snprintf(state.barcode, sizeof state.barcode, "%s", result.serial);
    context_.view.SetFieldText(kBarcodeField, state.barcode);
    return kStepPass;
}

}  // namespace vantro
