// The arithmetic as the window uses it: typed text in, a refusal or the two
// results out, in three locales, with the C library set to Italian.
#include <QTest>
#include <clocale>

#include "gauge.h"
#include "number_text.h"

Q_DECLARE_METATYPE(gauge::NumberFormat)

class GaugeTest : public QObject {
    Q_OBJECT

private slots:
    // The window runs after the toolkit has switched the C library to the
    // user's locale; an Italian one must not change a single digit.
    void initTestCase() {
        QVERIFY(std::setlocale(LC_ALL, "it_IT.UTF-8") ||
                std::setlocale(LC_ALL, "Italian_Italy.1252"));
    }

    void outcome_data() {
        QTest::addColumn<gauge::NumberFormat>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("outcome");
        // Rows are written with English separators; each locale swaps in its own.
        // Gauge 12 gives 3.309 mm², from the unrounded diameter (2.053 would give 3.310).
        const auto inLocale = [](QString text, const gauge::NumberFormat& format) {
            text.replace(',', QChar::Null)
                .replace('.', QString::fromStdString(format.decimalSeparator));
            return text.replace(QChar::Null, QString::fromStdString(format.groupSeparator));
        };
        const std::pair<const char*, gauge::NumberFormat> locales[] = {
            {"Italian", {",", "."}}, {"English", {".", ","}}, {"French", {",", "\u202F"}}};
        QString whiteSpace;  // all that Unicode counts as white space, as Qt knows it
        for (char16_t c = 0; c < 0x3001; ++c)
            if (QChar::isSpace(c)) whiteSpace += QChar(c);
        // clang-format off
        const struct { const char* name; QString text; const char* outcome; } rows[] = {
            {"trailing zeros dropped", "40", "0.08 0.005"},
            {"zero is no gauge", "-0", "not positive"},
            {"a negative gauge is refused", "-3", "not positive"},
            {"however small", "-1e-330", "not positive"},
            // The reader's grammar, at its edges.
            {"blanks, plus, a group, exponent E unsigned", "  +0,001.2E1  ", "2.053 3.309"},
            {"no digit after the separator, exponent D", "1200000000000.D-11", "2.053 3.309"},
            {"no digit before the separator", ".5", "7.787 47.621"},
            {"the separator alone", ".", "not a number"},
            {"blanks alone", " \t ", "not a number"},
            {"white space inside", "1 2", "not a number"},
            {"an exponent letter last", "12E", "not a number"},
            {"leading zeros count for nothing", QString(500, '0') + "1", "7.348 42.408"},
            // A group separator groups three digits, or the text is not a number.
            {"groups of three after one to three", "123,456,789.5", "0 0"},
            {"a group of one is a slip, not a factor of ten", "1,5", "not a number"},
            {"a first group of four", "1234,567", "not a number"},
            {"a group separator first", "-,500", "not a number"},
            // White space of any kind around the number, as pasted text brings it.
            {"any white space around", whiteSpace + "12" + whiteSpace, "2.053 3.309"},
            {"a letter beyond ASCII after", "12é", "not a number"},
            // Magnitudes beyond a double saturate.
            {"beyond a double", "1E+309", "0 0"},
            {"below the least double, exponent e", "1e-330", "8.251 53.475"},
        };
        // clang-format on
        for (const auto& [locale, format] : locales)
            for (const auto& [name, text, outcome] : rows)
                QTest::addRow("%s: %s", locale, name)
                    << format << inLocale(text, format) << inLocale(outcome, format);
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

    // Exact halves go to the even thousandth, a double just above or below a
    // half goes its own way, and no result is ever "-0".
    void writesThousandths() {
        const std::pair<double, const char*> cases[] = {
            {0.0625, "0,062"}, {0.1875, "0,188"}, {0.0025, "0,003"}, {1.0005, "1"}, {-0.0004, "0"}};
        for (const auto& [value, text] : cases) QCOMPARE(gauge::WriteThousandths(value, ","), text);
    }
};

QTEST_GUILESS_MAIN(GaugeTest)
#include "tst_gauge.moc"
