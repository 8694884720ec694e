// A dialog for the models' tests: controls by id with their text, check,
// enable, show and combo state; a changed text notifies the model as an
// edit's EN_CHANGE does; boxes and choosers are recorded and answered.
#pragma once

#include <cctype>
#include <climits>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "vantro/DialogView.h"

namespace vantro {

class FakeDialogView : public DialogView {
public:
    struct Control {
        std::string text;
        bool checked = false, enabled = true, visible = true, caretAtEnd = false;
        std::vector<std::string> items;
        int selection = -1;
    };
    struct Box {
        std::string text, caption;
    };
    struct Chooser {
        std::string filter, title;
    };

    // The model's handlers.
    std::function<void(int)> onEditChange, onClick, onComboChange;

    std::string caption;
    std::map<int, Control> controls;
    std::vector<Box> boxes;
    std::vector<Chooser> fileRequests;
    std::vector<std::string> folderRequests;
    // Answers: a path, or nothing for Cancel.
    std::deque<std::pair<bool, std::string>> fileAnswers, folderAnswers;

    // What an operator does.
    void Type(int id, const std::string& text) { SetText(id, text); }
    // A click on a check box toggles it first; a disabled control takes no click.
    void Click(int id, bool toggles = false) {
        Control& c = controls[id];
        if (!c.enabled)
            return;
        if (toggles)
            c.checked = !c.checked;
        if (onClick)
            onClick(id);
    }
    void Choose(int id, int index) {
        controls[id].selection = index;
        if (onComboChange)
            onComboChange(id);
    }
    bool Visible(int id) { return controls[id].visible; }
    bool Enabled(int id) { return controls[id].enabled; }
    const std::string& Text(int id) { return controls[id].text; }

    void SetCaption(const std::string& text) override { caption = text; }
    void SetText(int id, const std::string& text) override {
        controls[id].text = text;
        controls[id].caretAtEnd = false;
        if (onEditChange)
            onEditChange(id);
    }
    std::string GetText(int id, int maxChars) override { return controls[id].text.substr(0, maxChars); }
    void SetInt(int id, int value) override { SetText(id, std::to_string(value)); }
    // GetDlgItemInt's reading: blanks, a sign and digits; trailing text is
    // ignored (as Wine reads it); no digit or out of range is no number.
    bool GetInt(int id, int* value) override {
        const std::string& text = controls[id].text;
        size_t at = 0;
        while (at < text.size() && text[at] == ' ')
            ++at;
        bool negative = at < text.size() && text[at] == '-';
        if (negative || (at < text.size() && text[at] == '+'))
            ++at;
        if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at])))
            return false;
        long long read = 0;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
            read = read * 10 + (text[at++] - '0');
            if (read > 2147483648LL)
                return false;
        }
        read = negative ? -read : read;
        if (read > INT_MAX || read < INT_MIN)
            return false;
        *value = static_cast<int>(read);
        return true;
    }
    void SetCheck(int id, bool checked) override { controls[id].checked = checked; }
    bool IsChecked(int id) override { return controls[id].checked; }
    void Enable(int id, bool enabled) override { controls[id].enabled = enabled; }
    void Show(int id, bool shown) override { controls[id].visible = shown; }
    void SetComboItems(int id, const std::vector<std::string>& items) override {
        controls[id].items = items;
        controls[id].selection = -1;
    }
    void SetComboSelection(int id, int index) override {
        Control& c = controls[id];
        c.selection = index >= 0 && index < static_cast<int>(c.items.size()) ? index : -1;
    }
    int GetComboSelection(int id) override { return controls[id].selection; }
    void CaretToEnd(int id) override { controls[id].caretAtEnd = true; }
    void ShowBox(const std::string& text, const std::string& boxCaption) override {
        boxes.push_back({text, boxCaption});
    }
    bool ChooseFile(const std::string& filter, const std::string& title, std::string* path) override {
        fileRequests.push_back({filter, title});
        return Answer(fileAnswers, path);
    }
    bool ChooseFolder(const std::string& title, std::string* path) override {
        folderRequests.push_back(title);
        return Answer(folderAnswers, path);
    }

private:
    static bool Answer(std::deque<std::pair<bool, std::string>>& answers, std::string* path) {
        if (answers.empty())
            return false;
        auto answer = answers.front();
        answers.pop_front();
        if (answer.first)
            *path = answer.second;
        return answer.first;
    }
};

}  // namespace vantro
