#include "NameTable.h"

namespace {

std::string LowerAscii(const char* name) {
    std::string lower(name);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool SameName(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return i == a.size() && b[i] == '\0';
}

NameEntry** FindLink(NameTable* table, const char* name) {
    NameEntry** link = &table->buckets[NameOrdinal(table, name) % table->bucketCount];
    while (*link && !SameName((*link)->name, name)) link = &(*link)->next;
    return link;
}

}  // namespace

uint32_t NameOrdinal(NameTable* table, const char* name) {
    auto inserted = table->ordinals.emplace(LowerAscii(name), static_cast<uint32_t>(table->ordinals.size()));
    return inserted.first->second;
}

NameTable* NameTableCreate() { return new NameTable(); }

void* NameTablePut(NameTable* table, const char* name, void* value) {
    NameEntry** link = FindLink(table, name);
    if (*link) {
        void* previous = (*link)->value;
        (*link)->value = value;
        return previous;
    }
    NameEntry* entry = new NameEntry();
    entry->name = name;
    entry->value = value;
    *link = entry;  // the tail of its chain
    return nullptr;
}

NameEntry* NameTableFind(NameTable* table, const char* name) { return *FindLink(table, name); }

void* NameTableGet(NameTable* table, const char* name) {
    NameEntry* entry = NameTableFind(table, name);
    return entry ? entry->value : nullptr;
}

void* NameTableRemove(NameTable* table, const char* name) {
    NameEntry** link = FindLink(table, name);
    NameEntry* entry = *link;
    if (!entry) return nullptr;
    *link = entry->next;
    void* value = entry->value;
    delete entry;
    return value;
}

void NameTableForEach(const NameTable* table, NameVisitor visit, void* extra) {
    for (uint32_t b = 0; b < table->bucketCount; ++b) {
        for (const NameEntry* e = table->buckets[b]; e; e = e->next) visit(e->name.c_str(), e->value, extra);
    }
}

void NameTableDestroy(NameTable* table, NameValueRelease release) {
    if (!table) return;
    for (uint32_t b = 0; b < table->bucketCount; ++b) {
        NameEntry* e = table->buckets[b];
        while (e) {
            NameEntry* next = e->next;
            if (release) release(e->value);
            delete e;
            e = next;
        }
        table->buckets[b] = nullptr;
    }
    delete table;
}
