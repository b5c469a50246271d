// The window as a user meets it: how it is drawn, and its three commands
// driven by keys and clicks through the real boxes, up to the program's end.
#include <QTest>
#include <QtWidgets>
#ifndef Q_OS_WIN
#include <QtDBus>
#endif

#include "form1.h"

namespace {

// Switches high contrast as GNOME's settings portal tells it, on the session
// bus that ctest starts for the window tests; false where there is none.
// (Windows has a setting of its own, which Wine does not report.)
bool SwitchHighContrast(bool on) {
#ifndef Q_OS_WIN
    auto changed = QDBusMessage::createSignal("/org/freedesktop/portal/desktop",
                                              "org.freedesktop.portal.Settings", "SettingChanged");
    changed << "org.gnome.desktop.a11y.interface" << "high-contrast"
            << QVariant::fromValue(QDBusVariant(on));
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.registerService("org.freedesktop.portal.Desktop") && bus.send(changed);
#else
    Q_UNUSED(on);
    return false;
#endif
}

// Runs the program's event loop on a new window and plays the steps in it:
// "type TEXT", "key KEY" ("key Ctrl+V", "key Num+." on the keypad), "click
// NAME", "select NAME" (a double-click on a result), "menu NAME" (a control's
// menu: its first entry, chosen), "yes" (the question is to be answered Sì,
// not No). Then `inspect` looks at the window.
// Gives what the user saw: the boxes, menus and clipboard texts met, each
// control that took the focus after "Text1" (as ">NAME"), and after "=" the
// input, the two results and how it ended.
QString Play(const QString& steps, const std::function<void(velkiro::Form1&)>& inspect = {}) {
    velkiro::Form1 form;  // in Italian: ctest sets the language
    QString seen, focus = "Text1";
    bool yes = false;
    QTimer answer;
    answer.callOnTimeout([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        // Title, "(!)" for the exclamation icon, text, the buttons (the default one starred).
        seen += '[' + box->windowTitle() + (box->icon() == QMessageBox::Warning ? " (!) " : " ") +
                box->text();
        for (const QAbstractButton* button : box->buttons())
            seen += ' ' + button->text() + (button == box->defaultButton() ? "*" : "");
        seen += ']';
        if (yes || !box->button(QMessageBox::No)) return QTest::keyClick(box, Qt::Key_Return);
        box->button(QMessageBox::No)->click();
    });
    answer.start(10);
    QClipboard* clipboard = QGuiApplication::clipboard();
    QObject::connect(clipboard, &QClipboard::dataChanged, &form, [&] {
        seen += "[clipboard " + clipboard->text().left(20) + ']';
    });
    QTimer::singleShot(10'000, &form, [] { QApplication::exit(-1); });  // fails rather than hangs

    QTimer::singleShot(0, &form, [&] {
        if (!QTest::qWaitForWindowActive(&form)) return QApplication::exit(-1);
        for (const QString& step : steps.split('|')) {
            const QString verb = step.section(' ', 0, 0), what = step.section(' ', 1);
            auto* widget = form.findChild<QWidget*>(what);
            const QPoint inWidget = widget ? widget->mapTo(&form, QPoint(4, 10)) : QPoint();
            if (verb == "type") {
                QTest::keyClicks(form.focusWidget(), what);
            } else if (verb == "key") {
                QTest::keySequence(form.focusWidget(), QKeySequence(what));
            } else if (verb == "click") {
                QTest::mouseClick(widget, Qt::LeftButton);
            } else if (verb == "select") {
                QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, inWidget);
            } else if (verb == "menu") {
                QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, inWidget);
                if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                    seen += "[menu " + menu->actions()[0]->text() + ']';
                    menu->actions()[0]->trigger();
                    menu->close();
                }
            } else if (verb == "yes") {
                yes = true;
            } else {
                QFAIL(qPrintable("no such step: " + step));
            }
            // The window's own focus: the platform may give it back later.
            if (form.focusWidget()->objectName() != focus) {
                focus = form.focusWidget()->objectName();
                seen += " >" + focus;
            }
        }
        if (inspect) inspect(form);
        if (form.isVisible()) QApplication::exit(-2);
    });
    form.show();
    const int status = QApplication::exec();
    seen += " = " + form.findChild<QLineEdit*>()->text().left(20) + '/' +
            form.findChild<QLabel*>("Label3")->text() + '/' +
            form.findChild<QLabel*>("Label10")->text();
    if (status != -2) seen += QStringLiteral(" exit %1").arg(status);
    return seen.trimmed();
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT
    bool portalServing = false;

private slots:
    void initTestCase() {
        QApplication::setCursorFlashTime(0);  // a caret that never blinks
        portalServing = SwitchHighContrast(false);  // before any window asks the desktop's own
    }

    // The window as drawn at the screen's scale, with the widest results and
    // the focus on "Ripeti calcolo", compared pixel for pixel with its
    // pictures (tests/pictures/TAG@SCALEx.png), which come from Debian 12's Qt
    // 6.4 with Fusion and the embedded font. A look on black and high contrast
    // come as the desktop switching while the window is open; the pictures
    // were accepted with every text at 4.5:1 against the face (7:1 in high
    // contrast) and the frame lines at 3:1 (WCAG 2).
    void looksRight_data() {
        QTest::addColumn<bool>("black");  // the desktop's look turned to white on black
        QTest::addColumn<bool>("contrast");  // and high contrast switched on
        QTest::newRow("widest-results") << false << false;
        QTest::newRow("white-on-black") << true << false;
        QTest::newRow("high-contrast") << false << true;
        QTest::newRow("high-contrast-on-black") << true << true;
    }
    void looksRight() {
        QFETCH(bool, black);
        QFETCH(bool, contrast);
        if (QSysInfo::kernelType() + QApplication::style()->name() != "linuxfusion" ||
            (contrast && !portalServing))
            QSKIP("the pictures come from Linux with Fusion, high contrast through a portal");
        Play("type 1E-400|key Return|key Tab|key Tab", [&](velkiro::Form1& form) {
            const QPalette before = QApplication::palette();
            if (black) QApplication::setPalette(QPalette(Qt::black));
            SwitchHighContrast(contrast);
            // The section is magenta but in high contrast.
            QTRY_COMPARE(form.findChild<QLabel*>("Label10")->palette().color(
                             QPalette::WindowText) != Qt::magenta,
                         contrast);
            QApplication::processEvents();
            const QImage shot = form.grab().toImage();
            QApplication::setPalette(before);
            SwitchHighContrast(false);
            const QString name =
                QStringLiteral("%1@%2x").arg(QTest::currentDataTag()).arg(form.devicePixelRatio());
            const QString reference = VELKIRO_PICTURES "/" + name + ".png";
            if (qEnvironmentVariableIsSet("VELKIRO_ACCEPT_PICTURES")) shot.save(reference);
            const QImage expected = QImage(reference).convertToFormat(shot.format());
            if (shot != expected && shot.save(name + ".png"))  // for a look, beside the test
                QFAIL(qPrintable(name + " differs; a right new look: VELKIRO_ACCEPT_PICTURES=1"));
        });
    }

    void scenario_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("seen");
        const auto warning = [](const QString& text) {
            return "[ATTENZIONE! (!) " + text + " OK]";
        };
        const QString notNumber = warning("IL DIAMETRO AWG DEVE ESSERE UN NUMERO!");
        const QString question = "[Conferma Uscire dal programma? Sì* No]";
        const auto row = [](const char* name, const char* steps, const QString& seen) {
            QTest::newRow(name) << QString(steps) << seen;
        };
        row("empty input is missing, blanks are not a number and are cleared, zero is refused",
            "key Return|type    |click Command1|type 0|key Return",
            warning("DATI MANCANTI!") + notNumber +
                warning("UN DIAMETRO NON PUO' ESSERE ZERO O NEGATIVO!") + " = //");
        row("a new gauge replaces the results, a refusal keeps them",
            "type 1|key Return|type 2|key Return|type x|key Return", notNumber + " = /2,053/3,309");
        row("the keypad's decimal key types the Italian decimal comma",
            "key Num+1|key Num+.|type 5|key Return", "= 1,5/6,934/37,765");
        row("Italian input menu, none on an empty result, Copia copies a result",
            "menu Text1|menu Label3|type 12|key Return|menu Label10",
            "[menu &Annulla\tCtrl+Z][menu Copia][clipboard 3,309] = 12/2,053/3,309");
        row("Ctrl+C copies the result selected last by a double-click, in the input its selection",
            "type 12|key Return|select Label3|select Label10|key Ctrl+C|key Ctrl+A|"
            "key Ctrl+C|click Command1|select Label3|key Ctrl+C",
            "[clipboard 3,309][clipboard 12] >Command1[clipboard 2,053] = 12/2,053/3,309");
        row("a pasted megabyte of digits is a gauge", "key Ctrl+V|key Return",
            "= 77777777777777777777/0/0");
        row("Esc does nothing, Tab visits the controls in turn, Space on Ripeti calcolo resets",
            "type 12|key Return|key Esc|key Tab|key Tab|key Tab|key Esc|key Tab|key Tab|key Tab|"
            "key Space",
            ">Command1 >Command2 >Command3 >Text1 >Command1 >Command2 >Text1 = //");
        row("a click on OK keeps the focus there; ESCI, then No, keeps everything",
            "type 12|click Command1|click Command3",
            ">Command1" + question + " >Command3 = 12/2,053/3,309");
        row("Enter on a focused button presses it: OK calculates, Ripeti calcolo resets, ESCI "
            "asks and ends",
            "type 12|key Tab|key Return|key Tab|key Return|key Tab|key Tab|key Tab|yes|key Return",
            ">Command1 >Command2 >Text1 >Command1 >Command2 >Command3" + question + " = // exit 0");
    }
    void scenario() {
        QFETCH(QString, steps);
        QGuiApplication::clipboard()->setText(QString(1'000'000, '7'));  // for pasting
        QTEST(Play(steps), "seen");
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
