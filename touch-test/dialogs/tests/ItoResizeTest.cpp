// OK of "ITO Resize": scaling texts, radio groups, gaps and the pattern size.
#include "DialogTestFixture.h"
#include "trelliq/ItoResize.h"

namespace trelliq {

using test_support::OnDisk;

namespace {

const std::vector<FixtureKey> kItoKeys = {
    {"Scaling", "X", "2.0"},
    {"Scaling", "Y", "2.0"},
    {"Rotation", "radio_r0", "1"},
    {"Rotation", "radio_r90", "0"},
    {"Rotation", "radio_r180", "0"},
    {"Rotation", "radio_r270", "0"},
    {"Original", "radio_lt", "1"},
    {"Original", "radio_rt", "0"},
    {"Original", "radio_lb", "0"},
    {"Original", "radio_rb", "0"},
    {"Gap", "left", "1"},
    {"Gap", "right", "2"},
    {"Gap", "top", "3"},
    {"Gap", "bottom", "4"},
    {"Pattern", "width", "1280"},
    {"Pattern", "height", "800"},
};

const DesktopRect kDesktop = {0, 0, 1280, 800};

}  // namespace

class ItoResizeTest : public DialogStoreTest {
protected:
    void Edit() {
        config.Scaling = {1.0, 1.0};
        scaling = ShownScalingTexts(config);
        scaling.x = "1.25";  // typed; Y left as shown
        ASSERT_TRUE(SelectRadio(kItoRotationRadios, 1057, config));
        ASSERT_TRUE(SelectRadio(kItoOriginRadios, 1035, config));
        config.Gap = {5, 6, 7, -8};
        config.ScreenWidth = 1024;
        config.ScreenHeight = 768;
    }
    ItoScalingTexts scaling;
};

TEST_F(ItoResizeTest, OkWritesTheTypedScalingTheGroupsGapsAndPatternThenSavesAndResizesTheCanvas) {
    Load(IniText(kItoKeys));
    Edit();
    const ItoOkOutcome outcome = ItoResizeOk(config, scaling, kDesktop, messages);
    EXPECT_EQ(outcome.kind, ItoOkOutcome::EndOk);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(config.CanvasWidth, 1024);
    EXPECT_EQ(config.CanvasHeight, 768);
    IniFileFree(IniDictionary);
    Load(File());
    const std::vector<FixtureKey> expected = {
        {"Scaling", "X", "1.25"},
        {"Scaling", "Y", "1.000000"},
        {"Rotation", "radio_r0", "0"},
        {"Rotation", "radio_r90", "0"},
        {"Rotation", "radio_r180", "1"},
        {"Rotation", "radio_r270", "0"},
        {"Original", "radio_lt", "0"},
        {"Original", "radio_rt", "0"},
        {"Original", "radio_lb", "0"},
        {"Original", "radio_rb", "1"},
        {"Gap", "left", "5"},
        {"Gap", "right", "6"},
        {"Gap", "top", "7"},
        {"Gap", "bottom", "-8"},
        {"Pattern", "width", "1024"},
        {"Pattern", "height", "768"},
    };
    for (const FixtureKey& k : expected)
        EXPECT_EQ(Stored(k.section, k.key), k.value) << k.section << " " << k.key;
}

TEST_F(ItoResizeTest, ARefusedPatternSizeComesBackFromTheStoreAndKeepsTheDialogOpenUnsaved) {
    struct Case {
        int width, height;
        const char* box;
        int refreshId;
        const char* storedWidth;  // [Pattern] width in the store afterwards
    };
    const Case cases[] = {
        {1500, 700,
         "Pattern width 1500  is larger than the the width of screen  1280 / Set Pattern Size Failed",
         kPatternWidthId, "1280"},
        {0, 700, "Pattern width 0 can not be less than 1 / Set Pattern Size Failed", kPatternWidthId, "1280"},
        {-3, 700, "Pattern width -3 can not be less than 1 / Set Pattern Size Failed", kPatternWidthId,
         "1280"},
        {1000, 900, "Pattern heigh 900 is larger than the height of screen 800 / Set Pattern Size Failed",
         kPatternHeightId, "1000"},
        {1000, 0, "Pattern height 0 can not be less than 1 / Set Pattern Size Failed", kPatternHeightId,
         "1000"},
    };
    for (const Case& k : cases) {
        Load(IniText(kItoKeys));
        const std::string before = File();
        messages.boxes.clear();
        Edit();
        config.CanvasWidth = 11;
        config.ScreenWidth = k.width;
        config.ScreenHeight = k.height;
        const ItoOkOutcome outcome = ItoResizeOk(config, scaling, kDesktop, messages);
        EXPECT_EQ(outcome.kind, ItoOkOutcome::StayOpen) << k.box;
        EXPECT_EQ(outcome.refreshId, k.refreshId) << k.box;
        EXPECT_EQ(messages.boxes, std::vector<std::string>{k.box});
        if (k.refreshId == kPatternWidthId) {
            EXPECT_EQ(config.ScreenWidth, 1280) << k.box;
            EXPECT_EQ(config.ScreenHeight, k.height) << k.box;
        } else {
            EXPECT_EQ(config.ScreenHeight, 800) << k.box;
        }
        EXPECT_EQ(Stored("Pattern", "width"), k.storedWidth) << k.box;
        EXPECT_EQ(Stored("Pattern", "height"), "800") << k.box;
        EXPECT_EQ(Stored("Scaling", "X"), "1.25") << k.box;
        EXPECT_EQ(Stored("Rotation", "radio_r180"), "1") << k.box;
        EXPECT_EQ(Stored("Original", "radio_rb"), "1") << k.box;
        EXPECT_EQ(Stored("Gap", "bottom"), "-8") << k.box;
        EXPECT_EQ(File(), before) << k.box;
        EXPECT_EQ(config.CanvasWidth, 11) << k.box;
        IniFileFree(IniDictionary);
    }
}

TEST_F(ItoResizeTest, AMissingKeyEndsCancelledWithoutSaving) {
    Load(IniText(kItoKeys, {"Gap top"}));
    const std::string before = File();
    Edit();
    const ItoOkOutcome outcome = ItoResizeOk(config, scaling, kDesktop, messages);
    EXPECT_EQ(outcome.kind, ItoOkOutcome::EndCancel);
    EXPECT_EQ(messages.boxes, std::vector<std::string>{"Set Config File Failed / Set Config File Failed"});
    EXPECT_EQ(File(), before);
    EXPECT_EQ(Stored("Pattern", "width"), "1280");
}

TEST_F(ItoResizeTest, WithoutAStoreNothingIsWrittenAndTheDialogCloses) {
    WriteOnly("[Gap]\nleft=1\n");
    Edit();
    config.CanvasWidth = 11;
    EXPECT_EQ(ItoResizeOk(config, scaling, kDesktop, messages).kind, ItoOkOutcome::EndCancel);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(File(), OnDisk("[Gap]\nleft=1\n"));
    EXPECT_EQ(config.CanvasWidth, 11);
}

TEST(ItoScaling, TextsShownAndRead) {
    TouchTestConfig config{};
    config.Scaling = {1.0, 0.5};
    const ItoScalingTexts shown = ShownScalingTexts(config);
    EXPECT_EQ(shown.x, "1.000000");
    EXPECT_EQ(shown.y, "0.500000");
    EXPECT_DOUBLE_EQ(ReadScaling("1.25"), 1.25);
    EXPECT_DOUBLE_EQ(ReadScaling("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ReadScaling(""), 0.0);
    EXPECT_FALSE(SelectRadio(kItoOriginRadios, 1059, config));
}

}  // namespace trelliq
