#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>

namespace gauge {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// A non-zero magnitude whose leading digit sits further than this from the
// units place is far outside a double's range, whatever the other digits are.
constexpr long long kOrderLimit = 400;

// Exponent digits beyond this add nothing but overflow risk.
constexpr long long kExponentCap = 1'000'000'000'000;

// Value of the digit string (integer digits first) times 10^exponent.
double Magnitude(std::string digits, std::size_t integerCount, long long exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 0.0;

    // The value lies in [10^(order-1), 10^order).
    const long long order =
        static_cast<long long>(integerCount) - static_cast<long long>(first) + exponent;
    if (order > kOrderLimit) return std::numeric_limits<double>::max();
    if (order < -kOrderLimit) return std::numeric_limits<double>::denorm_min();

    // Hand std::from_chars the plain scientific form d.ddd...e(order-1): only
    // text it has been given by us, so nothing beyond our grammar gets through.
    digits.erase(0, first);
    if (digits.size() > 1) digits.insert(1, 1, '.');
    digits += 'e';
    digits += std::to_string(order - 1);

    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range)
        return order > 0 ? std::numeric_limits<double>::max()
                         : std::numeric_limits<double>::denorm_min();
    return value;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text, const NumberFormat& format) {
    const std::string_view decimal = format.decimalSeparator;
    const std::string_view group = format.groupSeparator;
    std::size_t i = 0;
    const auto digitAt = [&](std::size_t at) { return at < text.size() && IsDigit(text[at]); };
    const auto startsWith = [&](std::string_view s) {
        return !s.empty() && text.substr(i).starts_with(s);
    };
    const auto skipBlanks = [&] {
        while (i < text.size() && text[i] == ' ') ++i;
    };

    skipBlanks();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    std::string digits;
    std::size_t integerCount = 0;
    for (;;) {
        if (digitAt(i)) {
            digits += text[i++];
            ++integerCount;
        } else if (integerCount > 0 && startsWith(group) && digitAt(i + group.size())) {
            i += group.size();  // a group separator only ever stands between two digits
        } else {
            break;
        }
    }
    if (startsWith(decimal)) {
        i += decimal.size();
        while (digitAt(i)) digits += text[i++];
    }
    if (digits.empty()) return std::nullopt;

    long long exponent = 0;
    if (i < text.size() && IsExponentLetter(text[i])) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        if (!digitAt(i)) return std::nullopt;
        while (digitAt(i)) {
            exponent = std::min(exponent * 10 + (text[i++] - '0'), kExponentCap);
        }
        if (negativeExponent) exponent = -exponent;
    }

    skipBlanks();
    if (i != text.size()) return std::nullopt;

    const double magnitude = Magnitude(std::move(digits), integerCount, exponent);
    return negative ? -magnitude : magnitude;
}

double RoundToThousandths(double x) {
    // std::to_chars with a precision rounds the exact binary value, ties to
    // even, which scaling by 1000 in floating point would not.
    char buffer[400];  // a double has at most 309 integer digits
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 3);
    double rounded = 0.0;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded == 0.0 ? 0.0 : rounded;  // no negative zero
}

std::string WriteNumber(double x, std::string_view decimalSeparator) {
    if (x == 0.0) x = 0.0;  // no negative zero
    // The shortest text that reads back to x: for a value already rounded to
    // thousandths that is its decimal digits, with no trailing zeros.
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
    const std::string_view plain(buffer, static_cast<std::size_t>(written.ptr - buffer));

    const std::size_t point = plain.find('.');
    if (point == std::string_view::npos) return std::string(plain);
    std::string text(plain.substr(0, point));
    text += decimalSeparator;
    text += plain.substr(point + 1);
    return text;
}

}  // namespace gauge
