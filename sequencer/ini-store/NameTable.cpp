#include "vantro/NameTable.h"

namespace vantro {

namespace {

std::string LowerAscii(const char* name) {
    std::string lower(name);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

}  // namespace

uint32_t NameOrdinal(NameTable* table, const char* name) {
    auto inserted = table->ordinals.emplace(LowerAscii(name), static_cast<uint32_t>(table->ordinals.size()));
    return inserted.first->second;
}

NameTable* NameTableCreate() {
    return new NameTable();
}

NameEntry* NameTableFind(NameTable* table, const char* name) {
    const uint32_t ordinal = NameOrdinal(table, name);
    return ordinal < table->entries.size() ? table->entries[ordinal] : nullptr;
}

void* NameTablePut(NameTable* table, const char* name, void* value) {
    const uint32_t ordinal = NameOrdinal(table, name);
    if (ordinal < table->entries.size() && table->entries[ordinal]) {
        NameEntry* existing = table->entries[ordinal];
        void* previous = existing->value;
        existing->value = value;
        return previous;
    }
    NameEntry* entry = new NameEntry();
    entry->name = name;
    entry->value = value;
    const uint32_t bucket = ordinal % table->bucketCount;
    if (table->tails[bucket]) {
        table->tails[bucket]->next = entry;  // chains keep insertion order
    } else {
        table->buckets[bucket] = entry;
    }
    table->tails[bucket] = entry;
    if (table->entries.size() <= ordinal)
        table->entries.resize(ordinal + 1, nullptr);
    table->entries[ordinal] = entry;
    return nullptr;
}

void* NameTableGet(NameTable* table, const char* name) {
    NameEntry* entry = NameTableFind(table, name);
    return entry ? entry->value : nullptr;
}

void* NameTableRemove(NameTable* table, const char* name) {
    const uint32_t ordinal = NameOrdinal(table, name);
    NameEntry* entry = ordinal < table->entries.size() ? table->entries[ordinal] : nullptr;
    if (!entry)
        return nullptr;
    const uint32_t bucket = ordinal % table->bucketCount;
    NameEntry* previous = nullptr;
    NameEntry** link = &table->buckets[bucket];
    while (*link != entry) {
        previous = *link;
        link = &(*link)->next;
    }
    *link = entry->next;
    if (table->tails[bucket] == entry)
        table->tails[bucket] = previous;
    table->entries[ordinal] = nullptr;
    void* value = entry->value;
    delete entry;
    return value;
}

void NameTableForEach(const NameTable* table, NameVisitor visit, void* extra) {
    for (uint32_t b = 0; b < table->bucketCount; ++b) {
        for (const NameEntry* e = table->buckets[b]; e; e = e->next)
            visit(e->name.c_str(), e->value, extra);
    }
}

void NameTableDestroy(NameTable* table, NameValueRelease release) {
    if (!table)
        return;
    for (uint32_t b = 0; b < table->bucketCount; ++b) {
        NameEntry* e = table->buckets[b];
        while (e) {
            NameEntry* next = e->next;
            if (release)
                release(e->value);
            delete e;
            e = next;
        }
        table->buckets[b] = nullptr;
    }
    delete table;
}

}  // namespace vantro
