// CheckMutualShortNew's judging of one x line's nodes against their blocks'
// references.
#pragma once

#include "ShortJudging.h"

namespace shorvik {

// One x line's nodes over the window's y lines (index 0 is the window's
// first y line), with each y line's block reference and its CSV rounding.
struct BlockLine {
    MutualNode* nodes;
    const int* status;
    const float* values;
    const float* reference;
    const float* rounded;
    int count;
};

// Judges nodes [from, to) one at a time: each node that is not bypassed gets
// refOut and devOut and adds its flag to flagged[index]; returns the number
// of flags found.
int JudgeBlockNodesOneByOne(const BlockLine& line, int from, int to, float maxDevPct,
                            const ValueDeviationTest& valueTest, int* flagged);

// The same over the whole line, four nodes at a time where SSE2 is there:
// the same operations in the same order, so the same results bit for bit.
// Groups with a bypassed node or a product outside the vector rounding's
// range are judged one by one, and so are the last one to three nodes.
int JudgeBlockNodes(const BlockLine& line, float maxDevPct, const ValueDeviationTest& valueTest,
                    int* flagged);

}  // namespace shorvik
