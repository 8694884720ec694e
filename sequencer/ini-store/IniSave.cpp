// Saving through the ".bak" copy: the file at the path is replaced only by a
// complete, checked copy, so a full disk or a failed rename never leaves an
// operator's settings file truncated or missing.  Nor is a text written that
// the next IniLoad would refuse as too large.
#include <string>

#include "vantro/IniFileAccess.h"
#include "vantro/IniStore.h"

namespace vantro {

namespace {

struct SaveRun {
    IniFileWriter* writer;  // none: only count the bytes
    bool ok;
    size_t bytesOnDisk;
};

// The bytes a text-mode write puts on disk: CR LF for every line end on Windows.
size_t BytesOnDisk(const std::string& text) {
    size_t bytes = text.size();
#ifdef _WIN32
    for (char c : text)
        bytes += c == '\n' ? 1 : 0;
#endif
    return bytes;
}

void Put(SaveRun* run, const std::string& text) {
    if (!run->writer) {
        run->bytesOnDisk += BytesOnDisk(text);
        return;
    }
    if (run->ok && !run->writer->Write(text.data(), text.size()))
        run->ok = false;
}

void WriteKey(const char* key, void* value, void* extra) {
    SaveRun* run = static_cast<SaveRun*>(extra);
    Put(run, std::string(key) + "=" + static_cast<IniValue*>(value)->text.c_str() + "\n");
}

void WriteSection(const char* section, void* keys, void* extra) {
    SaveRun* run = static_cast<SaveRun*>(extra);
    Put(run, std::string("[") + section + "]\n");
    NameTableForEach(static_cast<NameTable*>(keys), WriteKey, extra);
    Put(run, "\n");
}

}  // namespace

bool IniSave(IniDictionary* dict, const char* path) {
    return IniSave(dict, path, IniRealFiles());
}

bool IniSave(IniDictionary* dict, const char* path, IniFileAccess& files) {
    if (!dict || !path || !dict->sections)
        return false;
    const std::string backup = std::string(path) + ".bak";
    if (backup.size() > kIniMaxBackupPath)
        return false;  // never cut into another file's name
    // The blank line after every section can make a file near the limit grow
    // past it; the station would then refuse its own settings at the next start.
    SaveRun measure{nullptr, true, 0};
    NameTableForEach(dict->sections, WriteSection, &measure);
    if (measure.bytesOnDisk > static_cast<size_t>(kIniMaxFileSize))
        return false;

    IniFileWriter* writer = files.CreateText(backup.c_str());
    if (!writer)
        return false;
    SaveRun run{writer, true, 0};
    NameTableForEach(dict->sections, WriteSection, &run);
    const bool closed = writer->Close();
    delete writer;
    if (!run.ok || !closed)
        return false;

    // An empty copy (no section had a key) must not replace the file.
    if (files.FirstByte(backup.c_str()) != '[')
        return false;
    return files.Replace(backup.c_str(), path);
}

}  // namespace vantro
