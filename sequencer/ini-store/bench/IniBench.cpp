// ini-bench: generates a 65536-byte file of short keys, loads it, looks every
// key up once and saves it, and prints the times.  `ini-bench --quick` is the
// same single round, run by the test suite to show the program works.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "vantro/IniStore.h"

using namespace vantro;

namespace {

double Ms(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

}  // namespace

int main(int, char**) {
    std::string text = "[Bench]\n";
    std::vector<std::string> keys;
    while (true) {
        const std::string key = "k" + std::to_string(keys.size());
        // The store saves in text mode, so on Windows the file is CR LF and a
        // save of it stays within the load limit.
#ifdef _WIN32
        const std::string line = key + "=1\r\n";
#else
        const std::string line = key + "=1\n";
#endif
        // Room left for the header's CR and the blank line a save adds.
        if (text.size() + line.size() > 65536 - 4)
            break;
        text += line;
        keys.push_back(key);
    }
    text.append(65536 - text.size(), '\n');
    FILE* f = std::fopen("ini-bench.ini", "wb");
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "ini-bench: cannot write ini-bench.ini\n");
        return 1;
    }
    auto t0 = std::chrono::steady_clock::now();
    IniDictionary* d = IniLoad("ini-bench.ini");
    auto t1 = std::chrono::steady_clock::now();
    if (!d) {
        std::fprintf(stderr, "ini-bench: load failed\n");
        return 1;
    }
    long found = 0;
    for (const std::string& key : keys)
        found += IniGetString(d, "Bench", key.c_str()) != nullptr;
    auto t2 = std::chrono::steady_clock::now();
    const bool saved = IniSave(d, "ini-bench.ini");
    auto t3 = std::chrono::steady_clock::now();
    IniFree(d);
    std::printf("ini-bench: %zu bytes, %ld keys: load %.2f ms, lookups %.2f ms, save %.2f ms\n", text.size(),
                found, Ms(t0, t1), Ms(t1, t2), Ms(t2, t3));
    return saved && found == static_cast<long>(keys.size()) ? 0 : 1;
}
