#include "vantro/OpenShortResultsOfRecord.h"

namespace vantro {

bool OpenShortResultsOfRecord::Present() {
    return state_.mutualShown.load() != 0 || state_.selfShown.load() != 0;
}

void OpenShortResultsOfRecord::Clear() {
    ResetOpenShortData(data_);
    state_.mutualShown = 0;
    state_.selfShown = 0;
}

std::string LastResultPath(const OperationsState& state, bool mutual) {
    return mutual ? state.lastMutualResultPath : state.lastSelfResultPath;
}

}  // namespace vantro
