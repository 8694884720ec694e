#include "VantroAdapters.h"

#include <cstdio>

#include "vantro/FolderHousekeeping.h"

vantro::StepOutcome CKestrovaDlg::Handlers::Run(vantro::HandlerId handler, vantro::StepCall& call) {
    if (handler == vantro::HandlerId::kDevconReinstall)
        return reinstaller_.RunDevconReinstall(call.message);
    std::snprintf(call.message, vantro::kMessageSize, "%s", "Operation not available");
    return vantro::kStepFailNoRetry;
}

void CKestrovaDlg::Logs::ResetTestLogs() {
    ResetLogFolder(Win32Folders(), "TestLogs", context_.settings.General.FixLogPath);
}
