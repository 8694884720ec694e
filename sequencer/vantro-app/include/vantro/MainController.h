// The main dialog's decisions: start-up, the view reset, the modes and their
// keys, the close guards, the timers, the status colour, the setting combo,
// the settings button, the row double click and the end of the program.
#pragma once

#include <atomic>
#include <string>

#include "vantro/SettingsContext.h"
#include "vantro/DeviceWatch.h"
#include "vantro/MainView.h"
#include "vantro/SequenceEngine.h"
#include "vantro/StageEdit.h"

namespace vantro {

constexpr const char* kDefaultTitle = " Norq Vantro v1.0.6A_06_1127A";
constexpr unsigned kVirtualKeyE = 0x45, kVirtualKeyM = 0x4D, kVirtualKeyA = 0x41;
constexpr int kModeMp = 0, kModeEngineer = 1, kModeAio = 2, kModeConfirm = 3;
constexpr int kDialogOk = 1;

// The product picture for the screen: "LargeSpec.bmp", "SmallSpec.bmp" or none.
const char* SpecPictureFor(int showMutResult, int screenHeight);

struct MainParts {
    SettingsContext& context;
    SequenceEngine& engine;
    DeviceWatch& device;
    ToolRunner& tools;
    MainView& view;
    StageSettingsEditor& stageEditor;
    StageFileSearch& fileSearch;
    OpenShortResults& openShort;
    ItoMapDisplay& itoMap;
};

class MainController {
public:
    // Deletes the result files of an earlier run.
    explicit MainController(MainParts parts);
    ~MainController();
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    void OnInitDialog();
    void ResetView();
    bool SwitchMode(int mode);
    // WM_KEYDOWN: true when consumed.
    bool OnKeyDown(unsigned virtualKey);
    // Every close by the operator: the close button, Alt+F4, Esc, Enter, OK, Cancel.
    bool MayClose();
    void OnTestButton();
    void OnTimer(unsigned id);
    // Status text colour as 0x00BBGGRR.
    uint32_t StatusColour() const;
    void OnSettingSelected(int index);
    void OnSettingsButton();
    void OnRowDoubleClick(int row);
    // WM_PAINT beyond the default painting, WM_SIZE and WM_MOUSEMOVE.
    void OnPaint();
    void OnSize();
    void OnMouseMove(int x, int y);
    // After the modal loop: the result files and the viewer; the pass byte.
    bool OnDestroy();

    bool SettingsLoaded() const { return loaded_; }
    bool ConsoleMode() const { return console_; }
    bool ProductionMode() const { return production_; }
    bool Aio() const { return aio_; }
    bool Pass() const { return pass_; }
    // Whether the end files were written completely (a pass read back).
    bool ResultFileWritten() const { return resultWritten_; }

private:
    void Status(const char* text, bool printed);
    bool Running() const { return engine_.TestRunning(); }

    SettingsContext& context_;
    SequencerSettings& settings_;
    SequenceEngine& engine_;
    DeviceWatch& device_;
    ToolRunner& tools_;
    MainView& view_;
    StageSettingsEditor& stageEditor_;
    StageFileSearch& fileSearch_;
    OpenShortResults& openShort_;
    ItoMapDisplay& itoMap_;

    IniDictionary* config_ = nullptr;
    IniDictionary* mpset_ = nullptr;
    bool loaded_ = false;
    bool laidOut_ = false;  // the first view reset has placed the controls
    bool switchFailed_ = false;
    bool console_ = false;
    bool production_ = true;
    bool aio_ = false;
    bool pass_ = false;
    bool resultWritten_ = false;
};

}  // namespace vantro
