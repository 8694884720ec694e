// The dispatch table against the operation catalogue: the same operations,
// and one handler for each family.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "vantro/StepOutcome.h"

namespace vantro {
namespace {

TEST(OperationTable, DispatchesEveryCatalogueOperationAndNoOther) {
    std::map<std::string, int> dispatched;
    for (const DispatchEntry& entry : kDispatchTable) {
        SCOPED_TRACE(entry.name);
        ++dispatched[entry.name];
        const OperationInfo* operation = FindOperation(entry.name);
        ASSERT_NE(operation, nullptr);
        EXPECT_EQ(operation->id, entry.operation);
        EXPECT_EQ(FindDispatchEntry(entry.name), &entry);
    }
    for (const OperationInfo& operation : kOperationCatalogue) {
        SCOPED_TRACE(operation.name);
        EXPECT_EQ(dispatched[operation.name], 1);
        EXPECT_STREQ(DispatchEntryFor(operation.id).name, operation.name);
    }
    EXPECT_EQ(dispatched.size(), static_cast<size_t>(kOperationCount));
}

// The dispatch table names each operation's handler; it must be the one the
// catalogue gives the operation's family.
TEST(OperationTable, EachOperationRunsTheHandlerOfItsFamily) {
    for (const DispatchEntry& entry : kDispatchTable) {
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(entry.handler, Operation(entry.operation).family);
    }
}

}  // namespace
}  // namespace vantro
