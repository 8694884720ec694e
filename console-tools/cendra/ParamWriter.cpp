#include "console_tools/ParamWriter.h"

#include "console_tools/CendraOptions.h"
#include "console_tools/OptionNumbers.h"

#include <cstdio>

namespace console_tools {

namespace {

// The bridge's command that re-initialises a DEV_Q40_USB_BRG controller.
constexpr std::uint32_t kQ40ReinitAddress = 0x80000001;
constexpr int kRawModeReinit = 0x1FF;

std::uint64_t byteMask(int bytes) {
    return bytes >= 8 ? ~0ull : (1ull << (bytes * 8)) - 1;
}

}  // namespace

bool IsWritableField(int startByte, int byteLength) {
    return byteLength >= 1 && startByte >= 0 && startByte <= 8 - byteLength;
}

CParamWriter::CParamWriter(ParamSources& sources, int slave, ConsoleDevice& device, ConsoleOutput& out)
    : sources_(sources), device_(device), out_(out), slave_(slave) {
    handle_ = device_.openDevice();
}

int CParamWriter::buildWrites(int value, const RegisterField& field) {
    if (!IsWritableField(field.startByte, field.byteLength))
        return 0;
    std::uint32_t address = 0;
    ReadHexOption(field.address.c_str(), &address);

    // The field within the two big-endian words from address, in 64 bits: a
    // shift by 32 or more is undefined in 32-bit arithmetic.
    const int end = field.startByte + field.byteLength;
    const int shift = (8 - end) * 8;
    const std::uint64_t data = static_cast<std::uint64_t>(static_cast<std::int64_t>(value)) << shift;
    const std::uint64_t mask = byteMask(field.byteLength) << shift;

    int built = 0;
    if (end <= 4) {
        writes_.push_back(
            {address, static_cast<std::uint32_t>(data >> 32), static_cast<std::uint32_t>(mask >> 32)});
        return 1;
    }
    // Across the word boundary: the first word only when the field starts in it.
    if (field.startByte < 4) {
        writes_.push_back(
            {address, static_cast<std::uint32_t>(data >> 32), static_cast<std::uint32_t>(mask >> 32)});
        ++built;
    }
    writes_.push_back({address + 1, static_cast<std::uint32_t>(data), static_cast<std::uint32_t>(mask)});
    return built + 1;
}

int CParamWriter::applyConfig() {
    out_.print("\n");
    if (handle_ == kNoDeviceHandle)
        return kNoDevice;
    if (slave_ != kSlaveNotGiven)
        device_.setChipIndex(slave_);
    device_.reportToOs(handle_, 0);
    deviceType_ = device_.deviceType();

    std::uint8_t answer[kDeviceAnswerSize] = {};
    int failures = 0;
    for (const ConfigValue& config : sources_.configs()) {
        const char* key = config.key.c_str();
        const RegisterField* field = sources_.lookUp(key);
        if (field == nullptr) {
            out_.print("Cannot find '%s' in online table!\n", key);
            ++failures;
            continue;
        }
        if (!field->editable) {
            out_.print("'%s' is not editable!\n", key);
            ++failures;
            continue;
        }
        const std::size_t first = writes_.size();
        if (buildWrites(config.value, *field) == 0) {
            out_.print("'%s' has an invalid start byte or length!\n", key);
            ++failures;
            continue;
        }
        for (std::size_t i = first; i < writes_.size(); ++i) {
            StringConsole comment;
            comment.print("%s = %d", key, config.value);
            comments_.push_back(comment.text());
            const WriteEntry& entry = writes_[i];
            out_.print("On-line write data: addr=0x%08X, data=0x%08X, mask=0x%08X: ",
                       static_cast<unsigned>(entry.address), static_cast<unsigned>(entry.data),
                       static_cast<unsigned>(entry.mask));
            if (device_.writeMasked(handle_, entry.address, entry.data, entry.mask, answer) == 0) {
                out_.print("OK!\n");
            } else {
                out_.print("ERR!\n");
                ++failures;
            }
        }
    }

    // A selected slave is not re-initialised; nor is a chip a write failed on.
    if (slave_ == kSlaveNotGiven && failures == 0) {
        out_.print("Re-initial: ");
        int result = 1;
        switch (deviceType_) {
            case DEV_Q40_USB_BRG:
                result = device_.writeMasked(handle_, kQ40ReinitAddress, 0, 0, answer);
                break;
            case DEV_Q50_USB_BRG:
            case DEV_Q50_USB:
            case DEV_USB_ZR8SLAVE:
                result = device_.setRawMode(handle_, kRawModeReinit);
                break;
            default:
                break;  // this type has no re-initialisation
        }
        if (result == 0) {
            out_.print("OK!\n");
        } else {
            out_.print("ERR!\n");
            failures = 1;
        }
    }
    // Every path after the stop resumes touch reporting.
    device_.reportToOs(handle_, 1);
    return failures == 0 ? kWriteSuccess : kWriteFailed;
}

std::string CParamWriter::scriptText(const ScriptTime& time) const {
    return FormatCommandScript(writes_, comments_, deviceType_, slave_, time);
}

void deleteParamWriter(CParamWriter* writer) {
    writer->device_.closeDevice(writer->handle_);
    delete writer;
}

void SaveScriptFile(ConsoleOutput& out, const char* path, const std::string& text) {
    FILE* file = std::fopen(path, "w");
    if (file == nullptr) {
        out.print("Cannot open output file to write!\n");
        return;
    }
    // Flushed on its own: msvcrt's fclose does not report a failed last flush.
    const bool written = std::fputs(text.c_str(), file) >= 0 && std::fflush(file) == 0;
    if (std::fclose(file) != 0 || !written)
        out.print("Cannot write output file to the end!\n");
}

namespace {

void printUsage(ConsoleOutput& out) {
    out.print("No csv file or config file!\n\n");
    out.print(
        "Usage: Tool [-c <Onlinetable file>] [-i <config file>] [-s <slave index>] [-o <output file>]\n");
    out.print("       Example: Tool -c Onlinetable.csv -i online.ini -s 5 -o output.txt\n");
    out.print("       Example: Tool -c Onlinetable.csv -i online.ini\n");
}

bool fileOpensForReading(const char* path) {
    FILE* file = std::fopen(path, "r");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

}  // namespace

int runParamWrite(CendraContext& context, int argc, char** argv) {
    ConsoleOutput& out = context.out;
    const CendraOptions options = ScanCendraOptions(argc, argv);
    if (options.tablePath == nullptr || options.configPath == nullptr) {
        printUsage(out);
        return kUsageShown;
    }

    // A mistyped configuration path must not pass with nothing written.
    if (!fileOpensForReading(options.configPath)) {
        out.print("Cannot open config file %s!\n", options.configPath);
        if (options.scriptPath != nullptr)
            SaveScriptFile(out, options.scriptPath,
                           FormatCommandScript({}, {}, NOT_SET, options.slave, context.now()));
        return kConfigUnreadable;
    }

    std::unique_ptr<ParamSources> sources = context.loader.load(options.tablePath, options.configPath);
    CParamWriter* writer = new CParamWriter(*sources, options.slave, context.device, out);

    const int result = writer->applyConfig();
    if (result == kNoDevice)
        out.print("Cannot open device!\n");
    else if (result == kWriteFailed)
        out.print("There is some online-write failed!\n");
    else
        out.print("Online-write success!\n");

    if (options.scriptPath != nullptr)
        SaveScriptFile(out, options.scriptPath, writer->scriptText(context.now()));

    sources.reset();
    deleteParamWriter(writer);
    return result;
}

}  // namespace console_tools
