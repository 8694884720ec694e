#include "VantroAdapters.h"

#include <cstdio>

vantro::StepOutcome CKestrovaDlg::Handlers::Run(vantro::HandlerId handler, vantro::StepCall& call) {
    if (handler == vantro::HandlerId::kDevconReinstall)
        return reinstaller_.RunDevconReinstall(call.message);
    return router_.Run(handler, call);
}

vantro::RunClock& CKestrovaDlg::Logs::SleepClock() {
    static Clock clock;
    return clock;
}
