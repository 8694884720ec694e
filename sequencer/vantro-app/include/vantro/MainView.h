// The main dialog's controls and window as its controller uses them, beyond
// what the device watch and the sequence engine use.
#pragma once

#include <string>

#include "vantro/DeviceWatch.h"
#include "vantro/RunInterfaces.h"

namespace vantro {

constexpr unsigned kBoxExclamation = 0x30;

class MainView : public DeviceView {
public:
    // Registration for device-interface notices; false when it failed.
    virtual bool RegisterDeviceNotices() = 0;
    virtual void EnableSettingControls(bool enable) = 0;  // 1044 and 1019
    virtual void SelectSetting(int index) = 0;            // 1044
    virtual void ShowMaximized() = 0;
    virtual void ShowNormal() = 0;
    virtual void ScreenSize(int* width, int* height) = 0;
    virtual void SetChineseNotice() = 0;  // 1050
    // FW2..FW5 rows shown only for the chips the panel has.
    virtual void ShowFirmwareIdRows(int chipCount) = 0;
    virtual void ResetResultColumns() = 0;  // "Num", "Operation", "Result", "Comment"
    virtual void ClearMapPicture() = 0;     // 1048 to the button face
    // Counters 1006, 1007, 1010-1012, file 1002 and barcode 1018.
    virtual void ClearRunFields() = 0;
    // The product picture 1072 from a bitmap file; false when it cannot be loaded.
    virtual bool ShowSpecPicture(const char* file) = 0;
    virtual void HideSpecPicture() = 0;
    virtual void PlaceNoticeLabel() = 0;
    virtual void SetTopMost() = 0;
    virtual void FocusDialog() = 0;
    virtual void EndDialog(int result) = 0;
    // The password prompt (template 154); false on Cancel.
    virtual bool AskPassword(std::string* typed) = 0;
    virtual void ShowBox(const char* text, const char* caption, unsigned style) = 0;
    virtual bool CreateConsole() = 0;
    virtual void FreeConsole() = 0;
};

// Whether self or mutual open/short results are present (the ITO map).
class OpenShortResults {
public:
    virtual ~OpenShortResults() = default;
    virtual bool Present() { return false; }
    virtual void Clear() {}
};

// The ITO map drawn into 1048 from the open/short results.  By default there
// is nothing to draw.
class ItoMapDisplay {
public:
    virtual ~ItoMapDisplay() = default;
    // WM_PAINT: the map from its off-screen copy.
    virtual void Paint() {}
    // After a size change: the map drawn again into its cleared area.
    virtual void Redraw() {}
    // WM_MOUSEMOVE in client coordinates: the node tool tips.
    virtual void OnMouseMove(int /*x*/, int /*y*/) {}
};

}  // namespace vantro
