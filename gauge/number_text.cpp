#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>

namespace gauge {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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
    if (static_cast<unsigned char>(first) < 0x80) return 0;  // ASCII
    for (const std::string_view space : kWideWhiteSpace)
        if (text.starts_with(space)) return space.size();
    return 0;
}

// Exponent digits beyond this add nothing but overflow risk.
constexpr long long kExponentCap = 1'000'000'000'000;

// Value of the digit string (integer digits first) times 10^exponent, read by
// std::from_chars from the plain form DIGITS.DIGITSeEXPONENT built here, so
// nothing beyond our grammar gets through.
double Magnitude(std::string digits, std::size_t integerCount, long long exponent) {
    // Beyond a double's range, the leading non-zero digit tells which side.
    const bool large = static_cast<long long>(integerCount) + exponent >
                       static_cast<long long>(digits.find_first_not_of('0'));
    digits.insert(integerCount, 1, '.');
    digits += 'e';
    digits += std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc::result_out_of_range) return value;
    return large ? std::numeric_limits<double>::max() : std::numeric_limits<double>::denorm_min();
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
        while (digitAt(i)) exponent = std::min(exponent * 10 + (text[i++] - '0'), kExponentCap);
        if (negativeExponent) exponent = -exponent;
    }

    skipBlanks();
    if (i != text.size()) return std::nullopt;

    const double magnitude = Magnitude(std::move(digits), integerCount, exponent);
    return negative ? -magnitude : magnitude;
}

std::string WriteThousandths(double x, std::string_view decimalSeparator) {
    char buffer[400];  // at most 309 digits before the point, and 3 after it
    std::string text(
        buffer, std::to_chars(buffer, std::end(buffer), x, std::chars_format::fixed, 3).ptr);
    text.erase(text.find_last_not_of('0') + 1);  // "2.050" is written "2.05", "2.000" "2."
    if (text.ends_with('.')) text.pop_back();
    if (text == "-0") return "0";  // a negative that rounds to zero
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

}  // namespace gauge
