// The main dialog's open/short results: present while a self or mutual
// result is shown; clearing them resets the record and both shown flags.
#pragma once

#include <string>

#include "vantro/MainView.h"
#include "vantro/OpenShortData.h"
#include "vantro/OperationContext.h"

namespace vantro {

class OpenShortResultsOfRecord : public OpenShortResults {
public:
    OpenShortResultsOfRecord(OperationsState& state, OpenShortData& data) : state_(state), data_(data) {}
    bool Present() override;
    void Clear() override;

private:
    OperationsState& state_;
    OpenShortData& data_;
};

// The result file of the last mutual or self run, under its final name.
std::string LastResultPath(const OperationsState& state, bool mutual);

}  // namespace vantro
