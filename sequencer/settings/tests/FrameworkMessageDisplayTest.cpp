// The settings' boxes reach the framework's message box with their text,
// caption and icon; a missing required key shows exactly one.
#include <windows.h>

#include <gtest/gtest.h>

#include "FrameworkMessageDisplay.h"
#include "vantro/LoadSettings.h"
#include "framework/Prompt.h"
#include "SettingsFakes.h"

namespace vantro {

namespace {

TEST(FrameworkMessageDisplay, BoxesCarryTextCaptionAndIcon) {
    PromptScript script;
    HWND owner = nullptr;
    int asked = 0;
    FrameworkMessageDisplay messages([&] {
        ++asked;
        return owner;
    });
    messages.ShowMessage("Could not load ITO: Item!", "Warning", MessageIcon::Warning);
    messages.ShowMessage("Auto Change File Name Failed", "Check the Firmware folder !", MessageIcon::None);
    const std::vector<PromptRequest> requests = script.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].kind, PromptKind::MessageBox);
    EXPECT_EQ(requests[0].text, "Could not load ITO: Item!");
    EXPECT_EQ(requests[0].caption, "Warning");
    EXPECT_EQ(requests[0].style, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    EXPECT_EQ(requests[1].caption, "Check the Firmware folder !");
    EXPECT_EQ(requests[1].style, static_cast<UINT>(MB_OK));
    EXPECT_EQ(asked, 2);  // the owner is asked for at every box
}

TEST(FrameworkMessageDisplay, MissingRequiredKeyShowsOneWarningBox) {
    PromptScript script;
    script.Answer(IDOK);
    FrameworkMessageDisplay messages;
    FakeWindow window;
    FakeFolders folders;
    FixedDate date;
    SettingsContext ctx{messages, window, folders, date};
    std::map<std::string, std::string> files = CompleteStation();
    files["config.ini"] = RemoveKey(files["config.ini"], "Tolvane", "TolvaneCmd");
    files["config.ini"] = RemoveKey(files["config.ini"], "Mirrant", "MirrantCmd");
    WriteStation(files);
    IniDictionary* mpset = IniLoad("MPSet.ini");
    IniDictionary* config = IniLoad("config.ini");
    EXPECT_FALSE(LoadSettings(mpset, ctx, config));
    const std::vector<PromptRequest> requests = script.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].caption, "Warning");
    EXPECT_EQ(requests[0].style, static_cast<UINT>(MB_OK | MB_ICONWARNING));
    EXPECT_EQ(requests[0].text, "Could not load Tolvane: TolvaneCmd!");
    ReleaseSettingsFiles(ctx);
    IniFree(mpset);
    IniFree(config);
}

}  // namespace

}  // namespace vantro
