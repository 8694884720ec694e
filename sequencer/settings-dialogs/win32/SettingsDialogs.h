// The four settings dialogs on the framework's CDialog, each a thin shell
// over its model, and the stage settings editor that the main dialog's
// "&Operation Settings" opens.
#pragma once

#include <functional>
#include <string>

#include "framework/Dialog.h"
#include "vantro/SettingsDialogsResource.h"
#include "vantro/StageDialog.h"
#include "Win32DialogView.h"

namespace vantro {

class DialogSetSelf : public CDialog {
public:
    DialogSetSelf(const SelfDialogValues& values, CWnd* parent = nullptr);
    const SelfDialogValues& Values() const { return model_.Values(); }

protected:
    BOOL OnInitDialog() override;
    void OnShowWindow(BOOL show, UINT status) override;
    bool OnCmdMsg(UINT id, int code) override;
    void OnOK() override;

private:
    Win32DialogView view_{*this};
    SelfDialogModel model_;
};

class DialogSetMutual : public CDialog {
public:
    DialogSetMutual(const MutualDialogValues& values, CWnd* parent = nullptr);
    const MutualDialogValues& Values() const { return model_.Values(); }

protected:
    BOOL OnInitDialog() override;
    void OnShowWindow(BOOL show, UINT status) override;
    bool OnCmdMsg(UINT id, int code) override;
    void OnOK() override;

private:
    Win32DialogView view_{*this};
    MutualDialogModel model_;
};

class DialogSetSerialNum : public CDialog {
public:
    DialogSetSerialNum(const SerialNumberRecord& record, CWnd* parent = nullptr);
    const SerialNumberRecord& Record() const { return model_.Record(); }

protected:
    void OnShowWindow(BOOL show, UINT status) override;
    bool OnCmdMsg(UINT id, int code) override;
    void OnOK() override;

private:
    Win32DialogView view_{*this};
    SerialNumberDialogModel model_;
};

class DialogSetStage : public CDialog, private NestedSettingsDialogs {
public:
    DialogSetStage(const StageEditValues& values, const std::string& serialPath, CWnd* parent = nullptr);
    const StageEditValues& Values() const { return model_.Values(); }
    const std::string& SerialPath() const { return model_.SerialPath(); }

protected:
    BOOL OnInitDialog() override;
    bool OnCmdMsg(UINT id, int code) override;
    void OnOK() override;

private:
    bool EditSelf(SelfDialogValues& values) override;
    bool EditMutual(MutualDialogValues& values) override;
    bool EditSerialNumber(SerialNumberRecord& record) override;

    Win32DialogView view_{*this};
    StageDialogModel model_;
};

// The stage dialog for the main dialog, owned by the window the getter names.
// It keeps the serial-number folder, which no file holds, for the program's life.
class DialogStageSettingsEditor : public StageSettingsEditor {
public:
    explicit DialogStageSettingsEditor(std::function<CWnd*()> owner) : owner_(std::move(owner)) {}
    bool Edit(StageEditValues& values) override;
    const std::string& SerialPath() const { return serialPath_; }

private:
    std::function<CWnd*()> owner_;
    std::string serialPath_;
};

}  // namespace vantro
