// The open/short parsers over any file: GetCsvKind and both result parsers
// never read or write outside the record, and whatever they leave behind,
// accepted or rejected, keeps every count inside the record's bounds.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "vantro/OpenShortParse.h"

using namespace vantro;

namespace {

#define OPEN_SHORT_CHECK(condition)                                                                          \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            fprintf(stderr, "open/short bound broken: %s\n", #condition);                                    \
            abort();                                                                                         \
        }                                                                                                    \
    } while (0)

bool Inside(int value, int low, int high) {
    return value >= low && value <= high;
}

void CheckSelf(const SelfBlock& s) {
    OPEN_SHORT_CHECK(Inside(s.width, 0, kOsGridSide));
    OPEN_SHORT_CHECK(Inside(s.height, 0, kOsGridSide));
    OPEN_SHORT_CHECK(Inside(s.buttonCount, 0, kOsMaxButtons));
}

void CheckMutual(const MutualBlock& m) {
    OPEN_SHORT_CHECK(Inside(m.width, 0, kOsGridSide));
    OPEN_SHORT_CHECK(Inside(m.height, 0, kOsGridSide));
    OPEN_SHORT_CHECK(Inside(m.buttonCount, 0, kOsMaxButtons));
    OPEN_SHORT_CHECK(m.total == m.width * m.height + m.buttonCount);
}

struct State {
    std::unique_ptr<OpenShortData> data{new OpenShortData()};
    ChipLayout layout{};
    NgLineStatus ng{};
    ProcessWideStageValues shared;
    OpenShortRecords records{*data, layout, ng, shared};
    std::string path = std::string(P_tmpdir) + "/openshort-fuzz-" + std::to_string(getpid()) + ".csv";
    State() {
        ResetOpenShortData(*data);
        ClearNgLines(ng);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static State state;
    FILE* file = fopen(state.path.c_str(), "wb");
    if (file == nullptr)
        return 0;
    const bool written = fwrite(bytes, 1, size, file) == size;
    if (fclose(file) != 0 || !written)
        return 0;

    // The first byte picks the settings the parsers read besides the file.
    const unsigned pick = size > 0 ? bytes[0] : 0;
    state.data->use2DFiles = pick & 1;
    state.shared.chipCount = 1 + pick % 10;
    state.shared.check_inv_X_order = (pick >> 1) & 1;
    state.shared.check_inv_Y_order = (pick >> 2) & 1;
    state.shared.bypassX.count = (pick >> 3) & 1;
    state.shared.bypassX.channel[0] = 1;
    state.shared.bypassY.count = (pick >> 4) & 1;
    state.shared.bypassY.channel[0] = 0;

    const int kind = GetCsvKind(state.path.c_str(), *state.data);
    OPEN_SHORT_CHECK(kind == kCsvSelfGolden || kind == kCsvMutualGolden || kind == kCsvOther);
    ParseSelfResultCsv(state.records, state.path.c_str(), (pick >> 5) & 1);
    ParseMutualResultCsv(state.path.c_str(), state.records, (pick >> 6) & 1);

    const OpenShortData& d = *state.data;
    CheckSelf(d.self);
    CheckSelf(d.selfGolden);
    OPEN_SHORT_CHECK(d.self.width + d.self.height + d.self.buttonCount <= kOsMaxChannels);
    CheckMutual(d.mutual);
    CheckMutual(d.mutualGolden);
    OPEN_SHORT_CHECK(Inside(state.shared.chipCount, 1, kOsMaxChips));
    OPEN_SHORT_CHECK(Inside(state.layout.overlapCount, 0, kOsGridSide));
    for (int line : state.ng.line)
        OPEN_SHORT_CHECK(line == kLineNone || line == kLineNg || line == kLineBypassed);
    return 0;
}
