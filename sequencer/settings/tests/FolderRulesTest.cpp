#include "vantro/FolderHousekeeping.h"
#include "Station.h"

namespace vantro {

namespace {

std::string Moves(const FakeFolders& f) {
    std::string out;
    for (const std::string& j : f.journal)
        if (j.compare(0, 4, "move") == 0 || j.compare(0, 3, "del") == 0 || j.compare(0, 5, "rmdir") == 0)
            out += j + "|";
    return out;
}

TEST(FolderPaths, SameFolderWhateverTheSpelling) {
    EXPECT_EQ(CompareFolders("C:\\st\\.\\firmware/alpha\\", "C:\\st\\Firmware\\Alpha"), FolderRelation::Same);
    EXPECT_EQ(CompareFolders("C:\\st\\x\\..\\Firmware", "C:\\st\\Firmware\\Alpha"),
              FolderRelation::ExpectedInsideOld);
    EXPECT_EQ(CompareFolders("C:\\st\\Firmware\\Alpha\\sub", "C:\\st\\Firmware\\Alpha"),
              FolderRelation::OldInsideExpected);
    EXPECT_EQ(CompareFolders("C:\\st\\Firmware\\Alph", "C:\\st\\Firmware\\Alpha"), FolderRelation::Different);
}

struct FolderCase {
    const char* name;
    const char* oldFirm;
    bool expectedPresent;
    const char* moves;    // journal of moves and removals
    const char* newFirm;  // the key afterwards
};

TEST(FolderRules, FirmwareFolderKey) {
    const FolderCase cases[] = {
        {"expected absent: moved", "OldFw", false, "move OldFw Firmware\\Alpha|", "Firmware\\Alpha"},
        {"expected present: old removed", "OldFw", true, "del OldFw\\a.bin|rmdir OldFw|", "Firmware\\Alpha"},
        {"respelling", ".\\firmware/ALPHA\\", true, "", "Firmware\\Alpha"},
        {"empty", "", true, "", "Firmware\\Alpha"},
        {"dot", ".", true, "", "Firmware\\Alpha"},
        {"parent", "Firmware", true, "", "Firmware\\Alpha"},
        {"inside", "Firmware\\Alpha\\v2", true, "", "Firmware\\Alpha"},
    };
    for (const FolderCase& c : cases) {
        Station st;
        st.Set("config.ini", "Item0", "AutoFirmFile", c.oldFirm);
        st.folders.folders.clear();
        st.folders.AddFolder("GoldenSample\\Alpha");
        st.folders.AddFile("OldFw\\a.bin");
        if (c.expectedPresent)
            st.folders.AddFile("Firmware\\Alpha\\v2\\fw.bin");
        ASSERT_TRUE(st.Load()) << c.name << st.Texts();
        EXPECT_EQ(Moves(st.folders), c.moves) << c.name;
        EXPECT_STREQ(IniGetString(st.config, "Item0", "AutoFirmFile"), c.newFirm) << c.name;
        EXPECT_TRUE(st.folders.IsFolder("Firmware\\Alpha") || !c.expectedPresent) << c.name;
        // config.ini on disk carries the new key.
        EXPECT_NE(test_support::ReadBytes("config.ini").find("AutoFirmFile=Firmware\\Alpha"),
                  std::string::npos)
            << c.name;
    }
}

TEST(FolderRules, FixLogPathEmptiesButKeepsTheOldFolder) {
    Station st;
    st.Set("MPSet.ini", "General", "FixLogPath", "1");
    st.Set("config.ini", "Item0", "AutoGoldenPath", "OldGs");
    st.folders.AddFile("OldGs\\g.csv");
    ASSERT_TRUE(st.Load());
    EXPECT_EQ(Moves(st.folders), "del OldGs\\g.csv|");
    EXPECT_TRUE(st.folders.IsFolder("OldGs"));
    EXPECT_STREQ(IniGetString(st.config, "Item0", "AutoGoldenPath"), "GoldenSample\\Alpha");
}

TEST(FolderRules, FailedMovesStopTheLoad) {
    Station fw;
    fw.Set("config.ini", "Item0", "AutoFirmFile", "Missing");
    fw.folders.folders.clear();
    EXPECT_FALSE(fw.Load());
    ASSERT_EQ(fw.messages.boxes.size(), 1u);
    EXPECT_EQ(fw.messages.boxes[0].text, "Auto Change File Name Failed");
    EXPECT_EQ(fw.messages.boxes[0].caption, "Check the Firmware folder !");
    EXPECT_EQ(fw.messages.boxes[0].icon, MessageIcon::None);

    Station gs;
    gs.Set("config.ini", "Item0", "AutoFirmFile", "OldFw");
    gs.Set("config.ini", "Item0", "AutoGoldenPath", "OldGs");
    gs.folders.folders.clear();
    gs.folders.AddFolder("OldFw");
    gs.folders.AddFolder("OldGs");
    gs.folders.failMoveTo = FakeFolders::Key("GoldenSample\\Alpha");
    EXPECT_FALSE(gs.Load());
    EXPECT_EQ(Moves(gs.folders),
              "move OldFw Firmware\\Alpha|move OldGs GoldenSample\\Alpha|move Firmware\\Alpha OldFw|");
    EXPECT_STREQ(IniGetString(gs.config, "Item0", "AutoFirmFile"), "OldFw");
    EXPECT_TRUE(gs.folders.IsFolder("OldFw"));
    ASSERT_EQ(gs.messages.boxes.size(), 1u);
    EXPECT_EQ(gs.messages.boxes[0].caption, "Check the GoldenSample folder !");
    EXPECT_EQ(test_support::ReadBytes("config.ini"), gs.files["config.ini"]);
}

TEST(FolderRules, ResultFolderKeysAreRenamedWithoutTouchingFolders) {
    Station st;
    st.Set("config.ini", "Item0", "SaveResultPath", "Old_OK");
    st.Set("config.ini", "Item0", "SaveFailRsltPath", "Old_NG");
    ASSERT_TRUE(st.Load());
    EXPECT_EQ(Moves(st.folders), "");
    EXPECT_STREQ(IniGetString(st.config, "Item0", "SaveResultPath"), "Alpha_OK");
    EXPECT_STREQ(IniGetString(st.config, "Item0", "SaveFailRsltPath"), "Alpha_NG");
    EXPECT_NE(test_support::ReadBytes("config.ini").find("SaveFailRsltPath=Alpha_NG"), std::string::npos);
}

TEST(FolderHousekeeping, DeleteTreeAndResetLogFolder) {
    FakeFolders f;
    f.AddFile("TestLogs\\a.txt");
    f.AddFile("TestLogs\\sub\\b.txt");
    EXPECT_TRUE(ResetLogFolder(f, "TestLogs", 0));
    EXPECT_TRUE(f.IsFolder("TestLogs"));
    std::vector<FolderEntry> entries;
    f.ListEntries("TestLogs", entries);
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(ResetLogFolder(f, "", 0));
    f.AddFile("Keep\\x");
    EXPECT_TRUE(DeleteFolderTree(f, "Keep", 1));
    EXPECT_TRUE(f.IsFolder("Keep"));
    EXPECT_FALSE(DeleteFolderTree(f, "Absent", 0));
}

}  // namespace

}  // namespace vantro
