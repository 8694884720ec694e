#include "vantro/IniStore.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace vantro {

namespace {

void ReleaseValue(void* value) {
    delete static_cast<IniValue*>(value);
}

void ReleaseSection(void* keys) {
    NameTableDestroy(static_cast<NameTable*>(keys), ReleaseValue);
}

IniValue* FindValue(IniDictionary* dict, const char* section, const char* key) {
    if (!dict || !dict->sections || !section || !key)
        return nullptr;
    NameTable* keys = static_cast<NameTable*>(NameTableGet(dict->sections, section));
    if (!keys)
        return nullptr;
    return static_cast<IniValue*>(NameTableGet(keys, key));
}

}  // namespace

void IniTrimRight(std::string& text) {
    size_t length = text.size();
    while (length > 0 && (text[length - 1] == ' ' || text[length - 1] == '\t' || text[length - 1] == '\r'))
        --length;
    text.resize(length);
}

IniDictionary* IniLoad(const char* path) {
    if (!path)
        return nullptr;
    struct stat info;
    if (stat(path, &info) != 0 || info.st_size < 0 || info.st_size > kIniMaxFileSize)
        return nullptr;
    const size_t size = static_cast<size_t>(info.st_size);

    IniDictionary* dict = new (std::nothrow) IniDictionary();
    if (!dict)
        return nullptr;
    dict->text = static_cast<char*>(std::malloc(size + 1));
    if (!dict->text) {
        delete dict;
        return nullptr;
    }
    FILE* file = std::fopen(path, "r");
    if (!file) {
        IniFree(dict);
        return nullptr;
    }
    const size_t got = std::fread(dict->text, 1, size, file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        IniFree(dict);
        return nullptr;
    }
    dict->text[got] = '\0';
    dict->textLength = static_cast<uint32_t>(got);
    dict->sections = NameTableCreate();
    IniParseText(dict, dict->text, got);
    return dict;
}

const IniValue* IniGetValue(IniDictionary* dict, const char* section, const char* key) {
    IniValue* value = FindValue(dict, section, key);
    if (value)
        IniTrimRight(value->text);  // the stored value stays cut
    return value;
}

const char* IniGetString(IniDictionary* dict, const char* section, const char* key) {
    const IniValue* value = IniGetValue(dict, section, key);
    return value ? value->text.c_str() : nullptr;
}

IniText IniGetText(IniDictionary* dict, const char* section, const char* key) {
    return IniText(IniGetValue(dict, section, key));
}

int IniGetInt(IniDictionary* dict, const char* section, const char* key) {
    const char* text = IniGetString(dict, section, key);
    return text ? std::atoi(text) : 0;
}

const char* IniSetString(IniDictionary* dict, const char* section, const char* key, const char* value) {
    IniValue* node = FindValue(dict, section, key);
    if (!node)
        return nullptr;
    const char* v = value ? value : "";
    size_t length = 0;
    // A line end would start a new line in the saved file.
    while (v[length] != '\0' && v[length] != '\r' && v[length] != '\n')
        ++length;
    node->text.assign(v, length);
    return node->text.c_str();
}

void IniFree(IniDictionary* dict) {
    if (!dict)
        return;
    NameTableDestroy(dict->sections, ReleaseSection);
    std::free(dict->text);
    delete dict;
}

}  // namespace vantro
