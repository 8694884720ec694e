#include "InputCount.h"

#include <stdlib.h>
#include <string.h>

#include <set>
#include <sstream>
#include <utility>

namespace trelliq {

using test_support::DriveOp;
using test_support::DrivePoint;
using test_support::DriveStep;

bool HostedSteps(const std::string& script, std::vector<DriveStep>* steps, std::string* error) {
    std::vector<DriveStep> all;
    if (!test_support::ParseDriveScript(script, &all, error))
        return false;
    steps->clear();
    for (const DriveStep& step : all) {
        if (step.op == DriveOp::Key && step.text == "E")
            break;
        if (step.op != DriveOp::Key)
            steps->push_back(step);
    }
    return true;
}

std::vector<DrivePoint> PointsToLog(TestEngines& engines, TestKind kind,
                                    const std::vector<ScriptTouch>& touches, unsigned paceMs) {
    TheTouchTestRun.Reset();
    StrokePlayer player(engines);
    std::vector<DrivePoint> points;
    if (!player.Start(kind))
        return points;
    // Key B, as the scripts press it once the canvas is up.
    TheTouchTestRun.logArmed = 1;
    player.Play(touches, paceMs);
    player.Finish();
    for (const CanvasPoint& p : player.loggedPoints)
        points.push_back({p.x, p.y});
    return points;
}

std::vector<DrivePoint> ReadPointLog(const std::string& text) {
    std::vector<DrivePoint> points;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const char* x = strstr(line.c_str(), "X:");
        const char* y = strstr(line.c_str(), "Y:");
        if (x && y)
            points.push_back({atoi(x + 2), atoi(y + 2)});
    }
    return points;
}

namespace {

std::vector<DrivePoint> FirstPlaces(const std::vector<DrivePoint>& points) {
    std::set<std::pair<int, int>> seen;
    std::vector<DrivePoint> first;
    for (const DrivePoint& p : points) {
        if (seen.insert({p.x, p.y}).second)
            first.push_back(p);
    }
    return first;
}

}  // namespace

InputFigures CountInput(const std::vector<DrivePoint>& toLog, const std::vector<DrivePoint>& logged,
                        bool endedWhileTouching) {
    std::vector<DrivePoint> expected = FirstPlaces(toLog);
    const std::vector<DrivePoint> taken = FirstPlaces(logged);
    if (endedWhileTouching && !taken.empty()) {
        for (size_t i = 0; i < expected.size(); ++i) {
            if (expected[i].x == taken.back().x && expected[i].y == taken.back().y) {
                expected.resize(i + 1);
                break;
            }
        }
    }
    InputFigures figures;
    figures.sent = expected.size();
    figures.logged = logged.size();
    figures.dropped = test_support::CountArrivals(expected, taken).missing;
    return figures;
}

}  // namespace trelliq
