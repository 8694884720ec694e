#include "trelliq/IniFile.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "trelliq/TextToInt.h"

namespace trelliq {

char IniFilePath[INI_PATH_SIZE];
IniFileDictionary* IniDictionary = nullptr;

namespace {

const char kDefaultSection[] = "DEFAULT";

// The program shows no console; the lines still go out at once so that a
// test, or a console attached by hand, sees them in order.
void PrintLine(const char* format, const char* argument) {
    if (argument)
        printf(format, argument);
    else
        fputs(format, stdout);
    fflush(stdout);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void DestroySection(void* section) {
    HashDestroy(static_cast<HashTable*>(section), free);
}

bool StoreValue(HashTable* root, const char* section, const char* key, const char* value) {
    HashTable* table = static_cast<HashTable*>(HashGet(root, section));
    if (!table) {
        table = HashCreate();
        if (!table)
            return false;
        if (!HashPut(root, section, table)) {
            HashDestroy(table, nullptr);
            return false;
        }
    }
    size_t length = strlen(value);
    char* copy = static_cast<char*>(malloc(length + 1));
    if (!copy)
        return false;
    memcpy(copy, value, length + 1);
    void* old = HashPut(table, key, copy);
    if (!old) {
        free(copy);
        return false;
    }
    if (old != copy)
        free(old);  // a repeated key: the later value wins
    return true;
}

char* FindValue(const char* section, const char* key) {
    if (!IniDictionary)
        return nullptr;
    HashTable* table = static_cast<HashTable*>(HashGet(IniDictionary->root, section));
    if (!table)
        return nullptr;
    return static_cast<char*>(HashGet(table, key));
}

struct SaveState {
    FILE* file;  // none: only count the bytes the save would write
    bool failed;
    size_t bytesOnDisk;
};

// One line of the saved text: written, or counted as a text-mode write puts
// it on disk (CR LF on Windows).
void PutLine(SaveState* state, const char* left, const char* right) {
    if (state->file) {
        if (fprintf(state->file, "%s%s\n", left, right) < 0)
            state->failed = true;
        return;
    }
#ifdef _WIN32
    state->bytesOnDisk += strlen(left) + strlen(right) + 2;
#else
    state->bytesOnDisk += strlen(left) + strlen(right) + 1;
#endif
}

void WriteKey(const char* key, void* value, void* context) {
    const std::string left = std::string(key) + "=";
    PutLine(static_cast<SaveState*>(context), left.c_str(), static_cast<const char*>(value));
}

void WriteSection(const char* name, void* table, void* context) {
    SaveState* state = static_cast<SaveState*>(context);
    const std::string header = std::string("[") + name + "]";
    PutLine(state, header.c_str(), "");
    HashForEach(static_cast<HashTable*>(table), WriteKey, context);
    PutLine(state, "", "");
}

[[noreturn]] void FailSave() {
    PrintLine("can not open %s to write\n", IniFilePath);
    exit(-1);
}

#ifdef _WIN32
// How long a save waits for others to let go of the configuration.
const DWORD kHeldWaitMs = 5000;

// A refused replace of a read-only file or a folder is also "access
// denied", but no reader letting go would make it succeed: it fails at once.
bool MayBeHeldOnly(const char* target) {
    const DWORD attributes = GetFileAttributesA(target);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}
#endif

// Puts the saved file in place of the configuration in one step.
bool ReplaceWithSaved(const char* saved, const char* target) {
#ifdef _WIN32
    // Windows refuses to replace a file that another program has open, even
    // only to read it (a sequencer or a test looking at the settings, a virus
    // scanner): the replace is tried again until the reader lets go.
    const DWORD start = GetTickCount();
    for (;;) {
        if (MoveFileExA(saved, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        const bool held =
            error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
        if (!held || !MayBeHeldOnly(target) || GetTickCount() - start >= kHeldWaitMs)
            return false;
        Sleep(20);
    }
#else
    return rename(saved, target) == 0;
#endif
}

}  // namespace

void TrimRight(char* text) {
    size_t length = strlen(text);
    while (length > 0 && (text[length - 1] == ' ' || text[length - 1] == '\t' || text[length - 1] == '\r'))
        text[--length] = '\0';
}

int IniFileParse(IniFileDictionary* dictionary) {
    enum State { LineStart, SectionName, Comment, Key, AfterKey, BeforeValue, Value };

    HashTable* defaults = HashCreate();
    if (!defaults)
        return 0;
    if (!HashPut(dictionary->root, kDefaultSection, defaults)) {
        HashDestroy(defaults, nullptr);
        return 0;
    }

    char* p = dictionary->text;
    char* const end = dictionary->text + dictionary->size;
    const char* section = kDefaultSection;
    char* sectionStart = nullptr;
    char* key = nullptr;
    char* value = nullptr;
    State state = LineStart;

    while (p < end) {
        char c = *p;
        switch (state) {
            case LineStart:
                if (c == '[') {
                    ++p;
                    sectionStart = p;
                    state = SectionName;
                } else if (c == '#') {
                    ++p;
                    state = Comment;
                } else if (IsBlank(c)) {
                    ++p;
                } else {
                    key = p;
                    state = Key;
                }
                break;
            case SectionName:
                if (c == ']') {
                    *p++ = '\0';
                    section = sectionStart;
                    state = LineStart;
                } else {
                    ++p;  // a line end does not end the name
                }
                break;
            case Comment:
                if (c == '\n')
                    state = LineStart;
                ++p;
                break;
            case Key:
                if (IsBlank(c)) {
                    *p++ = '\0';
                    state = AfterKey;
                } else if (c == ':' || c == '=') {
                    *p = '\0';  // AfterKey consumes the terminator
                    state = AfterKey;
                } else {
                    ++p;
                }
                break;
            case AfterKey:
                if (c == ':' || c == '=' || c == '\0')
                    state = BeforeValue;
                ++p;
                break;
            case BeforeValue:
                if (c == ' ' || c == '\t') {
                    ++p;
                } else {
                    value = p;
                    state = Value;
                }
                break;
            case Value:
                if (c == '\n' || c == '#') {
                    *p++ = '\0';
                    if (!StoreValue(dictionary->root, section, key, value))
                        return 0;
                    state = c == '#' ? Comment : LineStart;
                } else {
                    ++p;
                }
                break;
        }
    }

    // A last line without a line end is kept like any other (text[size] is a terminator).
    if (state == BeforeValue)
        value = end;
    if (state == BeforeValue || state == Value) {
        if (!StoreValue(dictionary->root, section, key, value))
            return 0;
    }
    return 1;
}

IniFileDictionary* IniFileLoad() {
    struct stat info;
    if (stat(IniFilePath, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > INI_MAX_FILE_SIZE)
        return nullptr;
    size_t size = static_cast<size_t>(info.st_size);

    IniFileDictionary* dictionary = static_cast<IniFileDictionary*>(calloc(1, sizeof(IniFileDictionary)));
    if (!dictionary)
        return nullptr;
    dictionary->text = static_cast<char*>(malloc(size + 1));
    dictionary->root = HashCreate();
    if (!dictionary->text || !dictionary->root) {
        IniFileFree(dictionary);
        return nullptr;
    }

    FILE* file = fopen(IniFilePath, "r");  // text mode: CR LF arrives as LF
    if (!file) {
        PrintLine("can not open %s\n", IniFilePath);
        IniFileFree(dictionary);
        return nullptr;
    }
    size_t read = fread(dictionary->text, 1, size, file);
    bool readFailed = ferror(file) != 0;
    fclose(file);
    if (readFailed) {
        IniFileFree(dictionary);
        return nullptr;
    }
    dictionary->text[read] = '\0';
    dictionary->size = read;

    if (!IniFileParse(dictionary)) {
        IniFileFree(dictionary);
        return nullptr;
    }
    return dictionary;
}

int IniFileGetInt(const char* section, const char* key) {
    char* value = FindValue(section, key);
    if (!value)
        return 0;
    TrimRight(value);
    return TextToInt(value);
}

const char* IniFileGetString(const char* section, const char* key) {
    char* value = FindValue(section, key);
    if (value)
        TrimRight(value);
    return value;
}

const char* IniFileSetString(const char* section, const char* key, const char* value) {
    if (!IniDictionary)
        return nullptr;
    HashTable* table = static_cast<HashTable*>(HashGet(IniDictionary->root, section));
    if (!table) {
        PrintLine("do not exit section %s\n", section);
        return nullptr;
    }
    char* stored = static_cast<char*>(HashGet(table, key));
    if (!stored)
        return nullptr;
    size_t length = strlen(value);
    if (length > strlen(stored)) {
        char* grown = static_cast<char*>(realloc(stored, length + 1));
        if (!grown) {
            PrintLine("out of memory\n", nullptr);
            exit(-1);
        }
        HashPut(table, key, grown);  // replaces an existing node: no allocation
        stored = grown;
    }
    memmove(stored, value, length + 1);
    return stored;
}

const char* IniFileSetInt(const char* section, const char* key, int value) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    return IniFileSetString(section, key, text);
}

void IniFileSave() {
    if (!IniDictionary)
        return;
    // The text goes to a file beside the configuration first and replaces it
    // only once it is complete: a full disk or a failed write must not leave
    // the station with a cut-short configuration.
    // The blank line after every section and the [DEFAULT] header can make a
    // file near the load limit grow past it: the next start would refuse it.
    SaveState measure = {nullptr, false, 0};
    HashForEach(IniDictionary->root, WriteSection, &measure);
    if (measure.bytesOnDisk > INI_MAX_FILE_SIZE)
        FailSave();
    const std::string temporary = std::string(IniFilePath) + ".tmp";
    FILE* file = fopen(temporary.c_str(), "w+");  // text mode: CR LF line ends on Windows
    if (!file)
        FailSave();
    SaveState state = {file, false, 0};
    HashForEach(IniDictionary->root, WriteSection, &state);
    if (fflush(file) != 0)  // the close alone does not always report a failed flush
        state.failed = true;
    if (fclose(file) != 0)
        state.failed = true;
    if (!state.failed && !ReplaceWithSaved(temporary.c_str(), IniFilePath))
        state.failed = true;
    if (state.failed) {
        remove(temporary.c_str());
        FailSave();  // never let a half-written file pass for a saved one
    }
}

void IniFileFree(IniFileDictionary* dictionary) {
    if (!dictionary)
        return;
    if (dictionary->root)
        HashDestroy(dictionary->root, DestroySection);
    free(dictionary->text);
    free(dictionary);
    if (IniDictionary == dictionary)
        IniDictionary = nullptr;
}

}  // namespace trelliq
