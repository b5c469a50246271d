// libFuzzer target for the arithmetic. Whatever the text, only an empty one is
// missing, it is accepted exactly when the number read is greater than zero,
// an accepted gauge gives two plain decimals with the Italian separator (never
// "inf", "nan" or "-0"), and text in the C grammar reads as std::from_chars
// reads it.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <regex>

#include "gauge.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // No sign, exponent, grouping, or zeros trailing the fraction.
    static const std::regex plain("(0|[1-9][0-9]*)(,[0-9]*[1-9])?");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double nearest = 0;
    const auto [end, error] = std::from_chars(text.begin(), text.end(), nearest);
    if (error == std::errc() && end == text.end() &&
        text.find_first_not_of("0123456789.eE+-") == text.npos &&
        gauge::ReadNumber(text, {".", ""}) != nearest)
        std::abort();
    using enum gauge::GaugeCheck;
    const gauge::NumberFormat italian{",", "."};
    const gauge::GaugeCheck check = gauge::CheckGauge(text, italian);
    const std::optional<double> number = gauge::ReadNumber(text, italian);
    const auto [diameter, section] = gauge::ConvertGauge(text, italian);  // none when refused
    if ((check == Missing) != text.empty() || (check == NotNumber) != (!text.empty() && !number) ||
        (check == Accepted) != (number && *number > 0) ||
        (check == Accepted && !(std::regex_match(diameter, plain) &&
                                std::regex_match(section, plain))))
        std::abort();
    return 0;
}
