#include "trelliq/ConfigFlags.h"

bool FlagOnWhenNotZero(int flag) {
    return flag != 0;
}

bool FlagOnWhenOne(int flag) {
    return flag == 1;
}
