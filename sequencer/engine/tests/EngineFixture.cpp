#include "EngineFixture.h"

#include <sys/stat.h>
#ifdef _WIN32
#include <direct.h>
#endif

namespace vantro {
namespace testing_fakes {

void EngineTest::MakeFolder(const char* path) {
#ifdef _WIN32
    _mkdir(path);
#else
    mkdir(path, 0755);
#endif
}

}  // namespace testing_fakes
}  // namespace vantro
