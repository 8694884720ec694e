#include "trelliq/HashTable.h"

#include <stdlib.h>
#include <string.h>

namespace trelliq {

namespace {

const uint32_t kBucketCount = 31;

int FoldAscii(int c) {
    return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
}

char* CopyText(const char* text) {
    size_t length = strlen(text);
    char* copy = static_cast<char*>(malloc(length + 1));
    if (copy)
        memcpy(copy, text, length + 1);
    return copy;
}

}  // namespace

uint32_t HashKey(const char* key) {
    uint32_t h = 0;
    for (const char* p = key; *p; ++p) {
        // The byte is signed on the station's compiler: bytes above 0x7F widen to 0xFFFFFFxx.
        int32_t c = FoldAscii(static_cast<signed char>(*p));
        h = (static_cast<uint32_t>(c) ^ h) << 1;
    }
    return h;
}

bool HashKeysEqual(const char* a, const char* b) {
    for (;; ++a, ++b) {
        int ca = FoldAscii(static_cast<unsigned char>(*a));
        int cb = FoldAscii(static_cast<unsigned char>(*b));
        if (ca != cb)
            return false;
        if (ca == 0)
            return true;
    }
}

HashTable* HashCreate() {
    HashTable* table = static_cast<HashTable*>(malloc(sizeof(HashTable)));
    if (!table)
        return nullptr;
    table->bucketCount = kBucketCount;
    table->buckets = static_cast<HashNode**>(calloc(kBucketCount, sizeof(HashNode*)));
    if (!table->buckets) {
        free(table);
        return nullptr;
    }
    return table;
}

void* HashPut(HashTable* table, const char* key, void* value) {
    HashNode** head = &table->buckets[HashKey(key) % table->bucketCount];
    for (HashNode* node = *head; node; node = node->next) {
        if (HashKeysEqual(node->key, key)) {
            void* old = node->value;
            node->value = value;
            return old;
        }
    }
    HashNode* node = static_cast<HashNode*>(malloc(sizeof(HashNode)));
    if (!node)
        return nullptr;
    node->key = CopyText(key);
    if (!node->key) {
        free(node);
        return nullptr;
    }
    node->value = value;
    node->next = *head;
    *head = node;
    return value;
}

void* HashGet(HashTable* table, const char* key) {
    for (HashNode* node = table->buckets[HashKey(key) % table->bucketCount]; node; node = node->next) {
        if (HashKeysEqual(node->key, key))
            return node->value;
    }
    return nullptr;
}

void* HashRemove(HashTable* table, const char* key) {
    for (HashNode** link = &table->buckets[HashKey(key) % table->bucketCount]; *link; link = &(*link)->next) {
        HashNode* node = *link;
        if (strcmp(node->key, key) == 0) {
            void* value = node->value;
            *link = node->next;
            free(node->key);
            free(node);
            return value;
        }
    }
    return nullptr;
}

void HashDestroy(HashTable* table, void (*destroyValue)(void* value)) {
    if (!table)
        return;
    for (uint32_t b = 0; b < table->bucketCount; ++b) {
        HashNode* node = table->buckets[b];
        while (node) {
            HashNode* next = node->next;
            if (destroyValue)
                destroyValue(node->value);
            free(node->key);
            free(node);
            node = next;
        }
    }
    free(table->buckets);
    free(table);
}

void HashForEach(HashTable* table, void (*callback)(const char* key, void* value, void* context),
                 void* context) {
    for (uint32_t b = 0; b < table->bucketCount; ++b) {
        for (HashNode* node = table->buckets[b]; node; node = node->next)
            callback(node->key, node->value, context);
    }
}

}  // namespace trelliq
