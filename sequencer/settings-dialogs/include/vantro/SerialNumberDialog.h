// The serial-number dialog (template 131): the record it shares with the
// stage dialog, and its rules.
#pragma once

#include <string>

#include "vantro/DialogView.h"
#include "vantro/StageInfo.h"

namespace vantro {

struct SerialNumberRecord {
    std::string path;  // the folder, at most 259 characters
    char namePrefix[kNamePrefixSize] = "";
    int initialNum = -1;
    int currentNum = 0;
    int enableSerialNum = 0;
};

class SerialNumberDialogModel {
public:
    SerialNumberDialogModel(DialogView& view, const SerialNumberRecord& record);

    void OnShow();
    void OnEditChange(int id);
    void OnClick(int id);
    // True for OK; an empty prefix or a negative number is shown and closes
    // the dialog as a Cancel.
    bool OnOK();

    const SerialNumberRecord& Record() const { return record_; }

private:
    DialogView& view_;
    SerialNumberRecord record_;
    bool filling_ = false;
};

// A chosen folder or file, or nothing when it is too long for the 260-character
// fields (rather than cut into another name).
bool FitsPath(const std::string& path);

}  // namespace vantro
