// libFuzzer target for the arithmetic. The first two bytes give the lengths
// (1 to 4) of a decimal and a group separator, the next bytes are the
// separators, and the rest is the typed text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "gauge.h"
#include "number_text.h"

namespace {

// No real locale has a separator holding digits, blanks, signs or exponent
// letters, or the same separator for both roles.
bool Plausible(std::string_view separator) {
    return separator.find_first_of("0123456789 +-EeDd") == std::string_view::npos;
}

void Require(bool condition) {
    if (!condition) std::abort();
}

// Digits with at most one decimal separator between them: so no sign, no
// exponent, no "inf" or "nan" and no grouping.
bool PlainDecimal(std::string result, const std::string& decimalSeparator) {
    const std::size_t separator = result.find(decimalSeparator);
    if (separator != std::string::npos) {
        if (separator == 0 || separator + decimalSeparator.size() == result.size()) return false;
        result.erase(separator, decimalSeparator.size());
    }
    return !result.empty() && result.find_first_not_of("0123456789") == std::string::npos;
}

// The result text reads back, through the same reader, to a value in [0, limit].
void RequireReadsWithin(const std::string& result, const gauge::NumberFormat& format,
                        double limit) {
    Require(PlainDecimal(result, format.decimalSeparator));
    const std::optional<double> value = gauge::ReadNumber(result, format);
    Require(value.has_value() && *value >= 0 && *value <= limit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const std::size_t decimalSize = 1 + data[0] % 4;
    const std::size_t groupSize = 1 + data[1] % 4;
    if (size < 2 + decimalSize + groupSize) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const gauge::NumberFormat format{std::string(bytes.substr(2, decimalSize)),
                                     std::string(bytes.substr(2 + decimalSize, groupSize))};
    if (!Plausible(format.decimalSeparator) || !Plausible(format.groupSeparator) ||
        format.decimalSeparator == format.groupSeparator)
        return 0;
    const std::string_view text = bytes.substr(2 + decimalSize + groupSize);

    const gauge::GaugeCheck check = gauge::CheckGauge(text, format);
    Require(check == gauge::CheckGauge(text, format));
    Require((check == gauge::GaugeCheck::Missing) == text.empty());
    if (check != gauge::GaugeCheck::Accepted) return 0;

    const gauge::GaugeResult result = gauge::ConvertGauge(text, format);
    RequireReadsWithin(result.diameter, format, 8.252);
    RequireReadsWithin(result.section, format, 53.475);
    const gauge::GaugeResult again = gauge::ConvertGauge(text, format);
    Require(again.diameter == result.diameter && again.section == result.section);
    return 0;
}
