// The arithmetic, driven through its public functions and its number reader.
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

const NumberFormat kItalian{",", "."};
const NumberFormat kEnglish{".", ","};
const NumberFormat kFrench{",", "\u202F"};  // narrow no-break space, three bytes

// Written with '.', as the English locale shows it; other locales swap in theirs.
QString InLocale(QString text, const NumberFormat& format) {
    return text.replace('.', QString::fromStdString(format.decimalSeparator));
}

}  // namespace

class GaugeTest : public QObject {
    Q_OBJECT

private slots:
    void convertsLikeTheWireTable_data();
    void convertsLikeTheWireTable();
    void readsNumberForms_data();
    void readsNumberForms();
    void roundsTheExactValue_data();
    void roundsTheExactValue();
    void matchesPublishedDiameters_data();
    void matchesPublishedDiameters();
    void refusedTextConvertsToNothing();
    void ignoresTheProcessLocale();
};

void GaugeTest::convertsLikeTheWireTable_data() {
    QTest::addColumn<NumberFormat>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<GaugeCheck>("check");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("section");

    struct Row {
        const char* name;
        const char* text;  // null: a 400-digit integer
        GaugeCheck check;
        const char* diameter;
        const char* section;
    };
    const Row rows[] = {
        {"empty text is missing", "", GaugeCheck::Missing, "", ""},
        {"blanks alone are not a number", "   ", GaugeCheck::NotNumber, "", ""},
        {"letters are not a number", "abc", GaugeCheck::NotNumber, "", ""},
        {"zero is refused", "0", GaugeCheck::NotPositive, "", ""},
        {"negative is refused", "-3", GaugeCheck::NotPositive, "", ""},
        {"gauge 1", "1", GaugeCheck::Accepted, "7.348", "42.408"},
        {"gauge 12, section from the unrounded diameter", "12", GaugeCheck::Accepted, "2.053",
         "3.309"},
        {"blanks around the gauge", "  12  ", GaugeCheck::Accepted, "2.053", "3.309"},
        {"gauge 36 is the base diameter", "36", GaugeCheck::Accepted, "0.127", "0.013"},
        {"trailing zeros are dropped", "40", GaugeCheck::Accepted, "0.08", "0.005"},
        {"a zero section has no separator", "50", GaugeCheck::Accepted, "0.025", "0"},
        {"thin wire rounds to zero", "100", GaugeCheck::Accepted, "0", "0"},
        {"fractional gauge", "0.5", GaugeCheck::Accepted, "7.787", "47.621"},
        {"tiny gauge", "0.0001", GaugeCheck::Accepted, "8.251", "53.474"},
        {"huge gauge", "1E+300", GaugeCheck::Accepted, "0", "0"},
        {"beyond a double saturates to the largest", "1E400", GaugeCheck::Accepted, "0", "0"},
        {"a 400-digit integer saturates", nullptr, GaugeCheck::Accepted, "0", "0"},
        {"negative beyond a double is refused", "-1E400", GaugeCheck::NotPositive, "", ""},
        {"underflow keeps the smallest positive", "1E-400", GaugeCheck::Accepted, "8.251",
         "53.475"},
        {"negative underflow is refused", "-1E-400", GaugeCheck::NotPositive, "", ""},
        {"zero digits stay zero", "0E-400", GaugeCheck::NotPositive, "", ""},
        {"negative zero is refused", "-0", GaugeCheck::NotPositive, "", ""},
    };
    const std::pair<const char*, NumberFormat> locales[] = {
        {"Italian", kItalian}, {"English", kEnglish}, {"French", kFrench}};
    for (const auto& [localeName, format] : locales) {
        for (const Row& row : rows) {
            const QString text = row.text ? QString(row.text) : QString('1') + QString(399, '0');
            QTest::addRow("%s: %s", localeName, row.name)
                << format << InLocale(text, format) << row.check << InLocale(row.diameter, format)
                << InLocale(row.section, format);
        }
    }
}

void GaugeTest::convertsLikeTheWireTable() {
    QFETCH(NumberFormat, format);
    QFETCH(QString, text);
    const std::string utf8 = text.toStdString();

    QTEST(gauge::CheckGauge(utf8, format), "check");
    const gauge::GaugeResult result = gauge::ConvertGauge(utf8, format);
    QTEST(QString::fromStdString(result.diameter), "diameter");
    QTEST(QString::fromStdString(result.section), "section");
}

void GaugeTest::readsNumberForms_data() {
    QTest::addColumn<NumberFormat>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    const auto number = [](const char* name, const NumberFormat& f, const char* text, double v) {
        QTest::newRow(name) << f << QString::fromUtf8(text) << true << v;
    };
    const auto notNumber = [](const char* name, const NumberFormat& f, const char* text) {
        QTest::newRow(name) << f << QString::fromUtf8(text) << false << 0.0;
    };
    number("comma is the decimal separator in Italian", kItalian, "0,5", 0.5);
    number("full stop groups digits in Italian", kItalian, "1.000", 1000);
    number("a full stop in Italian is grouping, not a point", kItalian, "0.5", 5);
    number("groups need not be of three", kItalian, "1.0.0", 100);
    number("full stop is the decimal separator in English", kEnglish, "0.5", 0.5);
    number("comma groups digits in English", kEnglish, "1,000.25", 1000.25);
    number("several-byte group separator", kFrench, "1\u202F000,5", 1000.5);
    number("digits missing before the separator", kItalian, ",5", 0.5);
    number("digits missing after the separator", kItalian, "5,", 5);
    number("plus sign", kItalian, "+7", 7);
    number("blanks before the sign", kItalian, "  -7", -7);
    number("exponent E", kEnglish, "1.5E2", 150);
    number("exponent e with minus", kEnglish, "15e-1", 1.5);
    number("exponent D", kEnglish, "2D1", 20);
    number("exponent d with plus", kEnglish, "2d+1", 20);
    number("exponent after a bare separator", kEnglish, "5.e1", 50);
    number("leading zeros", kEnglish, "000012", 12);
    number("many fraction digits still round correctly", kEnglish,
           "0.1000000000000000055511151231257827021181583404541015625000001", 0.1);
    number("huge exponent saturates", kEnglish, "1e99999999999999999999",
           std::numeric_limits<double>::max());

    notNumber("separator without digits", kItalian, ",");
    notNumber("sign alone", kItalian, "-");
    notNumber("sign after a blank after the sign", kItalian, "- 5");
    notNumber("two signs", kItalian, "+-5");
    notNumber("group separator at the start", kItalian, ".5");
    notNumber("group separator at the end", kItalian, "5.");
    notNumber("doubled group separator", kItalian, "1..000");
    notNumber("group separator in the fraction", kItalian, "0,000.1");
    notNumber("two decimal separators", kItalian, "1,2,3");
    notNumber("exponent without digits", kEnglish, "1e");
    notNumber("exponent without mantissa", kEnglish, "e5");
    notNumber("fractional exponent", kEnglish, "1e2.5");
    notNumber("blank inside the number", kEnglish, "1 2");
    notNumber("tab is not a blank", kEnglish, "\t12");
    notNumber("no-break space is not a blank", kEnglish, "\u00A012");
    notNumber("non-ASCII digits", kEnglish, "\u0661\u0662");
    notNumber("infinity", kEnglish, "inf");
    notNumber("not a number", kEnglish, "nan");
    notNumber("hexadecimal float", kEnglish, "0x1p3");
    notNumber("unit after the number", kEnglish, "12mm");
}

void GaugeTest::readsNumberForms() {
    QFETCH(NumberFormat, format);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);

    const std::optional<double> read = gauge::ReadNumber(text.toStdString(), format);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber) QCOMPARE(*read, value);
}

void GaugeTest::roundsTheExactValue_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("exact half goes down to even") << 0.0625 << "0.062";
    QTest::newRow("exact half goes up to even") << 0.1875 << "0.188";
    QTest::newRow("nearest double to 0.0025 lies above the half") << 0.0025 << "0.003";
    QTest::newRow("nearest double to 1.0005 lies below the half") << 1.0005 << "1";
    QTest::newRow("the largest section") << 53.47499 << "53.475";
    QTest::newRow("a small negative never shows -0") << -0.0004 << "0";
    QTest::newRow("negative zero shows 0") << -0.0 << "0";
}

void GaugeTest::roundsTheExactValue() {
    QFETCH(double, value);
    QTEST(QString::fromStdString(gauge::WriteNumber(gauge::RoundToThousandths(value), ".")),
          "text");
}

void GaugeTest::matchesPublishedDiameters_data() {
    QTest::addColumn<int>("awg");
    QTest::addColumn<double>("millimetres");

    // Diameters from the published wire-gauge table, to a thousandth of a mm.
    const std::pair<int, double> table[] = {{-3, 11.684}, {-2, 10.405}, {-1, 9.266}, {0, 8.251},
                                            {2, 6.544},   {4, 5.189},   {6, 4.115},  {8, 3.264},
                                            {10, 2.588},  {14, 1.628},  {18, 1.024}, {22, 0.644},
                                            {26, 0.405},  {30, 0.255},  {34, 0.160}, {38, 0.101}};
    for (const auto& [awg, mm] : table) QTest::addRow("AWG %d", awg) << awg << mm;
}

void GaugeTest::matchesPublishedDiameters() {
    QFETCH(int, awg);
    QFETCH(double, millimetres);
    // Zero and the O gauges are refused by the checks, but the formula covers them.
    const double diameter = 0.127 * std::pow(92.0, (36.0 - awg) / 39.0);
    QCOMPARE(gauge::RoundToThousandths(diameter), millimetres);
    if (awg > 0) {
        const std::string text = std::to_string(awg);
        QCOMPARE(std::stod(gauge::ConvertGauge(text, kEnglish).diameter), millimetres);
    }
}

void GaugeTest::refusedTextConvertsToNothing() {
    for (const char* text : {"", "abc", "0", "-1", "1,5,5"}) {
        const gauge::GaugeResult result = gauge::ConvertGauge(text, kItalian);
        QVERIFY2(result.diameter.empty() && result.section.empty(), text);
    }
}

void GaugeTest::ignoresTheProcessLocale() {
    // The window runs after the toolkit has switched the C library to the
    // user's locale; an Italian one must not change a single digit.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string restore = previous ? previous : "C";
    QVERIFY2(std::setlocale(LC_ALL, "it_IT.UTF-8"), "it_IT.UTF-8 is not generated (LOCPATH)");

    const gauge::GaugeResult english = gauge::ConvertGauge("0.5", kEnglish);
    const gauge::GaugeResult italian = gauge::ConvertGauge("0,5", kItalian);
    const std::optional<double> read = gauge::ReadNumber("1.5e1", kEnglish);
    std::setlocale(LC_ALL, restore.c_str());

    QCOMPARE(english.diameter, "7.787");
    QCOMPARE(english.section, "47.621");
    QCOMPARE(italian.diameter, "7,787");
    QCOMPARE(read.value_or(0), 15.0);
}

QTEST_GUILESS_MAIN(GaugeTest)
#include "tst_gauge.moc"
