#include "vantro/SettingsContext.h"

namespace vantro {

SettingsContext::~SettingsContext() {
    ReleaseSettingsFiles(*this);
}

void ReleaseSettingsFiles(SettingsContext& context) {
    IniDictionary** files[] = {&context.settings.userSetIni,        &context.settings.linearTestIni,
                               &context.settings.vuzaLinearTestIni, &context.settings.multiLinearIni,
                               &context.settings.barcodeIni,        &context.stage.thresholdIni,
                               &context.stage.openShortIni};
    for (IniDictionary** file : files) {
        IniFree(*file);
        *file = nullptr;
    }
}

}  // namespace vantro
