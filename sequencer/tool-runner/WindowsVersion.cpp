#include "vantro/WindowsVersion.h"

namespace vantro {

int WindowsVersionClassOf(unsigned major, unsigned minor, unsigned build) {
    if (major == 6 && minor == 2)
        return 0;
    if (major == 6 && minor == 1)
        return 1;
    if (major == 6 && minor == 0)
        return build >= 6001 ? 2 : 3;
    if (major == 5 && minor == 1)
        return build >= 2600 ? 4 : 5;
    if (major == 5 && minor == 2)
        return 6;
    return 7;
}

}  // namespace vantro
