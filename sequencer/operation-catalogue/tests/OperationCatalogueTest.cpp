// Looking an operation up by the name a step gives.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "vantro/OperationCatalogue.h"

namespace vantro {
namespace {

TEST(OperationCatalogue, EveryNameFindsItsOwnRowAndNoOtherNameFindsOne) {
    std::set<std::string> names;
    for (const OperationInfo& operation : kOperationCatalogue) {
        SCOPED_TRACE(operation.name);
        EXPECT_TRUE(names.insert(operation.name).second) << "named twice";
        EXPECT_EQ(FindOperation(operation.name), &operation);
    }
    for (const char* other : {"None", "", "hascalibration", "LinearTest ", " LinearTest",
                              "LinearTest_noorder", "I2C I/F", "MultiTouch"}) {
        SCOPED_TRACE(other);
        EXPECT_EQ(FindOperation(other), nullptr);
    }
}

}  // namespace
}  // namespace vantro
