#include "test_support/DriveScript.h"

#include <math.h>
#include <stdlib.h>

#include <sstream>

namespace test_support {

namespace {

struct Grammar {
    const char* name;
    DriveOp op;
    int numbers;     // fixed count of numbers; -1: a stroke's list
    bool leadsText;  // a text argument before the numbers
};

const Grammar kSteps[] = {
    {"screen", DriveOp::Screen, 2, false},
    {"mode", DriveOp::Mode, 0, true},
    {"pace", DriveOp::Pace, 1, false},
    {"wait-canvas", DriveOp::WaitCanvas, 1, false},
    {"down", DriveOp::Down, 2, false},
    {"move", DriveOp::Move, 2, false},
    {"up", DriveOp::Up, 2, false},
    {"tap", DriveOp::Tap, 2, false},
    {"stroke", DriveOp::Stroke, -1, false},
    {"key", DriveOp::Key, 0, true},
    {"select", DriveOp::Select, 1, false},
    {"press", DriveOp::Press, 1, false},
    {"command", DriveOp::Command, 1, false},
    {"close", DriveOp::Close, 0, false},
    {"sleep", DriveOp::Sleep, 1, false},
    {"wait-file", DriveOp::WaitFile, 1, true},
    {"wait-exit", DriveOp::WaitExit, 1, false},
    {"capture", DriveOp::Capture, 0, true},
};

bool ToInt(const std::string& word, int* value) {
    if (word.empty())
        return false;
    char* end = nullptr;
    const long parsed = strtol(word.c_str(), &end, 10);
    if (*end != '\0' || parsed < -1000000000L || parsed > 1000000000L)
        return false;
    *value = static_cast<int>(parsed);
    return true;
}

bool Fail(int line, const std::string& why, std::string* error) {
    *error = "line " + std::to_string(line) + ": " + why;
    return false;
}

}  // namespace

int DriveKeyCode(const std::string& name) {
    if (name == "Esc")
        return 0x1B;
    if (name.size() == 1 && std::string("FRSBE").find(name[0]) != std::string::npos)
        return name[0];
    return 0;
}

bool ParseDriveScript(const std::string& text, std::vector<DriveStep>* steps, std::string* error) {
    steps->clear();
    std::istringstream lines(text);
    std::string raw;
    int lineNumber = 0;
    while (std::getline(lines, raw)) {
        ++lineNumber;
        const size_t hash = raw.find('#');
        if (hash != std::string::npos)
            raw.resize(hash);
        std::istringstream words(raw);
        std::vector<std::string> parts;
        for (std::string word; words >> word;)
            parts.push_back(word);
        if (parts.empty())
            continue;
        const Grammar* grammar = nullptr;
        for (const Grammar& g : kSteps)
            if (parts[0] == g.name)
                grammar = &g;
        if (!grammar)
            return Fail(lineNumber, "unknown step \"" + parts[0] + "\"", error);
        DriveStep step{grammar->op, lineNumber, {}, ""};
        size_t next = 1;
        if (grammar->leadsText) {
            if (parts.size() < 2)
                return Fail(lineNumber, parts[0] + " needs a name", error);
            step.text = parts[next++];
        }
        for (; next < parts.size(); ++next) {
            int value = 0;
            if (!ToInt(parts[next], &value))
                return Fail(lineNumber, "not a number: \"" + parts[next] + "\"", error);
            step.numbers.push_back(value);
        }
        const size_t count = step.numbers.size();
        if (grammar->numbers >= 0 && count != static_cast<size_t>(grammar->numbers))
            return Fail(lineNumber,
                        parts[0] + " takes " + std::to_string(grammar->numbers) +
                            (grammar->numbers == 1 ? " number" : " numbers"),
                        error);
        if (grammar->op == DriveOp::Stroke && (count < 5 || count % 2 == 0 || step.numbers[0] < 1))
            return Fail(lineNumber, "stroke takes a step of at least 1 and two or more points", error);
        if (grammar->op == DriveOp::Stroke) {
            // Every step of the polyline is an event: bound them before any is made.
            double events = 0;
            for (size_t i = 3; i + 1 < count; i += 2)
                events += hypot(static_cast<double>(step.numbers[i]) - step.numbers[i - 2],
                                static_cast<double>(step.numbers[i + 1]) - step.numbers[i - 1]) /
                              step.numbers[0] +
                          1;
            if (events > static_cast<double>(kMaxStrokeEvents))
                return Fail(lineNumber,
                            "stroke makes more than " + std::to_string(kMaxStrokeEvents) + " events", error);
        }
        if (grammar->op == DriveOp::Mode && step.text != "input" && step.text != "post")
            return Fail(lineNumber, "mode is input or post", error);
        if (grammar->op == DriveOp::Key && DriveKeyCode(step.text) == 0)
            return Fail(lineNumber, "key is F, R, S, B, E or Esc", error);
        steps->push_back(step);
    }
    return true;
}

std::vector<MouseEvent> MouseEventsOf(const DriveStep& step) {
    const std::vector<int>& n = step.numbers;
    switch (step.op) {
        case DriveOp::Down:
            return {{MouseEvent::Down, n[0], n[1]}};
        case DriveOp::Move:
            return {{MouseEvent::Move, n[0], n[1]}};
        case DriveOp::Up:
            return {{MouseEvent::Up, n[0], n[1]}};
        case DriveOp::Tap:
            return {{MouseEvent::Down, n[0], n[1]}, {MouseEvent::Up, n[0], n[1]}};
        case DriveOp::Stroke: {
            const int spacing = n[0];
            std::vector<MouseEvent> events{{MouseEvent::Move, n[1], n[2]}, {MouseEvent::Down, n[1], n[2]}};
            for (size_t i = 3; i + 1 < n.size(); i += 2) {
                const int x0 = n[i - 2], y0 = n[i - 1], x1 = n[i], y1 = n[i + 1];
                const double length = hypot(static_cast<double>(x1 - x0), static_cast<double>(y1 - y0));
                for (int d = spacing; d < length; d += spacing) {
                    const double t = d / length;
                    events.push_back({MouseEvent::Move, static_cast<int>(lround(x0 + t * (x1 - x0))),
                                      static_cast<int>(lround(y0 + t * (y1 - y0)))});
                }
                events.push_back({MouseEvent::Move, x1, y1});
            }
            events.push_back({MouseEvent::Up, n[n.size() - 2], n[n.size() - 1]});
            return events;
        }
        default:
            return {};
    }
}

ArrivalCount CountArrivals(const std::vector<DrivePoint>& sent, const std::vector<DrivePoint>& taken) {
    ArrivalCount count;
    size_t next = 0;  // the first sent point not yet taken
    for (const DrivePoint& p : taken) {
        auto same = [&](size_t i) { return sent[i].x == p.x && sent[i].y == p.y; };
        size_t at = next;
        while (at < sent.size() && !same(at))
            ++at;
        if (at < sent.size()) {
            count.missing += at - next;
            ++count.arrived;
            next = at + 1;
            continue;
        }
        bool before = false;
        for (size_t i = 0; i < next && !before; ++i)
            before = same(i);
        ++(before ? count.repeated : count.strays);
    }
    count.missing += sent.size() - next;
    return count;
}

}  // namespace test_support
