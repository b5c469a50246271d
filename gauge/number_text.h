// Number text in the user's locale: the one reader behind every check and the
// conversion, and the writer of the results, rounded to thousandths.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "gauge.h"

namespace gauge {

// Reads white space, sign, digits with group separators, decimal separator, an
// E/D exponent and white space; anything else is not a number. Magnitudes beyond a
// double saturate to the largest finite or smallest positive double.
std::optional<double> ReadNumber(std::string_view text, const NumberFormat& format);

// x rounded to the nearest thousandth of its exact value (exact halves to
// even), as plain decimal digits with the given separator: no exponent, no
// grouping, no trailing zeros, never "-0".
std::string WriteThousandths(double x, std::string_view decimalSeparator);

}  // namespace gauge
