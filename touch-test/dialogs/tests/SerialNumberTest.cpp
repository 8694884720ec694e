// OK of "Serial Number Information".
#include "DialogTestFixture.h"
#include "trelliq/SerialNumber.h"

namespace trelliq {

using test_support::OnDisk;

namespace {

const char kSerialFile[] = "[SerialNum]\npath=C:\\old\nnamePrefix=OLD\ninitialNum=3\n";

}  // namespace

TEST_F(DialogStoreTest, SerialOkTakesEffectAndSetsTheKeysItMayWithoutSaving) {
    struct Case {
        const char* path;
        const char* prefix;
        int number;
        std::vector<std::string> boxes;
        const char *storedPath, *storedPrefix, *storedNumber;
    };
    const Case cases[] = {
        {"C:\\shots", "PNL", 7, {}, "C:\\shots", "PNL", "7"},
        {"C:\\shots", "PNL", 0, {}, "C:\\shots", "PNL", "0"},
        {"",
         "PNL",
         7,
         {"File Path  Couldn't be empty. / File Path Couldn't be empty."},
         "C:\\old",
         "OLD",
         "3"},
        {"C:\\shots",
         "",
         7,
         {"Prefix Couldn't be empty. / Prefix Couldn't be empty."},
         "C:\\shots",
         "OLD",
         "3"},
        {"C:\\shots",
         "PNL",
         -3,
         {"initialNum Couldn't be empty. / initialNum Couldn't be empty."},
         "C:\\shots",
         "PNL",
         "3"},
    };
    for (const Case& k : cases) {
        Load(kSerialFile);
        messages.boxes.clear();
        SerialNumberOk(config, {k.path, k.prefix, k.number}, messages);
        EXPECT_EQ(messages.boxes, k.boxes) << k.path << "|" << k.prefix << "|" << k.number;
        EXPECT_STREQ(config.SerialNum.path, k.path);
        EXPECT_STREQ(config.SerialNum.namePrefix, k.prefix);
        EXPECT_EQ(config.SerialNum.initialNum, k.number);
        EXPECT_EQ(Stored("SerialNum", "path"), k.storedPath);
        EXPECT_EQ(Stored("SerialNum", "namePrefix"), k.storedPrefix);
        EXPECT_EQ(Stored("SerialNum", "initialNum"), k.storedNumber);
        EXPECT_EQ(File(), OnDisk(kSerialFile));
        IniFileFree(IniDictionary);
    }
}

TEST_F(DialogStoreTest, SerialOkWithoutThePrefixKeyStillSetsTheNumber) {
    Load("[SerialNum]\npath=C:\\old\ninitialNum=3\n");
    SerialNumberOk(config, {"C:\\shots", "PNL", 7}, messages);
    EXPECT_EQ(messages.boxes, std::vector<std::string>{"Set Config File Failed / Set SerialPrefix Failed"});
    EXPECT_EQ(Stored("SerialNum", "initialNum"), "7");
    EXPECT_EQ(Stored("SerialNum", "namePrefix"), "<missing>");
}

TEST_F(DialogStoreTest, SerialOkCutsToTheBoundsAndWithoutAStoreOnlyTakesEffect) {
    WriteOnly(kSerialFile);
    const std::string longPrefix(60, 'P');
    const std::string longPath = "C:\\" + std::string(300, 'd');
    SerialNumberOk(config, {longPath, longPrefix, 5}, messages);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(std::string(config.SerialNum.namePrefix), std::string(49, 'P'));
    EXPECT_EQ(std::string(config.SerialNum.path), longPath.substr(0, 259));
    EXPECT_EQ(config.SerialNum.initialNum, 5);
    EXPECT_EQ(File(), OnDisk(kSerialFile));
}

}  // namespace trelliq
