// The models' view bound to a dialog's controls: texts, numbers and checks
// by id, boxes through the framework's ShowMessageBox, the choosers through
// ChooseFile and BrowseForFolder, each owned by the dialog.
#pragma once

#include "framework/Dialog.h"
#include "vantro/DialogView.h"

namespace vantro {

class Win32DialogView : public DialogView {
public:
    explicit Win32DialogView(CDialog& dialog) : dialog_(dialog) {}

    void SetCaption(const std::string& text) override;
    void SetText(int id, const std::string& text) override;
    std::string GetText(int id, int maxChars) override;
    void SetInt(int id, int value) override;
    bool GetInt(int id, int* value) override;
    void SetCheck(int id, bool checked) override;
    bool IsChecked(int id) override;
    void Enable(int id, bool enabled) override;
    void Show(int id, bool shown) override;
    void SetComboItems(int id, const std::vector<std::string>& items) override;
    void SetComboSelection(int id, int index) override;
    int GetComboSelection(int id) override;
    void CaretToEnd(int id) override;
    void ShowBox(const std::string& text, const std::string& caption) override;
    bool ChooseFile(const std::string& filter, const std::string& title, std::string* path) override;
    bool ChooseFolder(const std::string& title, std::string* path) override;

private:
    CDialog& dialog_;
};

}  // namespace vantro
