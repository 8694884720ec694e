// Refers to every member of PellitonCaller.h, so that its object file lists
// their names as undefined and its link needs each of them from the DLL.
#include "PellitonCaller.h"

#include <cstdio>

struct PellitonCallerNames {
    static void Use(char* path, char* id, char* time) {
        CCsvParser none;
        CCsvParser file(path);
        CCsvParser folder(path, id, time);
        CCsvParser header(path, true);
        CCsvParser copy(file);
        copy = header;
        std::printf("%d\n", copy.init(path) && copy.isParserReady() && copy.lookUp(path) != nullptr);
        std::printf("%u %u\n", copy.getStartAddr(), copy.getParamAddress(path));
        copy.setVerbose(1);
        std::printf("%d\n", getChipPin(copy.getTable(), 0).pinCount);
        CCfgParser config(path);
        config = CCfgParser(path);
        config.setVerbose(1);

        // The private members, as inline code of a caller's header could call them.
        int size = 0;
        unsigned char bytes[4];
        Register reg = copy.createData();
        copy.initData();
        std::printf("%d %d %d %d\n", copy.initParser(path), copy.getRowSize(), copy.getNonEmptyLine(size),
                    copy.getMainCodeIdAndBuildTime());
        std::printf("%d %d\n", copy.findMatchFile(path, id, time), copy.checkFileType(id, time));
        copy.parseMainCodeID(bytes, id);
        copy.parseUSBDescID(bytes, id);
        std::printf("%d %d %d %d\n", copy.parsePinAssign(), copy.parsePinAssignRX(), copy.parsePinAssignTX(),
                    copy.parseCtrlPinTable());
        copy.checkDefineEffectedItems(reg, 1);
        std::printf("%d %d\n", copy.checkParmType(reg), copy.startParse(id, time));
        copy.ParserRemoveSpaceAndTab(path);

        CString line, key, value;
        std::printf("%d %d\n", config.getContent() != nullptr, config.parseFile());
        config.filterComment(line);
        std::printf("%d %d\n", config.parseLine(line, key, value), config.getValue(value));
    }
};

int main(int argc, char** argv) {
    if (argc == 4)
        PellitonCallerNames::Use(argv[1], argv[2], argv[3]);
    return 0;
}
