#include "ChipMemory.h"

#include <cstdio>
#include <cstdlib>

#include "PanelState.h"

namespace portaq_sim {

bool IsWordAddressed(uint32_t address) {
    return (address >> 28) == 5;
}

bool ChipMemory::Parse(const std::string& text, std::string* error) {
    words_.clear();
    return ForEachContentLine(text, [&](const std::string& line, int lineNumber) {
        size_t blank = line.find_first_of(" \t");
        int64_t key = 0;
        int64_t value = 0;
        if (blank == std::string::npos || !ParseNumber(line.substr(0, blank), &key) ||
            !ParseNumber(line.substr(blank + 1), &value) || key < 0 || key > 0xFFFFFFFFll || value < 0 ||
            value > 0xFFFFFFFFll) {
            if (error) {
                char buffer[64];
                std::snprintf(buffer, sizeof buffer, "line %d is not \"address value\"", lineNumber);
                *error = buffer;
            }
            words_.clear();
            return false;
        }
        words_[static_cast<uint32_t>(key)] = static_cast<uint32_t>(value);
        return true;
    });
}

std::string ChipMemory::Serialize() const {
    std::string out;
    out.reserve(words_.size() * 22);
    char line[32];
    for (const auto& word : words_) {
        if (word.second == 0)
            continue;
        std::snprintf(line, sizeof line, "0x%08X 0x%08X\n", static_cast<unsigned>(word.first),
                      static_cast<unsigned>(word.second));
        out += line;
    }
    return out;
}

uint32_t ChipMemory::Word(uint32_t key) const {
    auto it = words_.find(key);
    return it == words_.end() ? 0 : it->second;
}

void ChipMemory::SetWord(uint32_t key, uint32_t value) {
    if (value == 0)
        words_.erase(key);
    else
        words_[key] = value;
}

uint32_t ChipMemory::MaskedWrite(uint32_t key, uint32_t data, uint32_t mask) {
    uint32_t value = (Word(key) & ~mask) | (data & mask);
    SetWord(key, value);
    return value;
}

uint8_t ChipMemory::ByteAt(uint32_t byteAddress) const {
    return static_cast<uint8_t>(Word(byteAddress & ~3u) >> (8 * (byteAddress & 3u)));
}

void ChipMemory::SetByteAt(uint32_t byteAddress, uint8_t value) {
    uint32_t key = byteAddress & ~3u;
    unsigned shift = 8 * (byteAddress & 3u);
    SetWord(key, (Word(key) & ~(0xFFu << shift)) | (static_cast<uint32_t>(value) << shift));
}

std::vector<uint8_t> ChipMemory::Read(uint32_t address, uint32_t length) const {
    std::vector<uint8_t> out(length);
    for (uint32_t i = 0; i < length; ++i) {
        if (IsWordAddressed(address))
            out[i] = static_cast<uint8_t>(Word(address + i / 4) >> (8 * (i % 4)));
        else
            out[i] = ByteAt(address + i);
    }
    return out;
}

void ChipMemory::WriteBytes(uint32_t address, const std::vector<uint8_t>& bytes) {
    for (uint32_t i = 0; i < bytes.size(); ++i) {
        if (IsWordAddressed(address)) {
            uint32_t key = address + i / 4;
            unsigned shift = 8 * (i % 4);
            SetWord(key, (Word(key) & ~(0xFFu << shift)) | (static_cast<uint32_t>(bytes[i]) << shift));
        } else {
            SetByteAt(address + i, bytes[i]);
        }
    }
}

}  // namespace portaq_sim
