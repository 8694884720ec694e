// The text that printf's "%f" gives a float, written without printf for the
// values where that text cannot depend on the C runtime.
#pragma once

#include <string>

namespace shorvik {

// Appends the "%f" text of the value (as a double) and returns true for a
// finite value below 10,000 in magnitude whose seventh decimal is not near
// a tie (so no C runtime's rounding rule or digit limit can change a digit)
// and which does not print as zero with a sign.  Otherwise appends nothing
// and returns false; the caller then formats with the C library.
bool AppendFixedSix(std::string& text, float value);

}  // namespace shorvik
