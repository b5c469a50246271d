// The arithmetic, through its public functions and its number reader.
#include <QTest>
#include <clocale>
#include <cmath>
#include <limits>

#include "gauge.h"
#include "number_text.h"

using gauge::GaugeCheck;
using gauge::NumberFormat;
Q_DECLARE_METATYPE(GaugeCheck)
Q_DECLARE_METATYPE(NumberFormat)

namespace {

const NumberFormat kItalian{",", "."}, kEnglish{".", ","};
const NumberFormat kFrench{",", "\u202F"};  // narrow no-break space: three bytes

// Texts are written here with '.' as the decimal separator; `format` swaps in its own.
QString InLocale(QString text, const NumberFormat& format) {
    return text.replace('.', QString::fromStdString(format.decimalSeparator));
}

}  // namespace

class GaugeTest : public QObject {
    Q_OBJECT

private slots:
    void converts_data();
    void converts();
    void reads_data();
    void reads();
    void rounds_data();
    void rounds();
    void ignoresTheProcessLocale();
};

void GaugeTest::converts_data() {
    QTest::addColumn<NumberFormat>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<GaugeCheck>("check");
    QTest::addColumn<QString>("results");  // diameter and section; a blank alone for none

    using enum GaugeCheck;
    const struct {
        const char* name;
        QString text;
        GaugeCheck check;
        const char* results;
    } rows[] = {
        {"empty text is missing", "", Missing, " "},
        {"blanks alone are not a number", "   ", NotNumber, " "},
        {"letters are not a number", "abc", NotNumber, " "},
        {"zero is refused", "0", NotPositive, " "},
        {"negative is refused", "-3", NotPositive, " "},
        {"negative zero is refused", "-0", NotPositive, " "},
        {"gauge 1", "1", Accepted, "7.348 42.408"},
        {"section from the unrounded diameter, not 3.310", "12", Accepted, "2.053 3.309"},
        {"blanks around the gauge", "  12  ", Accepted, "2.053 3.309"},
        {"gauge 36 is the base diameter", "36", Accepted, "0.127 0.013"},
        {"trailing zeros are dropped", "40", Accepted, "0.08 0.005"},
        {"a zero section has no separator", "50", Accepted, "0.025 0"},
        {"thin wire rounds to zero", "100", Accepted, "0 0"},
        {"fractional gauge", "0.5", Accepted, "7.787 47.621"},
        {"tiny gauge", "0.0001", Accepted, "8.251 53.474"},
        {"huge gauge", "1E+300", Accepted, "0 0"},
        {"beyond a double saturates to the largest", "1E400", Accepted, "0 0"},
        {"a 400-digit integer saturates", "1" + QString(399, '0'), Accepted, "0 0"},
        {"negative beyond a double is refused", "-1E400", NotPositive, " "},
        {"underflow keeps the smallest positive", "1E-400", Accepted, "8.251 53.475"},
        {"negative underflow is refused", "-1E-400", NotPositive, " "},
        {"zero digits stay zero", "0E-400", NotPositive, " "},
        // Diameters as the published wire-gauge table gives them.
        {"AWG 2", "2", Accepted, "6.544 33.631"},
        {"AWG 4", "4", Accepted, "5.189 21.151"},
        {"AWG 8", "8", Accepted, "3.264 8.366"},
        {"AWG 10", "10", Accepted, "2.588 5.261"},
        {"AWG 18", "18", Accepted, "1.024 0.823"},
        {"AWG 26", "26", Accepted, "0.405 0.129"},
        {"AWG 34", "34", Accepted, "0.16 0.02"},
        {"AWG 38", "38", Accepted, "0.101 0.008"},
    };
    const std::pair<const char*, NumberFormat> locales[] = {
        {"Italian", kItalian}, {"English", kEnglish}, {"French", kFrench}};
    for (const auto& [locale, format] : locales)
        for (const auto& row : rows)
            QTest::addRow("%s: %s", locale, row.name) << format << InLocale(row.text, format)
                                                      << row.check << InLocale(row.results, format);
}

void GaugeTest::converts() {
    QFETCH(NumberFormat, format);
    QFETCH(QString, text);
    QTEST(gauge::CheckGauge(text.toStdString(), format), "check");
    const gauge::GaugeResult result = gauge::ConvertGauge(text.toStdString(), format);
    QTEST(QString::fromStdString(result.diameter + ' ' + result.section), "results");
}

void GaugeTest::reads_data() {
    QTest::addColumn<NumberFormat>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");  // NaN: not a number

    const double no = std::numeric_limits<double>::quiet_NaN();
    const auto row = [](const char* name, const NumberFormat& format, const char* text,
                        double value) {
        QTest::newRow(name) << format << QString::fromUtf8(text) << value;
    };
    row("comma is the decimal separator in Italian", kItalian, "0,5", 0.5);
    row("a full stop groups digits in Italian", kItalian, "0.5", 5);
    row("groups need not be of three", kItalian, "1.0.0", 100);
    row("comma groups digits in English", kEnglish, "1,000.25", 1000.25);
    row("several-byte group separator", kFrench, "1\u202F000,5", 1000.5);
    row("digits missing before the separator", kItalian, ",5", 0.5);
    row("digits missing after the separator", kItalian, "5,", 5);
    row("plus sign after blanks", kItalian, "  +7", 7);
    row("exponent letters E, e, D and d", kEnglish, "1.5E2", 150);
    row("lower-case exponent with a sign", kEnglish, "15e-1", 1.5);
    row("exponent D", kEnglish, "2D1", 20);
    row("exponent d with a sign", kEnglish, "2d+1", 20);
    row("long fraction still rounds correctly", kEnglish,
        "0.1000000000000000055511151231257827021181583404541015625000001", 0.1);
    row("huge exponent saturates", kEnglish, "1e99999999999999999999",
        std::numeric_limits<double>::max());
    row("separator without digits", kItalian, ",", no);
    row("sign alone", kItalian, "-", no);
    row("blank after the sign", kItalian, "- 5", no);
    row("group separator at either end", kItalian, ".5.", no);
    row("doubled group separator", kItalian, "1..000", no);
    row("group separator in the fraction", kItalian, "0,000.1", no);
    row("exponent without digits", kEnglish, "1e", no);
    row("tab is not a blank", kEnglish, "\t12", no);
    row("non-ASCII digits", kEnglish, "\u0661\u0662", no);
    row("infinity", kEnglish, "inf", no);
    row("not a number", kEnglish, "nan", no);
    row("hexadecimal float", kEnglish, "0x1p3", no);
}

void GaugeTest::reads() {
    QFETCH(NumberFormat, format);
    QFETCH(QString, text);
    QFETCH(double, value);
    const std::optional<double> read = gauge::ReadNumber(text.toStdString(), format);
    QCOMPARE(read.has_value(), !std::isnan(value));
    if (read) QCOMPARE(*read, value);
}

void GaugeTest::rounds_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("exact half goes down to even") << 0.0625 << "0.062";
    QTest::newRow("exact half goes up to even") << 0.1875 << "0.188";
    QTest::newRow("nearest double to 0.0025 lies above the half") << 0.0025 << "0.003";
    QTest::newRow("nearest double to 1.0005 lies below the half") << 1.0005 << "1";
    QTest::newRow("a small negative never shows -0") << -0.0004 << "0";
}

void GaugeTest::rounds() {
    QFETCH(double, value);
    QTEST(QString::fromStdString(gauge::WriteNumber(gauge::RoundToThousandths(value), ".")),
          "text");
}

void GaugeTest::ignoresTheProcessLocale() {
    // The window runs after the toolkit has switched the C library to the
    // user's locale; an Italian one must not change a single digit.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "it_IT.UTF-8")) {
        if (qEnvironmentVariableIsSet("LOCPATH")) QFAIL("it_IT.UTF-8 was not generated");
        QSKIP("no Italian C locale on this system");
    }
    const gauge::GaugeResult english = gauge::ConvertGauge("0.5", kEnglish);
    const std::optional<double> read = gauge::ReadNumber("1.5e1", kEnglish);
    std::setlocale(LC_ALL, previous.c_str());
    QCOMPARE(english.diameter + ' ' + english.section, "7.787 47.621");
    QCOMPARE(read.value_or(0), 15.0);
}

QTEST_GUILESS_MAIN(GaugeTest)
#include "tst_gauge.moc"
