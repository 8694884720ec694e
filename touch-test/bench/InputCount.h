// The input half of the touch benchmark, its portable part: the points a
// pass script must leave in the canvas's point log, the points the log
// holds, and how many of the first never arrived.
#pragma once

#include <stddef.h>

#include <string>
#include <vector>

#include "StrokePlayer.h"
#include "test_support/DriveScript.h"

namespace trelliq {

// The steps of a pass script that the hosted canvas takes: those before its
// "key E" (after it the log is saved and the program ended), without the
// keys (the benchmark arms and reads the log itself).  False, with the
// parser's "line N: why", when the script does not parse.
bool HostedSteps(const std::string& script, std::vector<test_support::DriveStep>* steps, std::string* error);

// The points the canvas logs (canvas pixels, in order) when every touch
// arrives one pace after the last: the touches played into the canvas model
// on a simulated clock, the kind started and the log armed, over
// TheTouchTestConfig.  Ups, a move to where the finger already is and the
// touches after the verdict are not logged.
std::vector<test_support::DrivePoint> PointsToLog(TestEngines& engines, TestKind kind,
                                                  const std::vector<ScriptTouch>& touches, unsigned paceMs);

// The points of a point log's lines ("... X:<x>,  Y:<y> "), in order.
std::vector<test_support::DrivePoint> ReadPointLog(const std::string& text);

struct InputFigures {
    size_t sent = 0;     // the different points to log
    size_t logged = 0;   // the log's lines
    size_t dropped = 0;  // points to log that did not reach the log in their place
};

// Each point counts at its first place in either list: a point a script
// passes twice (a closed border, a corner two strokes share) and the late
// copies Wine delivers of a point already taken match nothing else.  When
// the test ended while touches were still coming (a verdict on the clock
// falls at another point of the script than on the simulated clock), the
// points to log end at the last new point of the log.
InputFigures CountInput(const std::vector<test_support::DrivePoint>& toLog,
                        const std::vector<test_support::DrivePoint>& logged, bool endedWhileTouching);

}  // namespace trelliq
