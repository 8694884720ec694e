// Trelliq's INI store: the whole file in memory as a table of sections, each
// a table of keys with text values.  Sets only change keys that exist; a save
// rewrites the file in place, in hash order.  Errors are printed on stdout;
// a failed save or running out of memory while growing a value ends the
// process with exit code -1.
#pragma once

#include <stddef.h>

#include "trelliq/HashTable.h"

#define INI_PATH_SIZE 260
// Largest file the store loads, in bytes on disk.
#define INI_MAX_FILE_SIZE 65536

namespace trelliq {

struct IniFileDictionary {
    HashTable* root;  // section name -> section table (key -> heap copy of the value)
    char* text;       // the loaded file, parsed in place; kept until freed
    size_t size;      // bytes read into text
};

// The program's one file path and its one dictionary (null until a load succeeds).
extern char IniFilePath[INI_PATH_SIZE];
extern IniFileDictionary* IniDictionary;

// Loads and parses IniFilePath; null when the file is missing, larger than
// INI_MAX_FILE_SIZE, unreadable or memory runs out.
IniFileDictionary* IniFileLoad();
// Fills the root table from the loaded text; 0 when memory runs out.
int IniFileParse(IniFileDictionary* dictionary);

// Gets and sets work on IniDictionary and accept its absence (0, null, failure).
// A get trims the stored value in place; the pointer stays valid until the key
// is set again or the dictionary is freed.
int IniFileGetInt(const char* section, const char* key);
const char* IniFileGetString(const char* section, const char* key);
// Replace the value of an existing key; the stored value, or null when the
// section or key is missing.
const char* IniFileSetString(const char* section, const char* key, const char* value);
const char* IniFileSetInt(const char* section, const char* key, int value);
// Writes IniDictionary to IniFilePath; without a dictionary nothing is written.
// On Windows a file that another program holds open is replaced once it lets
// go, within 5 s; past that the save fails.
void IniFileSave();
// Frees the dictionary; IniDictionary is cleared when it named this one.
void IniFileFree(IniFileDictionary* dictionary);

// Cuts trailing space, tab and carriage-return characters in place.
void TrimRight(char* text);

}  // namespace trelliq
