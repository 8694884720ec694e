// The input driver's script parser: a script that parses has its steps in
// line order, and every mouse step expands into events that start and end
// where the step says; a script that does not parse names its line.
#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "test_support/DriveScript.h"
#include "test_support/FuzzSupport.h"

using namespace test_support;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<DriveStep> steps;
    std::string error;
    if (!ParseDriveScript(text, &steps, &error)) {
        FUZZ_CHECK(error.compare(0, 5, "line ") == 0, "an error names its line");
        return 0;
    }
    int line = 0;
    for (const DriveStep& step : steps) {
        FUZZ_CHECK(step.line > line, "steps in line order");
        line = step.line;
        const std::vector<MouseEvent> events = MouseEventsOf(step);
        switch (step.op) {
            case DriveOp::Down:
            case DriveOp::Move:
            case DriveOp::Up:
                FUZZ_CHECK(events.size() == 1, "one event");
                break;
            case DriveOp::Tap:
                FUZZ_CHECK(events.size() == 2 && events[0].kind == MouseEvent::Down &&
                               events[1].kind == MouseEvent::Up,
                           "a tap is down and up");
                break;
            case DriveOp::Stroke: {
                const std::vector<int>& n = step.numbers;
                FUZZ_CHECK(events.size() >= 3 && events.size() <= kMaxStrokeEvents + 3,
                           "a stroke's events are bounded");
                FUZZ_CHECK(events[1].kind == MouseEvent::Down && events[1].x == n[1] && events[1].y == n[2],
                           "a stroke starts down at its first point");
                FUZZ_CHECK(events.back().kind == MouseEvent::Up && events.back().x == n[n.size() - 2] &&
                               events.back().y == n[n.size() - 1],
                           "a stroke ends up at its last point");
                break;
            }
            default:
                FUZZ_CHECK(events.empty(), "no mouse events");
                break;
        }
    }
    return 0;
}
