// The window as a user sees it once shown: sizes, places, colours, fonts.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "form1.h"

using velkiro::Form1;

class WindowTest : public QObject {
    Q_OBJECT

    Form1 form;
    template <typename T = QWidget>
    T* get(const QString& name) {
        return form.findChild<T*>(name);
    }

private slots:
    void initTestCase();
    void everyTextFitsItsBox_data();
    void everyTextFitsItsBox();
    void placesControlsInPixels_data();
    void placesControlsInPixels();
    void centresTitleFrameAndExitOnOneAxis();
    void showsColoursWhereTheyBelong();
    void exceptionRowsLineUpTheirSecondColumn();
    void startsEmptyWithTheCaretInTheInput();
};

void WindowTest::initTestCase() {
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

void WindowTest::everyTextFitsItsBox_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");  // empty: the control's own
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
    QWidget* control = get(name);
    if (text.isEmpty()) {
        auto* label = qobject_cast<QLabel*>(control);
        text = label ? label->text() : qobject_cast<QAbstractButton*>(control)->text();
    }
    const QFontMetricsF metrics(control->font());
    const qreal bevel = qobject_cast<QAbstractButton*>(control) ? 8 : 0;
    QVERIFY2(metrics.horizontalAdvance(text) + bevel <= control->width(),
             qPrintable(QStringLiteral("%1 px wide").arg(metrics.horizontalAdvance(text))));
    QVERIFY(metrics.height() <= control->height());
}

void WindowTest::placesControlsInPixels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("inWindow");
    QTest::newRow("the window's client area") << "Form1" << QRect(0, 0, 369, 490);
    QTest::newRow("input inside the main frame") << "Text1" << QRect(140, 96, 49, 25);
    QTest::newRow("section result") << "Label10" << QRect(140, 184, 97, 25);
    QTest::newRow("a row inside the exceptions frame") << "Label7" << QRect(68, 328, 209, 17);
    QTest::newRow("reset button in the main frame") << "Command2" << QRect(100, 368, 153, 25);
    QTest::newRow("exit button on the window") << "Command3" << QRect(136, 432, 81, 49);
}

void WindowTest::placesControlsInPixels() {
    QFETCH(QString, name);
    QWidget* control = name == "Form1" ? &form : get(name);
    QTEST(QRect(control->mapTo(&form, QPoint(0, 0)), control->size()), "inWindow");
}

void WindowTest::centresTitleFrameAndExitOnOneAxis() {
    QList<int> doubledCentres;  // left and right edge added: no half pixels
    for (const char* name : {"Label1", "Label9", "Frame1", "Command3"})
        doubledCentres << 2 * get(name)->x() + get(name)->width();
    QCOMPARE(doubledCentres, QList<int>(4, doubledCentres.first()));
}

void WindowTest::showsColoursWhereTheyBelong() {
    const auto colour = [&](const char* name) {
        return get(name)->palette().color(QPalette::WindowText);
    };
    QCOMPARE(colour("Label3"), QColor(0, 192, 0));
    QCOMPARE(colour("Label3"), colour("Label8"));
    QCOMPARE(colour("Label10"), QColor(255, 0, 255));
    QCOMPARE(colour("Label10"), colour("Label11"));

    // The caption of the exceptions frame is red on screen; its rows are not.
    const QImage shot = get("Frame2")->grab().toImage();
    const int rowsTop = get("Label4")->y();
    int captionRed = 0, rowsRed = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor pixel = shot.pixelColor(x, y);
            const bool red = pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80;
            (y < rowsTop ? captionRed : rowsRed) += red;
        }
    QVERIFY2(captionRed > 20, "the caption is not red");
    QCOMPARE(rowsRed, 0);
}

void WindowTest::exceptionRowsLineUpTheirSecondColumn() {
    QList<qreal> columns;
    for (const char* name : {"Label4", "Label5", "Label6", "Label7"}) {
        const QLabel* row = get<QLabel>(name);
        const QString text = row->text();
        columns << QFontMetricsF(row->font()).horizontalAdvance(text.left(text.indexOf("mm = ")));
    }
    const auto [least, most] = std::minmax_element(columns.begin(), columns.end());
    QVERIFY2(*most - *least <= 1.0, qPrintable(QStringLiteral("spread %1 px").arg(*most - *least)));
    QCOMPARE(get<QLabel>("Label7")->text(), "AWG = OOOO      mm = 11.684");
}

void WindowTest::startsEmptyWithTheCaretInTheInput() {
    QCOMPARE(form.windowTitle(), "Velkiro - by Sobrenti");
    QCOMPARE(form.minimumSize(), form.maximumSize());  // not resizable
    QCOMPARE(QApplication::focusWidget(), get("Text1"));
    QVERIFY(get<QLineEdit>("Text1")->text().isEmpty());
    QVERIFY(get<QLineEdit>("Text1")->maxLength() > 1'000'000);
    QVERIFY(get<QLabel>("Label3")->text().isEmpty() && get<QLabel>("Label10")->text().isEmpty());
    // A screen reader speaks the input's name and the results' own text.
    QCOMPARE(get("Text1")->accessibleName(), "Calibro AWG");
    QVERIFY(get("Label3")->accessibleName().isEmpty());
    QCOMPARE(get("Label3")->accessibleDescription(), "Diametro in mm");
    QCOMPARE(get("Label10")->accessibleDescription(), "Sezione in mm quadrati");

    const std::unique_ptr<QMenu> menu(get<QLineEdit>("Text1")->createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions()) entries << action->text().section('\t', 0, 0);
    QVERIFY2(entries.contains("&Copia") && entries.contains("&Incolla"),
             qPrintable(entries.join(", ")));
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
