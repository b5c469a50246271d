#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace gauge {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

bool IsExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// Every character that Unicode counts as white space may stand around the
// number, as it comes pasted from a spreadsheet cell, a terminal or a web
// page: tab to carriage return, the space, and these, in UTF-8.
constexpr std::string_view kWideWhiteSpace[] = {"\u0085", "\u00A0", "\u1680", "\u2000", "\u2001",
                                                "\u2002", "\u2003", "\u2004", "\u2005", "\u2006",
                                                "\u2007", "\u2008", "\u2009", "\u200A", "\u2028",
                                                "\u2029", "\u202F", "\u205F", "\u3000"};

// The length in bytes of the white space character that `text` starts with, or 0.
std::size_t WhiteSpaceLength(std::string_view text) {
    if (text.empty()) return 0;
    const char first = text.front();
    if (first == ' ' || (first >= '\t' && first <= '\r')) return 1;
    if (IsAscii(first)) return 0;
    for (const std::string_view space : kWideWhiteSpace)
        if (text.starts_with(space)) return space.size();
    return 0;
}

// A non-zero magnitude whose leading digit sits further than this from the
// units place is far outside a double's range, whatever the other digits are.
constexpr long long kOrderLimit = 400;

// Exponent digits beyond this add nothing but overflow risk.
constexpr long long kExponentCap = 1'000'000'000'000;

// Value of the digit string (integer digits first) times 10^exponent, read by
// std::from_chars from the plain form DIGITS.DIGITSeEXPONENT built here, so
// nothing beyond our grammar gets through.
double Magnitude(std::string digits, std::size_t integerCount, long long exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 0.0;
    // The value lies in [10^(order-1), 10^order).
    const long long order =
        static_cast<long long>(integerCount) - static_cast<long long>(first) + exponent;
    constexpr double kLargest = std::numeric_limits<double>::max();
    constexpr double kLeast = std::numeric_limits<double>::denorm_min();
    if (order > kOrderLimit) return kLargest;
    if (order < -kOrderLimit) return kLeast;

    digits.insert(integerCount, 1, '.');
    digits += 'e';
    digits += std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) return order > 0 ? kLargest : kLeast;
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
        while (const std::size_t length = WhiteSpaceLength(text.substr(i))) i += length;
    };

    skipBlanks();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // A group separator stands only where it groups: between groups of three
    // digits, the first of one to three. Anywhere else it is a typing slip (a
    // full stop meant as a decimal point), never a silent factor of ten.
    std::string digits;
    std::size_t integerCount = 0;
    std::size_t run = 0;  // digits since the start or the last group separator
    bool grouped = false;
    for (;;) {
        if (digitAt(i)) {
            digits += text[i++];
            ++integerCount;
            ++run;
        } else if (run > 0 && startsWith(group) && digitAt(i + group.size())) {
            if (run > 3 || (grouped && run != 3)) return std::nullopt;
            i += group.size();
            grouped = true;
            run = 0;
        } else {
            break;
        }
    }
    if (grouped && run != 3) return std::nullopt;
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

namespace {

// Beyond this magnitude a double's spacing exceeds 0.002, so the nearest
// multiple of 0.001 always rounds back to the same double.
constexpr double kWholeThousandths = 0x1p43;

// Nearest multiple of 0.001 to the exact value of x; exact halves go to even.
double RoundToThousandths(double x) {
    if (!(std::fabs(x) < kWholeThousandths)) return x;
    // x * 1000 is product + residual exactly; the residual decides only when
    // the product alone sits exactly on a half.
    const double product = x * 1000;
    const double residual = std::fma(x, 1000, -product);
    const double below = std::floor(product);
    const double aboveHalf = (product - below) - 0.5;  // exact
    bool up = aboveHalf > 0 || (aboveHalf == 0 && residual > 0);
    if (aboveHalf == 0 && residual == 0) up = std::fmod(below, 2) != 0;  // a true tie: to even
    const double rounded = (below + (up ? 1 : 0)) / 1000;
    return rounded == 0.0 ? 0.0 : rounded;  // no negative zero
}

}  // namespace

std::string WriteThousandths(double x, std::string_view decimalSeparator) {
    x = RoundToThousandths(x);
    if (!(std::fabs(x) < kWholeThousandths)) {
        char buffer[400];  // a double has at most 309 integer digits
        const auto written =
            std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
        return {buffer, written.ptr};
    }
    // x is a whole number of thousandths: that integer is written with a
    // separator. (std::to_chars with a precision of 3 writes the same text,
    // but slowly enough to take a check and conversion past three times the
    // benchmark's floor.)
    const long long thousandths = std::llround(x * 1000);
    const unsigned long long magnitude = std::llabs(thousandths);
    std::string text = thousandths < 0 ? "-" : "";
    text += std::to_string(magnitude / 1000);
    unsigned long long fraction = magnitude % 1000;
    if (fraction != 0) {
        int digits = 3;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        const std::string fractionText = std::to_string(fraction);
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(digits) - fractionText.size(), '0');
        text += fractionText;
    }
    return text;
}

}  // namespace gauge
