// The numbered messages of the open/short runs, by kind of run.
#pragma once

namespace vantro {

struct OpenShortWords {
    const char* noGolden;
    const char* notStarted;
    const char* timeout;
    const char* exitMinus6;  // golden sample not found
    const char* exitMinus5;  // golden sample invalid
    const char* exitMinus4;  // no data
    const char* exitMinus2;  // channel numbers differ
    const char* exitMinus7;  // result not saved
    const char* missing;     // no result file
    const char* parse;       // result file malformed
    const char* other;       // an exit code outside the table
    const char* waitFailed;
};

extern const OpenShortWords kMutualWords;
extern const OpenShortWords kHardCalibrationWords;
extern const OpenShortWords kUniformityWords;
extern const OpenShortWords kSelfWords;
extern const char kRebootFailed[];

}  // namespace vantro
