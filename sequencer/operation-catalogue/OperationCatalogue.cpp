#include "vantro/OperationCatalogue.h"

#include <cstring>

namespace vantro {

namespace {
constexpr bool RowsFollowTheIds() {
    for (int i = 0; i < kOperationCount; ++i)
        if (static_cast<int>(kOperationCatalogue[i].id) != i)
            return false;
    return true;
}
static_assert(RowsFollowTheIds(), "row i of the catalogue describes OperationId i");
}  // namespace

const OperationInfo* FindOperation(const char* name) {
    for (const OperationInfo& operation : kOperationCatalogue)
        if (std::strcmp(operation.name, name) == 0)
            return &operation;
    return nullptr;
}

}  // namespace vantro
