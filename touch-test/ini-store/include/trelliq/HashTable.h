// String-keyed hash table of 31 fixed buckets, keys compared without regard
// to ASCII case.  The table owns its key copies; values are the caller's.
#pragma once

#include <stdint.h>

namespace trelliq {

struct HashNode {
    char* key;
    void* value;
    HashNode* next;
};

struct HashTable {
    uint32_t bucketCount;  // always 31
    HashNode** buckets;
};

// The bucket hash: bytes taken as signed chars, A-Z folded, (c ^ h) << 1.
uint32_t HashKey(const char* key);

// New empty table; null when memory runs out.
HashTable* HashCreate();
// Adds the pair (the key is copied).  For a key already present the value is
// replaced and the old one returned (the caller owns it); for a new key the
// new value itself is returned; null when memory runs out.
void* HashPut(HashTable* table, const char* key, void* value);
// The value, or null when absent.
void* HashGet(HashTable* table, const char* key);
// Unlinks the node whose key equals `key` exactly; returns its value or null.
void* HashRemove(HashTable* table, const char* key);
// Frees every node (buckets 0..30, heads first), handing each value to
// destroyValue when given, then the table itself.
void HashDestroy(HashTable* table, void (*destroyValue)(void* value));
// callback(key, value, context) for every node, buckets 0..30, each chain from its head.
void HashForEach(HashTable* table, void (*callback)(const char* key, void* value, void* context),
                 void* context);

// ASCII case-insensitive equality of two names.
bool HashKeysEqual(const char* a, const char* b);

}  // namespace trelliq
