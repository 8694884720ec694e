#include "VantroAdapters.h"

#include <cstdio>

#include "vantro/FolderHousekeeping.h"

vantro::StepOutcome CKestrovaDlg::Handlers::Run(vantro::HandlerId handler, vantro::StepCall& call) {
    if (handler == vantro::HandlerId::kDevconReinstall)
        return reinstaller_.RunDevconReinstall(call.message);
    return router_.Run(handler, call);
}

void CKestrovaDlg::Logs::ResetTestLogs() {
    vantro::ResetLogFolder(vantro::Win32Folders(), "TestLogs", context_.settings.General.FixLogPath);
}
