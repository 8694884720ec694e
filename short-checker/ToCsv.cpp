// ToCsv: rounds to one decimal for the comparisons of CheckMutualShortNew
// (the rounding itself is in CsvRounding.h, shared with the check).
#include "CsvRounding.h"
#include "shorvik/Shorvik.h"

float ToCsv(float x) {
    return shorvik::RoundForCsv(x);
}
