// ParamSources over Pelliton's parsers: CCsvParser for the register table,
// CCfgParser for the key = value file.
#pragma once

#include "console_tools/ParamSources.h"

namespace console_tools {

class PellitonParamLoader : public ParamSourceLoader {
public:
    std::unique_ptr<ParamSources> load(const char* tablePath, const char* configPath) override;
};

}  // namespace console_tools
