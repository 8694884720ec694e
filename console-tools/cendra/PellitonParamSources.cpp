#include "PellitonParamSources.h"

#include "pelliton/CfgParser.h"
#include "pelliton/CsvParser.h"

#include <cstring>

namespace console_tools {

namespace {

class PellitonParamSources : public ParamSources {
public:
    PellitonParamSources(const char* tablePath, const char* configPath)
        // The table first, then the configuration, as the parsers print.
        : table_(new CCsvParser(tablePath)), configPath_(configPath), config_(configPath_.c_str()) {
        if (const std::vector<Config>* content = config_.getContent()) {
            for (const Config& entry : *content)
                configs_.push_back({entry.key.GetString(), entry.value});
        }
    }

    const RegisterField* lookUp(const char* key) override {
        const Register* reg = table_->lookUp(key);
        if (reg == nullptr)
            return nullptr;
        field_.address.assign(reg->address, strnlen(reg->address, sizeof reg->address));
        field_.startByte = reg->startByte;
        field_.byteLength = reg->byteLength;
        field_.editable = reg->editable;
        return &field_;
    }

    const std::vector<ConfigValue>& configs() override { return configs_; }

private:
    std::unique_ptr<CCsvParser> table_;  // about 600 KB
    std::string configPath_;             // CCfgParser keeps the pointer
    CCfgParser config_;
    std::vector<ConfigValue> configs_;
    RegisterField field_;
};

}  // namespace

std::unique_ptr<ParamSources> PellitonParamLoader::load(const char* tablePath, const char* configPath) {
    return std::make_unique<PellitonParamSources>(tablePath, configPath);
}

}  // namespace console_tools
