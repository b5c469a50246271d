// The window as a user sees it once shown: sizes, places, colours, fonts.
#include <QGroupBox>
#include <QImage>

#include "window_fixture.h"

using namespace velkiro;

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextFitsItsBox_data();
    void everyTextFitsItsBox();
    void placesControlsInPixels_data();
    void placesControlsInPixels();
    void centresTitleFrameAndExitOnOneAxis();
    void resultsShareTheirUnitColour();
    void onlyTheExceptionsCaptionIsRed();
    void exceptionRowsLineUpTheirSecondColumn();
    void startsEmptyWithTheCaretInTheInput();
    void speaksEveryControl();
};

void WindowTest::everyTextFitsItsBox_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");  // empty: the control's own text

    for (const char* name : {"Label1", "Label9", "Label2", "Label8", "Label11", "Label4", "Label5",
                             "Label6", "Label7", "Command1", "Command2", "Command3"})
        QTest::newRow(name) << name << QString();
    QTest::newRow("the widest diameter") << "Label3"
                                         << "8,252";
    QTest::newRow("the widest section") << "Label10"
                                        << "53,475";
    QTest::newRow("the exceptions caption") << "Frame2"
                                            << "ECCEZIONI";
}

void WindowTest::everyTextFitsItsBox() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    FakedForm window;
    auto* control = window.form.findChild<QWidget*>(name);
    QVERIFY(control);
    if (text.isEmpty()) {
        if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
    }
    QVERIFY(!text.isEmpty());

    const QFontMetricsF metrics(control->font());
    const qreal margin = qobject_cast<QAbstractButton*>(control) ? 8 : 0;  // the bevel
    QVERIFY2(metrics.horizontalAdvance(text) + margin <= control->width(),
             qPrintable(QStringLiteral("%1 px of text in %2 px")
                            .arg(metrics.horizontalAdvance(text))
                            .arg(control->width())));
    if (!qobject_cast<QGroupBox*>(control) && name != "Command3")
        QVERIFY(metrics.height() <= control->height());
}

void WindowTest::placesControlsInPixels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("inWindow");  // client coordinates of the window

    QTest::newRow("the window itself") << "Form1" << QRect(0, 0, 369, 490);
    QTest::newRow("input inside the main frame") << "Text1" << QRect(140, 96, 49, 25);
    QTest::newRow("section result") << "Label10" << QRect(140, 184, 97, 25);
    QTest::newRow("a row inside the exceptions frame") << "Label7" << QRect(68, 328, 209, 17);
    QTest::newRow("reset button in the main frame") << "Command2" << QRect(100, 368, 153, 25);
    QTest::newRow("exit button on the window") << "Command3" << QRect(136, 432, 81, 49);
}

void WindowTest::placesControlsInPixels() {
    QFETCH(QString, name);
    QFETCH(QRect, inWindow);
    FakedForm window;
    QWidget* control = name == "Form1" ? &window.form : window.form.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(QRect(control->mapTo(&window.form, QPoint(0, 0)), control->size()), inWindow);
}

void WindowTest::centresTitleFrameAndExitOnOneAxis() {
    FakedForm window;
    QList<int> doubledCentres;  // left + right edge, to keep half pixels exact
    for (const char* name : {"Label1", "Label9", "Frame1", "Command3"}) {
        const QWidget* control = window.get<QWidget>(name);
        doubledCentres << 2 * control->x() + control->width();
    }
    QCOMPARE(doubledCentres, QList<int>(4, doubledCentres.first()));
}

void WindowTest::resultsShareTheirUnitColour() {
    FakedForm window;
    const auto colour = [&](const char* name) {
        return window.get<QLabel>(name)->palette().color(QPalette::WindowText);
    };
    QCOMPARE(colour("Label3"), QColor(0, 192, 0));
    QCOMPARE(colour("Label3"), colour("Label8"));
    QCOMPARE(colour("Label10"), QColor(255, 0, 255));
    QCOMPARE(colour("Label10"), colour("Label11"));
    QCOMPARE(colour("Label1"), QColor(0, 0, 192));
}

void WindowTest::onlyTheExceptionsCaptionIsRed() {
    FakedForm window;
    auto* frame = window.get<QGroupBox>("Frame2");
    const QImage shot = frame->grab().toImage();
    const auto redPixels = [&](int top, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor pixel = shot.pixelColor(x, y);
                count += pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80;
            }
        return count;
    };
    const int rowsTop = window.get<QLabel>("Label4")->y();
    QVERIFY2(redPixels(0, rowsTop) > 20, "the caption is not red");
    QCOMPARE(redPixels(rowsTop, shot.height()), 0);
}

void WindowTest::exceptionRowsLineUpTheirSecondColumn() {
    FakedForm window;
    QList<qreal> columns;
    for (const char* name : {"Label4", "Label5", "Label6", "Label7"}) {
        const QLabel* row = window.get<QLabel>(name);
        const QString text = row->text();
        QVERIFY(text.startsWith("AWG = O"));
        columns << QFontMetricsF(row->font()).horizontalAdvance(text.left(text.indexOf("mm = ")));
    }
    const auto [least, most] = std::minmax_element(columns.begin(), columns.end());
    QVERIFY2(*most - *least <= 1.0,
             qPrintable(QStringLiteral("columns spread over %1 px").arg(*most - *least)));
}

void WindowTest::startsEmptyWithTheCaretInTheInput() {
    FakedForm window;
    QCOMPARE(window.form.windowTitle(), "Velkiro - by Sobrenti");
    QCOMPARE(QApplication::focusWidget(), window.text1());
    QVERIFY(window.text1()->text().isEmpty());
    QVERIFY(window.label("Label3").isEmpty() && window.label("Label10").isEmpty());
    QCOMPARE(window.form.minimumSize(), window.form.maximumSize());  // not resizable
    QVERIFY(window.text1()->maxLength() > 1'000'000);
}

void WindowTest::speaksEveryControl() {
    FakedForm window;
    QCOMPARE(window.text1()->accessibleName(), "Calibro AWG");
    QVERIFY(window.get<QLabel>("Label3")->accessibleName().isEmpty());  // its text speaks
    QCOMPARE(window.get<QLabel>("Label3")->accessibleDescription(), "Diametro in mm");
    QCOMPARE(window.get<QLabel>("Label10")->accessibleDescription(), "Sezione in mm quadrati");
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
