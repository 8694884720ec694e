// Trelliq's start-up over any "LinearConfig.ini" and a fake panel whose chip
// sizes, packet size and faults come from the input: the panel is read at
// most once per chip the tables hold, every handle opened is closed once, a
// grid read from the panel is at least 1 x 1 with distances from it, and the
// file saved at start-up loads back to the settings in memory.
#include "trelliq/IniFile.h"
#include "trelliq/TouchTestStartup.h"
#include "StartupFakes.h"
#include "test_support/FuzzSupport.h"

#include <algorithm>
#include <tuple>

using namespace test_support;
using namespace trelliq;

namespace {

typedef std::tuple<std::string, std::string, std::string> Entry;

void visitKey(const char* key, void* value, void* extra) {
    auto* walk = static_cast<std::pair<const char*, std::vector<Entry>*>*>(extra);
    TrimRight(static_cast<char*>(value));
    walk->second->emplace_back(walk->first, key, static_cast<const char*>(value));
}

void visitSection(const char* section, void* table, void* extra) {
    std::pair<const char*, std::vector<Entry>*> walk(section, static_cast<std::vector<Entry>*>(extra));
    HashForEach(static_cast<HashTable*>(table), visitKey, &walk);
}

std::vector<Entry> entries() {
    std::vector<Entry> all;
    HashForEach(IniDictionary->root, visitSection, &all);
    std::sort(all.begin(), all.end());
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    FakeTouchDevice device;
    for (int chip = 0; chip <= TOUCH_TEST_MAX_SLAVES; ++chip) {
        const uint8_t width = input.Byte();
        device.SetBlock(chip, width, input.Byte());
    }
    device.fault = static_cast<FakeTouchDevice::Fault>(input.Pick(7));
    device.faultFromOpen = 1 + input.Pick(11);
    device.packetSize = static_cast<uint32_t>(input.Pick(2 * SENSOR_PACKET_SIZE));
    RecordingMessages messages;
    FixedDesktop desktop;
    desktop.rect.right = 1 + input.Byte() * 16;
    desktop.rect.bottom = 1 + input.Byte() * 16;
    const std::string text = input.Rest();

    const std::string folder = FuzzFreshFolder("station");
    FUZZ_CHECK(chdir(folder.c_str()) == 0, "into the station folder");
    FuzzWriteFile("LinearConfig.ini", text);
    StartupSeams seams{device, messages, desktop};
    TouchTestConfig config;
    const StartupOutcome outcome = RunTouchTestStartup(config, seams);

    FUZZ_CHECK(device.opens <= TOUCH_TEST_MAX_SLAVES + 1, "the panel is opened at most once per chip");
    for (const auto& handle : device.closes)
        FUZZ_CHECK(handle.second == 1, "every handle opened is closed once");
    FUZZ_CHECK(IniDictionary != nullptr, "a small readable file loads");
    const bool fromPanel = config.MultiChip.DecWidthHeigh == 1;
    if (outcome == StartupOutcome::EndWithExitCode0) {
        FUZZ_CHECK(fromPanel && !messages.boxes.empty(),
                   "start-up ends only after a failed panel read's box");
    } else {
        FUZZ_CHECK(config.ScreenWidth == desktop.rect.right && config.ScreenHeight == desktop.rect.bottom,
                   "the screen is the desktop");
        if (fromPanel) {
            FUZZ_CHECK(config.Grids.X >= 1 && config.Grids.Y >= 1,
                       "a grid read from the panel is at least 1 x 1");
            FUZZ_CHECK(config.Distance.X == config.ScreenWidth / config.Grids.X &&
                           config.Distance.Y == config.ScreenHeight / config.Grids.Y,
                       "distances from the screen and the grid");
        }
        const std::vector<Entry> inMemory = entries();
        IniFileFree(IniDictionary);
        snprintf(IniFilePath, sizeof IniFilePath, "%s", "LinearConfig.ini");
        IniDictionary = IniFileLoad();
        FUZZ_CHECK(IniDictionary != nullptr, "the saved file loads");
        FUZZ_CHECK(entries() == inMemory, "the saved file holds the settings in memory");
    }
    IniFileFree(IniDictionary);
    return 0;
}
