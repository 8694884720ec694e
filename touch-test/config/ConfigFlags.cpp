#include "trelliq/ConfigFlags.h"

namespace trelliq {

bool FlagOnWhenNotZero(int flag) {
    return flag != 0;
}

bool FlagOnWhenOne(int flag) {
    return flag == 1;
}

}  // namespace trelliq
