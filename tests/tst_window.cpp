// The window as a user meets it: how its texts look, and its three commands
// driven by keys and clicks through the real boxes, up to the program's end.
#include <QTest>
#include <QtWidgets>

#include "form1.h"

namespace {

constexpr int kStillOpen = 2;  // not a status the program returns

// Runs the program's event loop on a new window and plays the steps in it,
// separated by '|': "english" (the user's settings), "click NAME", "close"
// (as the window manager asks), "yes" (the question is to be answered Sì),
// "select NAME" (a part of a result, by a double-click), "copy NAME" (a part
// selected, then the result's menu), "clipboard" (what it holds), a key such as "Return", "Ctrl+V" or
// "Num+." (on the keypad), or text to type.
// Then `inspect` looks at the window. Returns the input, the two results, the
// controls that held the focus in turn, the boxes shown and how the program
// ended. A question answered No is first tried with Esc and its close
// button, which must not answer it.
QString Play(const QString& steps, const std::function<void(velkiro::Form1&)>& inspect = {}) {
    gauge::NumberFormat format{",", "."};  // Italian
    velkiro::Form1 form(std::make_unique<velkiro::QtMessageBoxes>(), [&] { return format; });
    QString focus, boxes;
    bool yes = false;
    QTimer answer;
    answer.callOnTimeout([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        // The box as a user reads it: title, "(!)" for the exclamation icon,
        // text, and the buttons, the default one starred.
        boxes += QStringLiteral(" [%1%2 %3")
                     .arg(box->windowTitle(), box->icon() == QMessageBox::Warning ? " (!)" : "",
                          box->text());
        for (const QAbstractButton* button : box->buttons())
            boxes += ' ' + button->text() + (button == box->defaultButton() ? "*" : "");
        // Wide enough for the title in a bold title bar with an icon and three
        // buttons, and no wider than twice that.
        const QFontMetrics titleBar(
            QFont(box->font().family(), box->font().pointSize(), QFont::Bold));
        const int least = std::max(240, titleBar.horizontalAdvance(box->windowTitle()) + 4 * 24);
        boxes += box->width() < least || box->width() > 2 * least ? " badly sized]" : "]";
        if (yes || !box->button(QMessageBox::No)) return QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        if (box->isVisible()) return box->button(QMessageBox::No)->click();
        boxes += " left unanswered";
    });
    answer.start(10);
    QTimer::singleShot(10'000, &form, [] { QApplication::exit(-1); });  // fails rather than hangs

    QTimer::singleShot(0, &form, [&] {
        if (!QTest::qWaitForWindowActive(&form)) return QApplication::exit(-1);
        focus = form.focusWidget()->objectName();
        for (const QString& step : steps.split('|')) {
            if (step == "english")
                format = {".", ","};
            else if (step.startsWith("click "))
                QTest::mouseClick(form.findChild<QWidget*>(step.mid(6)), Qt::LeftButton);
            else if (step == "close")
                form.windowHandle()->close();
            else if (step == "yes")
                yes = true;
            else if (step == "clipboard")
                boxes += " [clipboard: " + QGuiApplication::clipboard()->text() + ']';
            else if (step.startsWith("select ") || step.startsWith("copy ")) {
                auto* result = form.findChild<QLabel*>(step.section(' ', 1));
                QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {},
                                   result->mapTo(&form, QPoint(4, result->height() / 2)));
                if (step.startsWith("select ")) continue;  // a part selected
                QTest::mouseClick(form.windowHandle(), Qt::RightButton, {},
                                  result->mapTo(&form, QPoint(4, 4)));
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                for (QAction* entry : menu ? menu->actions() : QList<QAction*>()) {
                    entry->trigger();
                    boxes += QStringLiteral(" [%1 with '%2' selected: %3]")
                                 .arg(entry->text(), result->selectedText(),
                                      QGuiApplication::clipboard()->text());
                }
                if (menu) menu->close();
            } else if (const QKeySequence key(step); key.toString() == step)
                QTest::keyClick(form.focusWidget(), key[0].key(), key[0].keyboardModifiers());
            else
                QTest::keyClicks(form.focusWidget(), step);
            // The window's own focus: the platform may give it back later.
            if (form.focusWidget()->objectName() != focus.section(' ', -1))
                focus += ' ' + form.focusWidget()->objectName();
        }
        if (inspect) inspect(form);
        if (form.isVisible()) QApplication::exit(kStillOpen);
    });
    form.show();
    const int status = QApplication::exec();
    return QStringLiteral("'%1' '%2' '%3' %4%5%6")
        .arg(form.findChild<QLineEdit*>("Text1")->text().left(20),
             form.findChild<QLabel*>("Label3")->text(), form.findChild<QLabel*>("Label10")->text(),
             focus, boxes, status == kStillOpen ? "" : QStringLiteral(", exit %1").arg(status));
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // With the widest results shown: every text is bold and fits its box, which
    // lies inside its container; only the exception rows are letter-spaced; a
    // label's text fills most of its height; only the titles, the results, the
    // exceptions caption, the default button's frame and the exit picture show
    // a colour on screen; the exception rows line up their second column; a
    // screen reader speaks a result; and the input's menu is Italian.
    void everyTextLooksRight() {
        Play("1E-400|Return", [](velkiro::Form1& form) {
            QCOMPARE(form.maximumSize(), QSize(369, 490));  // fixed at 5535 x 7350 twips
            QCOMPARE(form.windowTitle(), "Velkiro - by Sobrenti");
            const QHash<QString, QSet<int>> hues = {
                {"Label1", {240}}, {"Label9", {240}},   {"Label3", {120}},
                {"Label8", {120}}, {"Label10", {300}},  {"Label11", {300}},
                {"Frame2", {0}},   {"Command1", {210}}, {"Command3", {180}}};
            QList<qreal> columns;
            for (QWidget* control : form.findChildren<QWidget*>()) {
                const QString text =
                    control->property(control->inherits("QGroupBox") ? "title" : "text").toString();
                if (text.isEmpty() || control->inherits("QLineEdit")) continue;  // it scrolls
                const QFontMetricsF metrics(control->font());
                const qreal bevel = control->inherits("QAbstractButton") ? 8 : 0;
                const qreal fill = control->inherits("QLabel") ? 0.75 : 0;
                const QImage shot = control->grab().toImage();
                QSet<int> seen;  // hues to the nearest 30 degrees
                for (int i = 0; i < shot.width() * shot.height(); ++i) {
                    const QColor pixel = shot.pixelColor(i % shot.width(), i / shot.width());
                    if (pixel.hsvSaturation() > 100) seen << (pixel.hsvHue() + 15) / 30 % 12 * 30;
                }
                QVERIFY2(control->font().bold() &&
                             metrics.horizontalAdvance(text) + bevel <= control->width() &&
                             metrics.height() <= control->height() &&
                             metrics.height() >= fill * control->height() &&
                             seen == hues.value(control->objectName()) &&
                             (text.contains("mm = ") || control->font().letterSpacing() == 0) &&
                             control->parentWidget()->rect().contains(control->geometry()),
                         qPrintable(control->objectName()));
                if (text.contains("mm = "))
                    columns << metrics.horizontalAdvance(text.left(text.indexOf("mm = ")));
            }
            const auto [least, most] = std::minmax_element(columns.begin(), columns.end());
            QVERIFY2(columns.size() == 4 && *most - *least < 0.25, "the rows do not line up");
            auto* label3 = QAccessible::queryAccessibleInterface(form.findChild<QLabel*>("Label3"));
            QCOMPARE(label3->text(QAccessible::Name), "8,251");
            QCOMPARE(label3->text(QAccessible::Description), "Diametro in mm");
            QCOMPARE(form.findChild<QLineEdit*>()->accessibleName(), "Calibro AWG");
            std::unique_ptr<QMenu> menu(form.findChild<QLineEdit*>()->createStandardContextMenu());
            QCOMPARE(menu->actions().value(5)->text().section('\t', 0, 0), "&Incolla");
            // The exit picture keeps its size, in the bitmap that suits the screen.
            const auto* exit = form.findChild<QPushButton*>("Command3");
            const QPixmap picture = exit->icon().pixmap(exit->iconSize(), exit->devicePixelRatio());
            QVERIFY(picture.deviceIndependentSize() == QSizeF(28, 29) &&
                    picture.devicePixelRatio() == exit->devicePixelRatio());
        });
    }

    void scenario_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("seen");  // input, results, focus, boxes and exit status
        // clang-format off
        const auto warning = [](const char* text) { return QStringLiteral(" [ATTENZIONE! (!) %1 OK]").arg(text); };
        const QString notNumber = warning("IL DIAMETRO AWG DEVE ESSERE UN NUMERO!");
        const QString exit = " [Conferma Uscire dal programma? Sì* No]";
        QTest::newRow("empty input is missing, blanks are not a number and are cleared, zero is refused") << "Return|   |click Command1|0|Return" << "'' '' '' Text1" + warning("DATI MANCANTI!") + notNumber + warning("UN DIAMETRO NON PUO' ESSERE ZERO O NEGATIVO!");
        QTest::newRow("Enter on a focused OK calculates, and trailing zeros are dropped") << "40|Tab|Return" << "'40' '0,08' '0,005' Text1 Command1";
        QTest::newRow("a second gauge replaces the results, a refusal keeps them") << "1|Return|2|Return|x|Return" << "'' '2,053' '3,309' Text1" + notNumber;
        QTest::newRow("in Italian a full stop between single digits is a slip, the keypad's decimal key types a comma") << "1.5|Return|1|Num+.|5|Return" << "'1,5' '6,934' '37,765' Text1" + notNumber;
        QTest::newRow("in English the keypad's decimal key types a point") << "english|0|Num+.|Num+5|Return" << "'0.5' '7.787' '47.621' Text1";
        QTest::newRow("an empty result offers nothing to copy; Copia copies a whole result, a part selected")
            << "copy Label3|12|Return|copy Label3|copy Label10" << "'12' '2,053' '3,309' Text1 [Copia with '2' selected: 2,053] [Copia with '3' selected: 3,309]";
        QTest::newRow("Ctrl+C copies the part of a result selected last, in the input its own selection first")
            << "12|Return|select Label3|select Label10|Ctrl+C|clipboard|Ctrl+A|Ctrl+C|clipboard|click Command1|select Label3|Ctrl+C|clipboard"
            << "'12' '2,053' '3,309' Text1 Command1 [clipboard: 3] [clipboard: 12] [clipboard: 2]";
        QTest::newRow("a pasted megabyte of digits is a gauge, with a letter after it is not") << "Ctrl+V|Return|x|Return" << "'' '0' '0' Text1" + notNumber;
        QTest::newRow("Esc does nothing, Tab visits the four controls in turn, Space on Ripeti calcolo resets")
            << "12|Return|Esc|Tab|Tab|Tab|Esc|Tab|Tab|Tab|Space" << "'' '' '' Text1 Command1 Command2 Command3 Text1 Command1 Command2 Text1";
        QTest::newRow("a click on OK keeps the focus there; ESCI, then No, keeps everything") << "12|click Command1|click Command3" << "'12' '2,053' '3,309' Text1 Command1 Command3" + exit;
        QTest::newRow("Enter on a focused button presses it: Ripeti calcolo resets, ESCI asks and ends the program")
            << "12|Tab|Tab|Return|Tab|Tab|Tab|yes|Return" << "'' '' '' Text1 Command1 Command2 Text1 Command1 Command2 Command3" + exit + ", exit 0";
        QTest::newRow("closing the window ends the program without asking") << "12|close" << "'12' '' '' Text1, exit 0";
        // clang-format on
    }

    void scenario() {
        QFETCH(QString, steps);
        QGuiApplication::clipboard()->setText(QString(1'000'000, '7'));  // for pasting
        QTEST(Play(steps), "seen");
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
