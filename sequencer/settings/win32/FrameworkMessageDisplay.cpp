#include "FrameworkMessageDisplay.h"

#include "framework/Prompt.h"

namespace vantro {

void FrameworkMessageDisplay::ShowMessage(const char* text, const char* caption, MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : 0);
    ::ShowMessageBox(text, caption, style, owner_ ? owner_() : nullptr);
}

}  // namespace vantro
