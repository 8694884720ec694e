#include "test_support/WatchScript.h"

#include <cctype>
#include <cstdlib>

namespace test_support {
namespace {

const struct {
    const char* name;
    int id;
} kButtons[] = {{"OK", kOk},         {"Cancel", kCancel}, {"Abort", kAbort}, {"Retry", kRetry},
                {"Ignore", kIgnore}, {"Yes", kYes},       {"No", kNo}};

bool SameWord(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

bool ParseAnswer(const std::string& word, int* id) {
    for (const auto& button : kButtons) {
        if (SameWord(word, button.name)) {
            *id = button.id;
            return true;
        }
    }
    if (word.empty() || word.size() > 5)
        return false;
    for (char c : word)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    *id = std::atoi(word.c_str());
    return *id > 0;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at])))
            ++at;
        size_t end = at;
        while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end])))
            ++end;
        if (end > at)
            words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

void AppendEscaped(std::string* out, const std::string& text) {
    *out += '"';
    for (char c : text) {
        switch (c) {
            case '\\':
                *out += "\\\\";
                break;
            case '"':
                *out += "\\\"";
                break;
            case '\r':
                *out += "\\r";
                break;
            case '\n':
                *out += "\\n";
                break;
            case '\t':
                *out += "\\t";
                break;
            default:
                *out += c;
        }
    }
    *out += '"';
}

}  // namespace

bool ParseAnswerScript(const std::string& text, AnswerScript* script, std::string* error) {
    *script = AnswerScript();
    size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        line = line.substr(0, line.find('#'));
        std::vector<std::string> words = Words(line);
        if (words.empty())
            continue;
        int id = 0;
        bool fallback = words.size() == 2 && SameWord(words[0], "fallback");
        if ((words.size() != 1 && !fallback) || !ParseAnswer(words.back(), &id)) {
            *error = "line " + std::to_string(number) + ": not an answer: " + line;
            return false;
        }
        if (fallback)
            script->fallback = id;
        else
            script->answers.push_back(id);
    }
    return true;
}

std::string AnswerName(int id) {
    for (const auto& button : kButtons)
        if (button.id == id)
            return button.name;
    return std::to_string(id);
}

std::string WithoutMnemonic(const std::string& text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&')
                shown += '&', ++i;
            continue;
        }
        shown += text[i];
    }
    return shown;
}

std::string RecordLine(const std::string& caption, const std::string& text,
                       const std::vector<std::string>& buttons, int answer) {
    std::string joined;
    for (const std::string& button : buttons)
        joined += (joined.empty() ? "" : "|") + button;
    std::string line = "caption=";
    AppendEscaped(&line, caption);
    line += " text=";
    AppendEscaped(&line, text);
    line += " buttons=";
    AppendEscaped(&line, joined);
    line += " answer=" + AnswerName(answer);
    return line;
}

}  // namespace test_support
