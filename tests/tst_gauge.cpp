// The arithmetic as the window uses it: typed text in, a refusal or the two
// results out, in three locales, with the C library set to Italian.
#include <QTest>
#include <clocale>

#include "gauge.h"
#include "number_text.h"

Q_DECLARE_METATYPE(gauge::NumberFormat)

namespace {

// Rows are written with English separators; each locale swaps in its own.
QString InLocale(QString text, const gauge::NumberFormat& format) {
    text.replace(',', QChar::Null).replace('.', QString::fromStdString(format.decimalSeparator));
    return text.replace(QChar::Null, QString::fromStdString(format.groupSeparator));
}

}  // namespace

class GaugeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The window runs after the toolkit has switched the C library to the
        // user's locale; an Italian one must not change a single digit.
        if (!std::setlocale(LC_ALL, "it_IT.UTF-8"))
            QVERIFY2(!qEnvironmentVariableIsSet("LOCPATH"), "it_IT.UTF-8 was not generated");
    }

    void outcome_data() {
        QTest::addColumn<gauge::NumberFormat>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("outcome");
        const std::pair<const char*, gauge::NumberFormat> locales[] = {
            {"Italian", {",", "."}}, {"English", {".", ","}}, {"French", {",", "\u202F"}}};
        for (const auto& locale : locales) {
            const auto row = [&](const char* name, const char* text, const char* outcome) {
                const gauge::NumberFormat& format = locale.second;
                QTest::addRow("%s: %s", locale.first, name)
                    << format << InLocale(text, format) << InLocale(outcome, format);
            };
            // clang-format off
            row("empty text is missing", "", "missing");
            row("zero is refused", "0", "not positive");
            row("negative is refused", "-3", "not positive");
            row("section from the unrounded diameter, not 3.310", "12", "2.053 3.309");
            row("trailing zeros are dropped", "40", "0.08 0.005");
            row("thin wire rounds to zero, with no separator", "100", "0 0");
            row("fractional gauge", "0.5", "7.787 47.621");
            row("the published table's AWG 18", "18", "1.024 0.823");
            // The reader's grammar, at its edges.
            row("blanks, a plus sign, a group separator and exponent E", "  +1,2E0  ", "2.053 3.309");
            row("no digits before the decimal separator, exponent e", ".12e+2", "2.053 3.309");
            row("no digits after the decimal separator, exponent D", "120.D-1", "2.053 3.309");
            row("group separator before the digits", ",12", "not a number");
            row("group separator after the digits", "12,", "not a number");
            row("decimal separator alone", ".", "not a number");
            row("exponent without digits", "12e+", "not a number");
            row("more digits than a double holds, exponent d", "1.20000000000000000000001d1", "2.053 3.309");
            // Magnitudes beyond a double saturate.
            row("beyond a double", "1E+309", "0 0");
            row("an exponent of twenty digits", "1e99999999999999999999", "0 0");
            row("below the smallest double", "1E-330", "8.251 53.475");
            row("zero digits with an exponent", "0E-400", "not positive");
            // clang-format on
        }
    }

    // What the window would show: the refusal, or the diameter and the section.
    void outcome() {
        QFETCH(gauge::NumberFormat, format);
        QFETCH(QString, text);
        const std::string typed = text.toStdString();
        const QString refusals[] = {"missing", "not a number", "not positive", ""};
        const auto [diameter, section] = gauge::ConvertGauge(typed, format);  // none when refused
        const QString shown = refusals[static_cast<int>(gauge::CheckGauge(typed, format))] + ' ' +
                              QString::fromStdString(diameter + ' ' + section);
        QTEST(shown.simplified(), "outcome");
    }

    void roundsToTheNearestThousandthWithTiesToEven() {
        const std::pair<double, const char*> cases[] = {
            {0.0625, "0.062"},  // an exact half goes down to even
            {0.1875, "0.188"},  // an exact half goes up to even
            {0.0025, "0.003"},  // the nearest double lies above the half
            {1.0005, "1"},      // the nearest double lies below the half
            {-0.0004, "0"},     // never "-0"
        };
        for (const auto& [value, text] : cases)
            QCOMPARE(gauge::WriteNumber(gauge::RoundToThousandths(value), "."), text);
    }
};

QTEST_GUILESS_MAIN(GaugeTest)
#include "tst_gauge.moc"
