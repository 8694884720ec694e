// The result display's calls that the open/short operations make after a
// parsed result.  The comment is the result-list comment of the step being
// run (4,096 characters).  The defaults show nothing.
#pragma once

namespace vantro {

class OpenShortDisplay {
public:
    virtual ~OpenShortDisplay() = default;
    virtual void ShowSelfCounts() {}
    virtual void ShowMutualCounts() {}
    virtual void AppendHardCalibrationFail(char* /*comment*/) {}
    virtual void AppendSelfNgList(char* /*comment*/) {}
    virtual void AppendMutualNgList(char* /*comment*/) {}
    virtual void DrawItoMap() {}
};

}  // namespace vantro
