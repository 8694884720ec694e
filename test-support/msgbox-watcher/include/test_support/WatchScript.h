// The answer script and the record lines of the message-box watcher program
// (msgbox_watch.exe, docs/standin-tool.md).  Portable: no Win32 here.
#pragma once

#include <string>
#include <vector>

namespace test_support {

// The dialog command ids of the standard buttons (as winuser.h numbers them).
enum ButtonId { kOk = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7 };

struct AnswerScript {
    std::vector<int> answers;  // the n-th box gets the n-th answer
    int fallback = kCancel;    // every later box
};

// One answer per line: OK, Cancel, Abort, Retry, Ignore, Yes, No (any letter
// case) or a control id; "fallback <answer>" sets the answer after the list;
// "#" starts a comment.  False and a message naming the line otherwise.
bool ParseAnswerScript(const std::string& text, AnswerScript* script, std::string* error);

// "Yes" for kYes ..., the number for any other id.
std::string AnswerName(int id);

// A button's text as shown: "&&" stays one "&", a lone "&" (the mnemonic) goes.
std::string WithoutMnemonic(const std::string& text);

// caption="..." text="..." buttons="Yes|No" answer=Yes, with \\ \" \r \n \t
// escapes, so that one box is always exactly one line.
std::string RecordLine(const std::string& caption, const std::string& text,
                       const std::vector<std::string>& buttons, int answer);

}  // namespace test_support
