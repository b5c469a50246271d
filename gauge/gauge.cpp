#include "gauge.h"

#include <cmath>

#include "number_text.h"

namespace gauge {
namespace {

constexpr double kBaseGauge = 36;        // the gauge whose diameter is kBaseDiameter
constexpr double kBaseDiameter = 0.127;  // mm
constexpr double kStepsPerRatio = 39;    // gauge steps over which the diameter changes ...
constexpr double kRatio = 92;            // ... by this factor
constexpr double kPi = 3.14159;  // NOLINT(modernize-use-std-numbers): as the section always was

}  // namespace

GaugeCheck CheckGauge(std::string_view text, const NumberFormat& format) {
    if (text.empty()) return GaugeCheck::Missing;
    const std::optional<double> gauge = ReadNumber(text, format);
    if (!gauge) return GaugeCheck::NotNumber;
    if (*gauge <= 0) return GaugeCheck::NotPositive;
    return GaugeCheck::Accepted;
}

GaugeResult ConvertGauge(std::string_view text, const NumberFormat& format) {
    const std::optional<double> gauge = ReadNumber(text, format);
    if (!gauge || *gauge <= 0) return {};

    const double diameter =
        kBaseDiameter * std::pow(kRatio, (kBaseGauge - *gauge) / kStepsPerRatio);
    // From the unrounded diameter, in this order: half times half, then pi.
    const double section = ((diameter / 2) * (diameter / 2)) * kPi;
    return {WriteThousandths(diameter, format.decimalSeparator),
            WriteThousandths(section, format.decimalSeparator)};
}

}  // namespace gauge
