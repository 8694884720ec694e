#include <gtest/gtest.h>

#include "LoadSettings.h"
