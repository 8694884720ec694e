// One chip's memory: 32-bit words keyed by address, kept as text in
// "chip<N>.txt" of the state folder.  Words never written read as 0.
//
// IO_ReadData addresses follow the callers: an address whose top four bits
// are 5 (0x5xxxxxxx) is a word address (the next word is address + 1);
// every other address is a byte address into words stored at multiples of 4.
// Words deliver their bytes low byte first, as the controller's commands do.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace portaq_sim {

bool IsWordAddressed(uint32_t address);

class ChipMemory {
public:
    bool Parse(const std::string& text, std::string* error);
    std::string Serialize() const;

    uint32_t Word(uint32_t key) const;
    void SetWord(uint32_t key, uint32_t value);
    // Changes only the mask's bits of the word; returns the new word.
    uint32_t MaskedWrite(uint32_t key, uint32_t data, uint32_t mask);

    // length bytes starting at address, by the addressing rule above.
    std::vector<uint8_t> Read(uint32_t address, uint32_t length) const;
    void WriteBytes(uint32_t address, const std::vector<uint8_t>& bytes);

    const std::map<uint32_t, uint32_t>& Words() const { return words_; }

private:
    uint8_t ByteAt(uint32_t byteAddress) const;
    void SetByteAt(uint32_t byteAddress, uint8_t value);
    std::map<uint32_t, uint32_t> words_;
};

}  // namespace portaq_sim
