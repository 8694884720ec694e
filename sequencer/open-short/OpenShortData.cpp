#include "vantro/OpenShortData.h"

#include <cstring>

namespace vantro {

namespace {

void ResetSelfBlock(SelfBlock& block) {
    memset(&block, 0, sizeof block);
    for (int& s : block.channelStatus)
        s = -1;
    for (int& s : block.buttonStatus)
        s = -1;
}

// Button status words start as "not given": a mutual file names them only
// when its button rows carry a status cell.
void ResetMutualBlock(MutualBlock& block) {
    memset(&block, 0, sizeof block);
    for (int& s : block.status)
        s = kNodeNotGiven;
    for (int& s : block.buttonStatus)
        s = -1;
}

}  // namespace

void ResetOpenShortData(OpenShortData& data) {
    const int ngCount = data.ngCount;
    const int use2DFiles = data.use2DFiles;
    ResetSelfBlock(data.selfGolden);
    ResetSelfResult(data);
    ResetMutualBlock(data.mutualGolden);
    ResetMutualResult(data);
    data.firstChipTotal = 0;
    data.secondChipTotal = 0;
    memset(data.chipX, 0, sizeof data.chipX);
    data.ngCount = ngCount;
    data.use2DFiles = use2DFiles;
}

void ResetSelfResult(OpenShortData& data) {
    ResetSelfBlock(data.self);
    memset(data.selfCompare, 0, sizeof data.selfCompare);
}

void ResetMutualResult(OpenShortData& data) {
    ResetMutualBlock(data.mutual);
    memset(data.secondPair, 0, sizeof data.secondPair);
    memset(data.table5, 0, sizeof data.table5);
    memset(data.table6, 0, sizeof data.table6);
}

void ClearChipLayout(ChipLayout& layout) {
    const int xInverse = layout.xInverse;
    const int yInverse = layout.yInverse;
    memset(&layout, 0, sizeof layout);
    layout.xInverse = xInverse;
    layout.yInverse = yInverse;
}

void ClearNgLines(NgLineStatus& lines) {
    for (int& s : lines.line)
        s = kLineNone;
}

}  // namespace vantro
