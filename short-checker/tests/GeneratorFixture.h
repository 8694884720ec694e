// Pattern-folder trees for the GenerateThreshold tests, over the public
// header only, so that the same tree serves the library's parts and the
// tests through Shorvik.dll.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "ReportFixture.h"

namespace shorvik {

// folder + separator + name, as the generator joins them.
inline std::string FixturePath(const std::string& folder, const std::string& name) {
#ifdef _WIN32
    return folder + "\\" + name;
#else
    return folder + "/" + name;
#endif
}

namespace fs = std::filesystem;

#ifdef _WIN32
const std::string kLineEnd = "\r\n";
#else
const std::string kLineEnd = "\n";
#endif

inline std::string readBinary(const std::string& path) {
    std::string bytes;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr)
        return "<missing " + path + ">";
    int c;
    while ((c = getc(file)) != EOF)
        bytes.push_back(static_cast<char>(c));
    fclose(file);
    return bytes;
}

inline std::string repeatLines(const std::string& line, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += line + kLineEnd;
    return out;
}

// A 7 x 7 pattern file.  Shorted folders: the s shorted lines have product 60,
// good lines 100 at odd distance from the shorted block and 102 at even.
inline void writeShorted(const std::string& path, bool alongY, bool atEnd, int s) {
    std::string text = "Width,7\nHeight,7\nNode\n";
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 7; ++y) {
            int line = alongY ? y : x;
            int distance = atEnd ? (7 - s) - line : line - (s - 1);  // 1 for the nearest good line
            float product = distance <= 0 ? 60.0f : (distance % 2 ? 100.0f : 102.0f);
            char row[96];
            snprintf(row, sizeof row, "N,%d,%d,%.1f,1,1000,1000\n", x + 1, y + 1, product);
            text += row;
        }
    ASSERT_TRUE(WriteBytes(path, text));
}

struct Folders {
    std::string names[20];
    PatternFolderConfig config;
};

// Relative folder names in the generator's index order, each with one file p.csv.
inline void makeFolders(Folders& folders) {
    const char* kinds[4] = {"xh", "xe", "yh", "ye"};
    folders.names[0] = "ok";
    for (int k = 0; k < 4; ++k)
        for (int kind = 0; kind < 4; ++kind)
            folders.names[1 + kind + 4 * k] = std::string(kinds[kind]) + std::to_string(k + 2);
    folders.names[19] = "gnd";
    for (int i = 0; i < 20; ++i)
        folders.config.folders[i] = folders.names[i].c_str();
    // Entries 17 and 18 are never read: an invalid pointer shows it.
    folders.config.folders[17] = reinterpret_cast<const char*>(static_cast<uintptr_t>(1));
    folders.config.folders[18] = reinterpret_cast<const char*>(static_cast<uintptr_t>(3));
    fs::create_directories("ok");
    std::string text = "Width,7\nHeight,7\nNode\n";
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 7; ++y)
            text += "N," + std::to_string(x + 1) + "," + std::to_string(y + 1) + (x % 2 ? ",105" : ",100") +
                    ",1,1000,1000\n";
    ASSERT_TRUE(WriteBytes(FixturePath("ok", "p.csv"), text));
    for (int i = 1; i <= 16; ++i) {
        fs::create_directories(folders.names[i]);
        int kind = (i - 1) % 4, s = (i - 1) / 4 + 2;
        writeShorted(FixturePath(folders.names[i], "p.csv"), kind >= 2, kind % 2 == 1, s);
    }
    fs::create_directories("gnd");
    text = "Width,7\nHeight,7\nNode\n";
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 7; ++y)
            text += "N," + std::to_string(x + 1) + "," + std::to_string(y + 1) + ",1,1," +
                    (x == 0 && y == 0 ? "1100" : "1000") + ",1000\n";
    ASSERT_TRUE(WriteBytes(FixturePath("gnd", "p.csv"), text));
}

inline std::string normalised(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '\r')
            out.push_back(c);
    return out;
}

// Runs in a fresh folder of its own and returns to the test's folder after.
struct FreshFolder {
    explicit FreshFolder(const std::string& name) : previous(fs::current_path()) {
        fs::path folder = previous / name;
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::current_path(folder);
    }
    ~FreshFolder() { fs::current_path(previous); }
    // The files below the folder, by their relative path.
    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(fs::current_path()))
            if (entry.is_regular_file())
                names.insert(fs::relative(entry.path()).generic_string());
        return names;
    }
    fs::path previous;
};

}  // namespace shorvik
