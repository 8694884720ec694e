// OK on the two pages of "Test Setting": what reaches the store and the file.
#include "DialogTestFixture.h"
#include "trelliq/SettingSequences.h"

namespace trelliq {

using test_support::OnDisk;

namespace {

// The check boxes both pages hold.
void EditCheckBoxes(TouchTestConfig& c) {
    c.Cursor.check_cursor = 0;
    c.Cursor.check_log_cursor = 1;
    c.Phase3.check_phase3 = 0;
}

void EditConstrainI(TouchTestConfig& c) {
    c.Time.value = 4;
    c.PaintTime.value = 5;
    c.MousMovInvlTime.value = 6;
    c.LineWidth.side = 7;
    c.LineWidth.cross = 8;
    c.Distance.X = -5;
    c.Distance.Y = 9;
    c.Continuance.X = 10;
    c.Continuance.Y = 11;
    c.CANVAS.check_canvas = 0;
    EditCheckBoxes(c);
    c.Sensitivity.width = 12;
    c.Sensitivity.speed = 13;
    c.Sensitivity.speed_error = 14;  // not the page's: never written
}

void EditConstrainII(TouchTestConfig& c) {
    c.RptrateTime.value = 1;
    c.Rptrate.value = 2;
    c.AccuracyTime.touchvalue = 3;
    c.AccuracyTime.testvalue = 4;
    c.Accuracyrate.value = 0;
    c.Accuracyrate.Point = 13;
    c.JitterTime.value = 5;
    c.Grids.X = 4;
    c.Grids.Y = 3;
    c.TrcGap.left = 6;
    c.TrcGap.right = 7;
    c.TrcGap.top = 8;
    c.TrcGap.bottom = -9;
    c.TrcTime.value = 10;
    c.Limit.points = 11;
    c.Dot.radius = 12;
    EditCheckBoxes(c);
}

// A grid with progress, so that a rebuild shows.
void GridWithProgress(BorderHitGrid& grid) {
    grid.Rebuild(3, 3);
    grid.Hit(0, 0, 5);
}

}  // namespace

TEST_F(DialogStoreTest, ConstrainIOkWritesItsKeysAsDecimalTextsAndSavesInHashOrder) {
    Load(IniText(kConstrainIKeys) + "[Grids]\nX=6\n");
    EditConstrainI(config);
    config.Grids.X = 99;  // the other page's edit stays in memory only
    ConstrainIOk(config, messages);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(File(), OnDisk("[Cursor]\ncheck_cursor=0\ncheck_log_cursor=1\n\n"
                             "[Continuance]\nX=10\nY=11\n\n"
                             "[Time]\nvalue=4\n\n"
                             "[DEFAULT]\n\n"
                             "[Sensitivity]\nspeed_error=41\nwidth=12\nspeed=13\n\n"
                             "[MousMovInvlTime]\nvalue=6\n\n"
                             "[Phase3]\ncheck_phase3=0\n\n"
                             "[Distance]\nX=-5\nY=9\n\n"
                             "[Grids]\nX=6\n\n"
                             "[PaintTime]\nvalue=5\n\n"
                             "[CANVAS]\ncheck_canvas=0\n\n"
                             "[LineWidth]\nside=7\ncross=8\n\n"));
}

TEST_F(DialogStoreTest, ConstrainIOkTellsEachMissingKeyInOrderAndSetsAndSavesTheRest) {
    const std::string fixture =
        IniText(kConstrainIKeys, {"PaintTime value", "Continuance Y", "Sensitivity speed"});
    Load(fixture);
    EditConstrainI(config);
    ConstrainIOk(config, messages);
    EXPECT_EQ(messages.boxes, (std::vector<std::string>{
                                  "Set Config File Failed / Set PaintTime Failed",
                                  "Set Config File Failed / Set Continuance y Failed",
                                  "Set Speed Failed / Set Config File Failed",
                              }));
    IniFileFree(IniDictionary);
    Load(File());
    EXPECT_EQ(Stored("Time", "value"), "4");
    EXPECT_EQ(Stored("Continuance", "X"), "10");
    EXPECT_EQ(Stored("Sensitivity", "width"), "12");
    // No key was added.
    EXPECT_EQ(Stored("PaintTime", "value"), "<missing>");
    EXPECT_EQ(Stored("Continuance", "Y"), "<missing>");
    EXPECT_EQ(Stored("Sensitivity", "speed"), "<missing>");
}

TEST_F(DialogStoreTest, ConstrainIOkSetsItsKeysInOrderWithWidthAfterSpeed) {
    Load("[Other]\nkey=1\n");
    ConstrainIOk(config, messages);
    EXPECT_EQ(messages.boxes, (std::vector<std::string>{
                                  "Set Config File Failed / Set Config File Failed",
                                  "Set Config File Failed / Set PaintTime Failed",
                                  "Set Config File Failed / Set Config File Failed",
                                  "Set Config File Failed / Set Config File Failed",
                                  "Set Config File Failed / Set Config File Failed",
                                  "Set Config File Failed / Set Config File Failed",
                                  "Set Config File Failed / Set Config File Failed",
                                  "Set Config File Failed / Set Continuance x Failed",
                                  "Set Config File Failed / Set Continuance y Failed",
                                  "Set Config File Failed / Set Config File Failed",
                                  "Set Config File Failed / Set check_cursor Failed",
                                  "Set Config File Failed / Set check_log_cursor Failed",
                                  "Set Config File Failed / Set check_phase3 File Failed",
                                  "Set Speed Failed / Set Config File Failed",
                                  "Set Config File Failed / Set Config File Failed",
                              }));
    EXPECT_EQ(File(), OnDisk("[DEFAULT]\n\n[Other]\nkey=1\n\n"));
}

// Records the grid as each box comes, to show where the rebuild happens.
class GridAtEachBox : public MessageSink {
public:
    explicit GridAtEachBox(const BorderHitGrid& grid) : grid_(grid) {}
    std::vector<std::string> boxes;
    void Show(const char* text, const char* caption) override {
        boxes.push_back(std::string(text) + " / " + caption + " @" + std::to_string(grid_.Columns()) + "x" +
                        std::to_string(grid_.Rows()) + ":" + std::to_string(grid_.Counter(0, 0)));
    }

private:
    const BorderHitGrid& grid_;
};

TEST_F(DialogStoreTest, ConstrainIIOkSetsInOrderRebuildsTheGridAfterItsSizeAndStopsAtTheFirstMissingGap) {
    Load("[Other]\nkey=1\n");
    EditConstrainII(config);
    GridWithProgress(grid);
    GridAtEachBox boxes(grid);
    EXPECT_FALSE(ConstrainIIOk(config, grid, boxes));
    EXPECT_EQ(boxes.boxes, (std::vector<std::string>{
                               "Set RptrateTime Failed / Set Config File Failed @3x3:1",
                               "Set Rptrate Failed / Set Config File Failed @3x3:1",
                               "Set AccuracyTime Failed / Set Config File Failed @3x3:1",
                               "Set AccuracyTime Failed / Set Config File Failed @3x3:1",
                               "Set Accuracyrate Failed / Set Config File Failed @3x3:1",
                               "Set Accuracyrate Failed / Set Config File Failed @3x3:1",
                               "Set JitterTime Failed / Set Config File Failed @3x3:1",
                               "Set Config File Failed / Set Grids X Failed @3x3:1",
                               "Set Config File Failed / Set Grids Y Failed @3x3:1",
                               "Set Config File Failed / Set TrcTime Failed @4x3:0",
                               "Set Config File Failed / Set Limit points Failed @4x3:0",
                               "Set radius Failed / Set Dot radius Failed @4x3:0",
                               "Set Config File Failed / Set check_cursor Failed @4x3:0",
                               "Set Config File Failed / Set check_log_cursor Failed @4x3:0",
                               "Set Config File Failed / Set check_phase3 Failed @4x3:0",
                               "Set Config File Failed / Set w_trc_leftgap Failed @4x3:0",
                           }));
    EXPECT_EQ(File(), OnDisk("[Other]\nkey=1\n"));
}

TEST_F(DialogStoreTest, ConstrainIIOkWritesItsKeysAndSaves) {
    Load(IniText(kConstrainIIKeys, {"Dot radius"}));
    EditConstrainII(config);
    config.Time.value = 77;  // the other page's edit is not written
    GridWithProgress(grid);
    EXPECT_TRUE(ConstrainIIOk(config, grid, messages));
    EXPECT_EQ(messages.boxes, std::vector<std::string>{"Set radius Failed / Set Dot radius Failed"});
    EXPECT_EQ(grid.Columns(), 4);
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.Counter(0, 0), 0);
    IniFileFree(IniDictionary);
    Load(File());
    const std::vector<FixtureKey> expected = {
        {"RptrateTime", "value", "1"},
        {"Rptrate", "value", "2"},
        {"AccuracyTime", "touchvalue", "3"},
        {"AccuracyTime", "testvalue", "4"},
        {"Accuracyrate", "value", "0"},
        {"Accuracyrate", "Point", "13"},
        {"JitterTime", "value", "5"},
        {"Grids", "X", "4"},
        {"Grids", "Y", "3"},
        {"TrcGap", "left", "6"},
        {"TrcGap", "right", "7"},
        {"TrcGap", "top", "8"},
        {"TrcGap", "bottom", "-9"},
        {"TrcTime", "value", "10"},
        {"Limit", "points", "11"},
        {"Cursor", "check_cursor", "0"},
        {"Cursor", "check_log_cursor", "1"},
        {"Phase3", "check_phase3", "0"},
    };
    for (const FixtureKey& k : expected)
        EXPECT_EQ(Stored(k.section, k.key), k.value) << k.section << " " << k.key;
    EXPECT_EQ(Stored("Dot", "radius"), "<missing>");
}

TEST_F(DialogStoreTest, ConstrainIIMissingRightGapEndsWithoutSavingAndTheNextSaveWritesWhatWasSet) {
    const std::string fixture = IniText(kConstrainIIKeys, {"TrcGap right"});
    Load(fixture);
    const std::string before = File();
    EditConstrainII(config);
    EXPECT_FALSE(ConstrainIIOk(config, grid, messages));
    EXPECT_EQ(messages.boxes, std::vector<std::string>{"Set Config File Failed / Set w_trc_rightgap Failed"});
    EXPECT_EQ(File(), before);
    EXPECT_EQ(Stored("TrcGap", "left"), "6");
    EXPECT_EQ(Stored("TrcGap", "top"), "58");
    EXPECT_EQ(Stored("TrcGap", "bottom"), "59");
    EXPECT_EQ(Stored("Grids", "X"), "4");
    IniFileSave();
    IniFileFree(IniDictionary);
    Load(File());
    EXPECT_EQ(Stored("Grids", "X"), "4");
    EXPECT_EQ(Stored("TrcGap", "left"), "6");
    EXPECT_EQ(Stored("TrcGap", "top"), "58");
}

TEST_F(DialogStoreTest, WithoutAStoreEveryOkWritesAndSavesNothing) {
    WriteOnly("[Time]\nvalue=1\n");
    EditConstrainI(config);
    EditConstrainII(config);
    GridWithProgress(grid);
    ConstrainIOk(config, messages);
    EXPECT_TRUE(ConstrainIIOk(config, grid, messages));
    const TouchTestConfig edited = config;
    ConstrainICancel(config);
    ConstrainIICancel(config, grid);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(File(), OnDisk("[Time]\nvalue=1\n"));
    EXPECT_EQ(config.Time.value, edited.Time.value);
    EXPECT_EQ(config.TrcGap.bottom, edited.TrcGap.bottom);
    EXPECT_EQ(grid.Columns(), 3);
    EXPECT_EQ(grid.Counter(0, 0), 1);
}

}  // namespace trelliq
