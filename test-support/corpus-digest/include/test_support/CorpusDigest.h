// Regression corpus helpers: a byte record of what the library produced,
// reduced to a 64-bit digest and compared with the stored digests of the
// same cases, one list per platform (the C runtimes convert and print
// numbers differently, and the Windows build writes text files with CR LF).
//
// Every run writes the digests it computed to corpus-<prefix>.txt in the
// test's working folder; after a deliberate change of results, those files
// together are the new golden list.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace test_support {

// A running digest of what a case produced; numbers go in as their exact
// bits, never through printf's float conversion.  Large blocks are folded in
// eight bytes at a time.
class ByteRecord {
public:
    void Int(long long v) { Text(std::to_string(v)); }
    void Float(float f) {
        uint32_t bits;
        memcpy(&bits, &f, sizeof bits);
        Word(bits);
    }
    void Text(const std::string& s) {
        Word(s.size());
        for (unsigned char c : s)
            Word(c);
    }
    void Raw(const void* data, size_t size) {
        const unsigned char* bytes = static_cast<const unsigned char*>(data);
        Word(size);
        size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            uint64_t word;
            memcpy(&word, bytes + i, sizeof word);
            Word(word);
        }
        for (; i < size; ++i)
            Word(bytes[i]);
    }
    std::string Digest() const {
        char hex[24];
        snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash_));
        return hex;
    }

private:
    void Word(uint64_t word) {
        hash_ ^= word;
        hash_ *= 1099511628211ull;
        hash_ ^= hash_ >> 29;
    }
    uint64_t hash_ = 1469598103934665603ull;
};

// Deterministic numbers for the generated inputs (same on every platform).
class CorpusRandom {
public:
    explicit CorpusRandom(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

private:
    uint64_t state_;
};

// The digests of one corpus: cases are added as they run, then compared with
// the stored list as a whole (a case missing on either side fails too).
class CorpusDigests {
public:
    void Add(const std::string& name, const ByteRecord& record) { actual_[name] = record.Digest(); }

    // Compares with the stored cases whose names begin with the prefix.
    void CompareWith(const std::string& goldenPath, const std::string& prefix) const {
        const std::string actualPath = "corpus-" + prefix + ".txt";
        std::ofstream out(actualPath.c_str(), std::ios::binary);
        for (const auto& entry : actual_)
            out << entry.first << ' ' << entry.second << '\n';
        out.close();
        ASSERT_TRUE(out.good()) << actualPath;

        std::ifstream in(goldenPath.c_str(), std::ios::binary);
        ASSERT_TRUE(in.good()) << goldenPath;
        std::map<std::string, std::string> golden;
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            std::string name, digest;
            if (fields >> name >> digest && name.compare(0, prefix.size(), prefix) == 0)
                golden[name] = digest;
        }
        for (const auto& entry : golden) {
            auto found = actual_.find(entry.first);
            if (found == actual_.end())
                ADD_FAILURE() << "case not run: " << entry.first;
            else
                EXPECT_EQ(found->second, entry.second) << "results differ: " << entry.first;
        }
        for (const auto& entry : actual_)
            EXPECT_TRUE(golden.count(entry.first)) << "case without golden digest: " << entry.first;
    }

private:
    std::map<std::string, std::string> actual_;
};

}  // namespace test_support

// Name of the golden list of this platform.
#ifdef _WIN32
#define CORPUS_PLATFORM "windows"
#else
#define CORPUS_PLATFORM "native"
#endif
