#include "test_support/StandinScript.h"

#include <cstdlib>

#include "PanelState.h"

namespace test_support {

std::string Unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
    }
    return out;
}

namespace {

// Splits off the first blank-separated word.
std::string Word(std::string* rest) {
    size_t start = rest->find_first_not_of(" \t");
    if (start == std::string::npos) {
        rest->clear();
        return std::string();
    }
    size_t end = rest->find_first_of(" \t", start);
    std::string word = rest->substr(start, end == std::string::npos ? std::string::npos : end - start);
    *rest = end == std::string::npos ? std::string() : rest->substr(end + 1);
    return word;
}

// A 32-bit hex number, with or without its "0x".
bool ParseHexWord(std::string hex, uint32_t* value) {
    if (hex.compare(0, 2, "0x") != 0 && hex.compare(0, 2, "0X") != 0)
        hex = "0x" + hex;
    int64_t number = 0;
    if (!portaq_sim::ParseNumber(hex, &number) || number < 0 || number > 0xFFFFFFFFll)
        return false;
    *value = static_cast<uint32_t>(number);
    return true;
}

}  // namespace

bool ParseScript(const std::string& text, std::vector<Step>* steps, std::string* error) {
    steps->clear();
    return portaq_sim::ForEachContentLine(text, [&](const std::string& trimmed, int lineNumber) {
        std::string rest = trimmed;
        std::string verb = Word(&rest);
        Step step;
        step.kind = Step::kExit;
        bool ok = true;
        if (verb == "wait") {
            std::string amount = Word(&rest);
            if (amount == "forever") {
                step.kind = Step::kWaitForever;
            } else {
                step.kind = Step::kWait;
                ok = portaq_sim::ParseNumber(amount, &step.number) && step.number >= 0;
            }
        } else if (verb == "write") {
            step.kind = Step::kWrite;
            step.name = Word(&rest);
            step.text = Unescape(rest);
            ok = !step.name.empty();
        } else if (verb == "plug" || verb == "unplug") {
            step.kind = verb == "plug" ? Step::kPlug : Step::kUnplug;
        } else if (verb == "panel") {
            step.kind = Step::kPanel;
            step.name = Word(&rest);
            step.text = portaq_sim::Trim(rest);
            ok = !step.name.empty();
        } else if (verb == "portaq-read" || verb == "portaq-write") {
            step.kind = verb == "portaq-read" ? Step::kPortaqRead : Step::kPortaqWrite;
            ok = portaq_sim::ParseNumber(Word(&rest), &step.number) && step.number >= 0;
            ok = ParseHexWord(Word(&rest), &step.address) && ok;
            if (step.kind == Step::kPortaqWrite)
                ok = ParseHexWord(Word(&rest), &step.word) && ok;
        } else if (verb == "exit") {
            step.kind = Step::kExit;
            ok = portaq_sim::ParseNumber(Word(&rest), &step.number);
        } else {
            ok = false;
        }
        if (!ok) {
            if (error)
                *error = "line " + std::to_string(lineNumber) + ": " + trimmed;
            return false;
        }
        steps->push_back(step);
        return true;
    });
}

}  // namespace test_support
