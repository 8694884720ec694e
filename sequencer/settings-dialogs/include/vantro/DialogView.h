// What the settings dialogs' models see of their dialog: controls by id, the
// message box and the file and folder choosers.  The Win32 side binds it to
// a dialog's controls; the tests bind it to a recording fake.
#pragma once

#include <string>
#include <vector>

namespace vantro {

class DialogView {
public:
    virtual ~DialogView() = default;

    virtual void SetCaption(const std::string& text) = 0;
    // Setting a control's text notifies the model of a change, as an edit does.
    virtual void SetText(int id, const std::string& text) = 0;
    // The control's text cut to maxChars characters.
    virtual std::string GetText(int id, int maxChars) = 0;
    virtual void SetInt(int id, int value) = 0;
    // Signed; false when the text does not read as a number (empty, "abc",
    // out of range).
    virtual bool GetInt(int id, int* value) = 0;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool IsChecked(int id) = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual void Show(int id, bool shown) = 0;
    virtual void SetComboItems(int id, const std::vector<std::string>& items) = 0;
    virtual void SetComboSelection(int id, int index) = 0;
    virtual int GetComboSelection(int id) = 0;  // -1: none
    // Path edits keep their end in sight.
    virtual void CaretToEnd(int id) = 0;

    virtual void ShowBox(const std::string& text, const std::string& caption) = 0;
    // An open-file dialog (the file must exist, no read-only box, the current
    // folder kept); true and *path when a file was chosen.
    virtual bool ChooseFile(const std::string& filter, const std::string& title, std::string* path) = 0;
    // A browser of file-system folders; true and *path when one was chosen.
    virtual bool ChooseFolder(const std::string& title, std::string* path) = 0;
};

}  // namespace vantro
