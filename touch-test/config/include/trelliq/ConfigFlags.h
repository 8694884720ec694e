// The two rules by which a flag of "LinearConfig.ini" is on.
#pragma once

namespace trelliq {

// The five [Switch] button flags and the eight [TestingMode] flags.
bool FlagOnWhenNotZero(int flag);
// Every other flag.
bool FlagOnWhenOne(int flag);

}  // namespace trelliq
