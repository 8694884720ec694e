#include "trelliq/HashTable.h"
#include "trelliq/TextToInt.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace trelliq {

TEST(HashTable, BucketsOfKnownNames) {
    struct Case {
        const char* key;
        uint32_t bucket;
    };
    const Case cases[] = {
        {"Rotation", 11},
        {"Invoke", 26},
        {"Cursor", 1},
        {"CURSOR", 1},
        {"radio_r0", 13},
        {"radio_r90", 1},
        // 0xE9 widens as a signed byte; unsigned it would go to bucket 30.
        {"caf\xE9", 16},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HashKey(c.key) % 31, c.bucket) << c.key;
}

TEST(HashTable, PutGetReplaceAndCaseInsensitiveKeys) {
    HashTable* table = HashCreate();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->bucketCount, 31u);
    int a = 1, b = 2;
    EXPECT_EQ(HashPut(table, "Cursor", &a), &a);
    EXPECT_EQ(HashGet(table, "CURSOR"), &a);
    EXPECT_EQ(HashPut(table, "cursor", &b), &a);  // the old value goes back to the caller
    EXPECT_EQ(HashGet(table, "Cursor"), &b);
    EXPECT_EQ(HashGet(table, "Cursors"), nullptr);
    HashDestroy(table, nullptr);
}

TEST(HashTable, ForEachRunsBucketsInOrderNewestFirst) {
    HashTable* table = HashCreate();
    int v = 0;
    // "Cursor" and "radio_r90" share bucket 1; "Rotation" is in 11.
    HashPut(table, "Rotation", &v);
    HashPut(table, "Cursor", &v);
    HashPut(table, "radio_r90", &v);
    std::vector<std::string> keys;
    HashForEach(
        table,
        [](const char* key, void*, void* context) {
            static_cast<std::vector<std::string>*>(context)->push_back(key);
        },
        &keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"radio_r90", "Cursor", "Rotation"}));
    HashDestroy(table, nullptr);
}

TEST(TextToInt, AtoiRulesClampedToInt) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"42", 42},
        {"  -7", -7},
        {"+3x", 3},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"2147483647", INT_MAX},
        {"\t\n5", 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextToInt(c.text), c.value) << c.text;
}

}  // namespace trelliq
