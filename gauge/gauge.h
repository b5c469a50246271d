// Wire-gauge arithmetic: checks the typed text and turns an accepted gauge into
// the diameter and section texts the window shows. Standard library only.
#pragma once

#include <string>
#include <string_view>

namespace gauge {

struct NumberFormat {  // the user's separators, as UTF-8; either may be several bytes
    std::string decimalSeparator;
    std::string groupSeparator;
};

enum class GaugeCheck { Missing, NotNumber, NotPositive, Accepted };

struct GaugeResult {
    std::string diameter;  // millimetres
    std::string section;   // square millimetres
};

GaugeCheck CheckGauge(std::string_view text, const NumberFormat& format);

// Meant for text that CheckGauge accepted; any other text gives two empty texts.
GaugeResult ConvertGauge(std::string_view text, const NumberFormat& format);

}  // namespace gauge
