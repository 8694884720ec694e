// CCfgParser: key = value lines, "#" or ";" to the end of a line a comment.
#include "pelliton/CfgParser.h"

#include "TextRules.h"

#include <cstdio>
#include <string>

using namespace pelliton;

namespace {

// One whole line of any length, without its line feed; false at the end.
bool readLine(FILE* file, std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = fgetc(file)) != EOF) {
        any = true;
        if (c == '\n')
            return true;
        line.push_back(static_cast<char>(c));
    }
    return any;
}

}  // namespace

CCfgParser::CCfgParser(const char* file) : fileName(file), content(new std::vector<Config>), verbose(0) {
    parseFile();
}

CCfgParser::CCfgParser(char* file) : CCfgParser(static_cast<const char*>(file)) {}

CCfgParser::CCfgParser(const CCfgParser& other)
    : fileName(other.fileName), content(new std::vector<Config>(*other.content)), verbose(other.verbose) {}

CCfgParser& CCfgParser::operator=(const CCfgParser& other) {
    if (this == &other)
        return *this;
    *content = *other.content;
    fileName = other.fileName;
    verbose = other.verbose;
    return *this;
}

CCfgParser::~CCfgParser() {
    delete content;
}

void CCfgParser::setVerbose(int level) {
    verbose = level;
}

std::vector<Config>* CCfgParser::getContent() {
    return content;
}

bool CCfgParser::parseFile() {
    if (fileName == nullptr)
        return false;
    FILE* file = fopen(fileName, "r");  // text mode: CR LF arrives as LF
    if (file == nullptr)
        return false;
    if (verbose)
        printf("\n");
    std::string text;
    while (readLine(file, text)) {
        CString line(text.c_str());
        filterComment(line);
        CString key, valueText;
        if (!parseLine(line, key, valueText))
            continue;
        const int value = getValue(valueText);
        if (value == -1)
            continue;  // -1 cannot be stored: it means "nothing read"
        if (verbose)
            printf("key = %s, value = %s\n", key.GetString(), valueText.GetString());
        Config entry;
        entry.key = key;
        entry.value = value;
        content->push_back(entry);
    }
    fclose(file);
    return true;
}

void CCfgParser::filterComment(CString& line) {
    const size_t cut = PellitonCommentStart(line.GetString());
    if (cut < static_cast<size_t>(line.GetLength()))
        line = line.Left(static_cast<int>(cut));
}

bool CCfgParser::parseLine(CString line, CString& key, CString& value) {
    const int equals = line.Find('=');
    if (equals < 0)
        return false;
    key = line.Left(equals);
    value = line.Mid(equals + 1);
    key.Trim();
    value.Trim();
    return !key.IsEmpty() && !value.IsEmpty();
}

int CCfgParser::getValue(CString value) {
    int result = -1;
    const char* text = value.GetString();
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        unsigned int hex = 0;
        if (sscanf(text, "%x", &hex) == 1)
            result = static_cast<int>(hex);
    } else {
        int number = 0;
        if (sscanf(text, "%d", &number) == 1)
            result = number;
    }
    return result;
}
