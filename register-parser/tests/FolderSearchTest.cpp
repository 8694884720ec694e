// The folder constructor over a two-level tree of candidates.
#include "TestFiles.h"

#include <string>

namespace pelliton {

namespace {

const char kId[] = "00 01 02 01";
const char kTime[] = "20240311153000";

std::string table(const char* id, const char* time, const char* body) {
    return std::string("FW Tool\nstart,0x1000,x,x,x,x,x,") + id + ",x," + time + "\nx,x,\tByte\n////G\n" +
           body;
}

void buildTree(const char* root, bool withMatch) {
    const std::string r = root;
    CreateFolder(root);
    CreateFolder((r + "/a").c_str());
    CreateFolder((r + "/a/deep").c_str());
    CreateFolder((r + "/b").c_str());
    // Candidates that fail in each way, with registers a leak would show.
    writeFile(r + "/a/other-ext.txt", table(kId, kTime, "0x1,0,4,Leak,1,d\n"));
    writeFile(r + "/a/unreadable.csv", "Nonsense\n0x1,0,4,Leak,1,d\n");
    writeFile(r + "/b/other-id.csv", table("00 01 02 02", kTime, "0x1,0,4,Leak,1,d\n"));
    writeFile(r + "/b/other-time.csv", table(kId, "20990101000000", "0x1,0,4,Leak,1,d\n"));
    writeFile(r + "/a/deep/bad-body.csv",
              table(kId, kTime, "0x1,0,4,Leak,1,d\nPin Assignment\nchip,M\nid,1\npins,1\np,1,2\n"));
    writeFile(r + "/a/deep/zz-other-id.csv", table("00 01 02 03", kTime, "0x1,0,4,Leak,1,d\n"));
    writeFile(r + "/a/deep/00-bad-body.csv", table(kId, kTime, "0x1,0,4,Leak,1,d\nCtrl Pin Table\nchip,M\n"));
    if (withMatch)
        writeFile(r + "/a/deep/match.csv", table(kId, kTime, "0x00000010,0,4,Gain,5,d\n"));
}

TEST(FolderSearch, FindsTheMatchingTableOnly) {
    buildTree("tree", true);
    testing::internal::CaptureStdout();
    std::unique_ptr<CCsvParser> p(new CCsvParser("tree", kId, kTime));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(p->fileType, 3);
    EXPECT_EQ(p->registerCount, 1);
    EXPECT_EQ(p->getParamAddress("Gain"), 0x1010u);
    EXPECT_EQ(p->lookUp("Leak"), nullptr);
    EXPECT_EQ(p->chipCount, 0);
    EXPECT_STREQ(p->mainCodeId, kId);
    EXPECT_STREQ(p->buildTime, kTime);
}

TEST(FolderSearch, NoMatchLeavesAnEmptyTable) {
    buildTree("nomatch", false);
    testing::internal::CaptureStdout();
    std::unique_ptr<CCsvParser> p(new CCsvParser("nomatch", kId, kTime));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "nomatch cannot find any matching file!\n");
    EXPECT_EQ(p->fileType, -3);  // some candidates belonged to other firmware
    EXPECT_EQ(p->registerCount, 0);
    EXPECT_EQ(p->lookUp("Leak"), nullptr);
    EXPECT_EQ(p->startAddr, 0u);

    CreateFolder("unreadable-only");
    writeFile("unreadable-only/x.csv", "Nonsense\n");
    testing::internal::CaptureStdout();
    p.reset(new CCsvParser("unreadable-only", kId, kTime));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "unreadable-only cannot find any matching file!\n");
    EXPECT_EQ(p->fileType, -2);

    testing::internal::CaptureStdout();
    p.reset(new CCsvParser("no-such-folder", kId, kTime));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "no-such-folder cannot find any matching file!\n");
    EXPECT_EQ(p->fileType, -2);
    EXPECT_EQ(p->registerCount, 0);
}

}  // namespace

}  // namespace pelliton
