// Shared pieces of the libFuzzer targets: an invariant check that aborts
// (libFuzzer then keeps the input), a reader of the input's leading control
// bytes, and a private folder per process for the files a parser needs.
#pragma once

#include <dirent.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#define FUZZ_CHECK(condition, what)                                                                          \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            fprintf(stderr, "invariant failed: %s (%s) at %s:%d\n", what, #condition, __FILE__, __LINE__);   \
            abort();                                                                                         \
        }                                                                                                    \
    } while (0)

namespace test_support {

// Takes control bytes from the front of the input; past its end every byte is 0.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    // A number in 0 .. count - 1.
    int Pick(int count) { return count <= 0 ? 0 : Byte() % count; }
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_) + at_, size_ - at_);
        at_ = size_;
        return rest;
    }
    // The rest cut at every separator line ("\n=====\n"), at most count parts.
    std::vector<std::string> Parts(size_t count) {
        static const std::string kSeparator = "\n=====\n";
        std::string rest = Rest();
        std::vector<std::string> parts;
        size_t start = 0;
        while (parts.size() + 1 < count) {
            size_t at = rest.find(kSeparator, start);
            if (at == std::string::npos)
                break;
            parts.push_back(rest.substr(start, at - start));
            start = at + kSeparator.size();
        }
        parts.push_back(rest.substr(start));
        return parts;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// Removes a folder and everything in it.
inline void FuzzRemoveTree(const std::string& path) {
    if (DIR* dir = opendir(path.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "/" + name;
            struct stat info;
            if (lstat(child.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
                FuzzRemoveTree(child);
            else
                unlink(child.c_str());
        }
        closedir(dir);
    }
    rmdir(path.c_str());
}

// This process's own folder, created on first use and removed at exit: in
// /dev/shm when there is one (files on disk cost a hundred times more runs).
inline const std::string& FuzzFolder() {
    // The exit handler keeps its own copy: it runs after the string is destroyed.
    static char atExit[64];
    static const std::string folder = [] {
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string path = std::string(base) + "/norq-fuzz-" + std::to_string(getpid());
        FuzzRemoveTree(path);
        FUZZ_CHECK(mkdir(path.c_str(), 0700) == 0, "private folder created");
        snprintf(atExit, sizeof atExit, "%s", path.c_str());
        atexit([] { FuzzRemoveTree(atExit); });
        return path;
    }();
    return folder;
}

// An empty folder of that name inside the private folder.
inline std::string FuzzFreshFolder(const std::string& name) {
    std::string path = FuzzFolder() + "/" + name;
    FuzzRemoveTree(path);
    FUZZ_CHECK(mkdir(path.c_str(), 0700) == 0, "fresh folder created");
    return path;
}

// Writes the bytes to path (replacing it).
inline void FuzzWriteFile(const std::string& path, const std::string& bytes) {
    FILE* file = fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr, "fuzz file opened");
    FUZZ_CHECK(fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(), "fuzz file written");
    FUZZ_CHECK(fclose(file) == 0, "fuzz file closed");
}

// The whole file, or "<missing>" when it cannot be opened.
inline std::string FuzzReadFile(const std::string& path) {
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr)
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    fclose(file);
    return bytes;
}

}  // namespace test_support
