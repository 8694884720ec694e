// NameTable: a chained hash table of names with 63 buckets.  A name's bucket
// is its number of first use (by insert or lookup, names compared without
// regard to ASCII letter case) modulo 63, and chains keep insertion order, so
// walking the table visits names in order of first appearance for the first
// 63 names, and bucket k then holds names k, k+63, k+126 ...
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vantro {

constexpr uint32_t kNameTableBuckets = 63;

struct NameEntry {
    std::string name;       // own copy, spelled as first put
    void* value = nullptr;  // not owned by the table
    NameEntry* next = nullptr;
};

struct NameTable {
    uint32_t bucketCount = kNameTableBuckets;
    NameEntry* buckets[kNameTableBuckets] = {};
    NameEntry* tails[kNameTableBuckets] = {};
    // The table's own name numbering: lower-cased name -> number of first use,
    // and the entry of each number, so a lookup never walks a chain.
    std::unordered_map<std::string, uint32_t> ordinals;
    std::vector<NameEntry*> entries;
};

typedef void (*NameValueRelease)(void* value);
typedef void (*NameVisitor)(const char* name, void* value, void* extra);

NameTable* NameTableCreate();
// Inserts the name, or replaces the value of an existing entry (whose
// spelling is kept).  Returns the previous value, or none.
void* NameTablePut(NameTable* table, const char* name, void* value);
// The value of the name, or none when absent.
void* NameTableGet(NameTable* table, const char* name);
// The entry of the name, or none when absent (its value may be replaced).
NameEntry* NameTableFind(NameTable* table, const char* name);
// Removes the entry and returns its value, or none when absent.
void* NameTableRemove(NameTable* table, const char* name);
// Calls visit for every entry, bucket 0 to 62, each chain from head to tail.
void NameTableForEach(const NameTable* table, NameVisitor visit, void* extra);
// Removes every entry, handing each value to release (when given), and frees the table.
void NameTableDestroy(NameTable* table, NameValueRelease release);
// The name's number in this table, given on first use.
uint32_t NameOrdinal(NameTable* table, const char* name);

}  // namespace vantro
