// The stand-in's script parser: a script that parses gives steps whose
// numbers are in their ranges; one that does not names its line.
#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "test_support/FuzzSupport.h"
#include "test_support/StandinScript.h"

using namespace test_support;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<Step> steps;
    std::string error;
    if (!ParseScript(text, &steps, &error)) {
        FUZZ_CHECK(error.compare(0, 5, "line ") == 0, "an error names its line");
        return 0;
    }
    for (const Step& step : steps) {
        if (step.kind == Step::kWait || step.kind == Step::kPortaqRead || step.kind == Step::kPortaqWrite)
            FUZZ_CHECK(step.number >= 0, "waits and chips are not negative");
        if (step.kind == Step::kWrite || step.kind == Step::kPanel)
            FUZZ_CHECK(!step.name.empty(), "a write or panel step names its file or key");
    }
    return 0;
}
