#include <gtest/gtest.h>

#include "IniStore.h"
