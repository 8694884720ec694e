// Header rows of a register table: file type, start address, the firmware's
// main code id, build time and USB descriptor id.
#include "pelliton/CsvParser.h"

#include "pelliton/MainCodeId.h"
#include "HexCells.h"
#include "SharedCsvReader.h"
#include "TextRules.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace pelliton;

namespace {

const char kNone[] = "None";

// "%02d %02d %02d %02d" of the four bytes, in full (up to 15 characters).
std::string formatMainCodeId(const unsigned char b[4]) {
    char text[32];
    snprintf(text, sizeof text, "%02d %02d %02d %02d", b[0], b[1], b[2], b[3]);
    return text;
}

// The first blank-separated word of text.
std::string firstWord(std::string_view text) {
    size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return std::string();
    size_t end = text.find_first_of(" \t", start);
    return std::string(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
}

bool wanted(const char* value) {
    return value != nullptr && value[0] != '\0';
}

// text ends in a NUL (a cell of the row).
unsigned int readHex(std::string_view text) {
    unsigned int value = 0;
    if (sscanf(text.data(), "%10x", &value) != 1)
        return 0;
    return value;
}

}  // namespace

void CCsvParser::parseMainCodeID(unsigned char out[4], char* text) {
    PellitonParseMainCodeId(out, text);
}

void CCsvParser::parseUSBDescID(unsigned char out[4], char* text) {
    memset(out, 0, 4);
    usbDescId[4] = 0;
    hasUsbDescId = false;
    if (text == nullptr)
        return;
    ParserRemoveSpaceAndTab(text);
    int digits[8];
    for (int i = 0; i < 8; ++i) {
        digits[i] = HexDigitValue(text[i]);
        if (digits[i] < 0)
            return;  // a short or non-hexadecimal id is no id (stops at the NUL)
    }
    for (int k = 0; k < 4; ++k)
        out[k] = static_cast<unsigned char>(digits[2 * k] * 16 + digits[2 * k + 1]);
    hasUsbDescId = true;
}

int CCsvParser::checkFileType(char* wantedMainCodeId, char* wantedBuildTime) {
    int size = 0;
    if (!getNonEmptyLine(size)) {
        fileType = TABLE_BAD;
        return fileType;
    }
    const std::string first(cell(0));
    std::string fullId;  // the id as compared, not cut to the field

    auto setNone = [&]() {
        PellitonCopyBounded(mainCodeId, sizeof mainCodeId - 1, kNone);
        PellitonCopyBounded(buildTime, sizeof buildTime - 1, kNone);
        fullId = kNone;
    };
    auto setIdAndTime = [&](std::string_view idText, std::string_view timeText, unsigned char b[4]) {
        std::string text(idText);  // a copy: the member takes char*
        parseMainCodeID(b, &text[0]);
        fullId = formatMainCodeId(b);
        PellitonCopyBounded(mainCodeId, sizeof mainCodeId - 1, fullId.c_str());
        PellitonCopyBounded(buildTime, sizeof buildTime - 1, firstWord(timeText).c_str());
    };
    auto differs = [&]() {
        return (wanted(wantedMainCodeId) && fullId != wantedMainCodeId) ||
               (wanted(wantedBuildTime) && strcmp(buildTime, wantedBuildTime) != 0);
    };
    auto readUsbId = [&](size_t index) {
        if (cellCount() > index && !cell(index).empty()) {
            std::string text(cell(index));
            parseUSBDescID(usbDescId, &text[0]);
        }
    };

    if (first == "Online FW Tool") {
        fileType = TABLE_ONLINE;
        getNonEmptyLine(size);
        unsigned char b[4];
        if (size > 3 && !cell(1).empty() && !cell(3).empty())
            setIdAndTime(cell(1), cell(3), b);
        else
            setNone();
        if (differs()) {
            fileType = TABLE_OTHER_FIRMWARE;
            return fileType;
        }
        readUsbId(7);
        getNonEmptyLine(size);  // column titles
        return fileType;
    }

    if (first == "FW Tool" || first == "Offline FW Tool") {
        getNonEmptyLine(size);
        if (size < 2) {
            fileType = TABLE_BAD;
            return fileType;
        }
        startAddr = readHex(cell(1));
        if (size > 5) {
            headerWord = readHex(cell(4));
            headerInt = PellitonTextToInt(cell(5).data());
        }
        int type = TABLE_NOT_PARSED;  // unset
        unsigned char b[4];
        if (cellCount() < 10 || cell(7).empty() || cell(9).empty()) {
            setNone();
        } else {
            setIdAndTime(cell(7), cell(9), b);
            if (b[0] != 0)
                type = TABLE_BYTES_SECOND_KIND;
            else if (b[1] == 0 && b[2] == 0 && b[3] == 0)
                type = TABLE_BYTES_SECOND_KIND;
            else if (b[3] == 1)
                type = TABLE_BYTES;
            else if (b[3] == 0)
                type = TABLE_BITS;
        }
        readUsbId(13);
        if (differs()) {
            fileType = TABLE_OTHER_FIRMWARE;
            return fileType;
        }
        fileType = type;
        getNonEmptyLine(size);
        if (size < 3) {
            if (type == TABLE_NOT_PARSED)
                fileType = TABLE_BAD;
            return fileType;
        }
        const std::string_view kind = cell(2).substr(0, 5);
        if (type == TABLE_BYTES_SECOND_KIND && kind == "\tByte")
            fileType = TABLE_BYTES_SECOND_KIND;
        else if ((type == TABLE_NOT_PARSED || type == TABLE_BYTES) && kind == "\tByte")
            fileType = TABLE_BYTES;
        else if ((type == TABLE_NOT_PARSED || type == TABLE_BITS) && kind == "\tBits")
            fileType = TABLE_BITS;
        else
            fileType = TABLE_BAD;
        return fileType;
    }

    if (first.compare(0, 4, "////") == 0) {
        fileType =
            (wanted(wantedMainCodeId) || wanted(wantedBuildTime)) ? TABLE_OTHER_FIRMWARE : TABLE_NO_HEADER;
        return fileType;
    }
    fileType = TABLE_BAD;
    return fileType;
}

bool CCsvParser::getMainCodeIdAndBuildTime() {
    int size = 0;
    if (!getNonEmptyLine(size))
        return false;
    const std::string first(cell(0));
    unsigned char b[4];
    if (first == "Online FW Tool") {
        getNonEmptyLine(size);
        if (size >= 4 && !cell(1).empty() && !cell(3).empty()) {
            std::string text(cell(1));
            parseMainCodeID(b, &text[0]);
            PellitonCopyBounded(mainCodeId, sizeof mainCodeId - 1, formatMainCodeId(b).c_str());
            PellitonCopyBounded(buildTime, sizeof buildTime - 1, firstWord(cell(3)).c_str());
        } else {
            PellitonCopyBounded(mainCodeId, sizeof mainCodeId - 1, kNone);
            PellitonCopyBounded(buildTime, sizeof buildTime - 1, kNone);
        }
    } else if (first == "FW Tool" || first == "Offline FW Tool") {
        getNonEmptyLine(size);
        if (cellCount() > 9 && !cell(7).empty() && !cell(9).empty()) {
            std::string text(cell(7));
            parseMainCodeID(b, &text[0]);
            PellitonCopyBounded(mainCodeId, sizeof mainCodeId - 1, formatMainCodeId(b).c_str());
            PellitonCopyBounded(buildTime, sizeof buildTime - 1, firstWord(cell(9)).c_str());
        } else {
            PellitonCopyBounded(mainCodeId, sizeof mainCodeId - 1, kNone);
            PellitonCopyBounded(buildTime, sizeof buildTime - 1, kNone);
        }
    }
    return true;
}
