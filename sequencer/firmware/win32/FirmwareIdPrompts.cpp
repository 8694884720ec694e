#include "FirmwareIdPrompts.h"

namespace vantro {

bool DialogRetryFirmwarePrompt::AskUpdate(const char* title, const char* question, const char* fileLine,
                                          const char* icLine) {
    DialogRetry dialog(owner_ ? owner_() : nullptr);
    dialog.SetTexts(title, question);
    dialog.SetFirmwareVersions(icLine, fileLine);
    return dialog.DoModal() == IDOK;
}

}  // namespace vantro
