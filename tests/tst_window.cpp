// The window as a user meets it: how it is drawn, and its three commands
// driven by keys and clicks through the real boxes, up to the program's end.
#include <QTest>
#include <QtWidgets>
#ifndef Q_OS_WIN
#include <QtDBus>
#endif

#include "contrast.h"
#include "form1.h"
#include "gauge_input.h"

namespace {

#ifndef Q_OS_WIN
// The desktop's settings portal, as GNOME's tells its high-contrast switch,
// on the session bus that ctest starts for the window tests.
class SettingsPortal final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    bool serving() {
        QDBusConnection bus = QDBusConnection::sessionBus();
        return bus.registerService("org.freedesktop.portal.Desktop") &&
               bus.registerObject("/org/freedesktop/portal/desktop", this,
                                  QDBusConnection::ExportAllSignals);
    }
    void switchTo(bool on) {
        emit SettingChanged("org.gnome.desktop.a11y.interface", "high-contrast", QDBusVariant(on));
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};
#else
struct SettingsPortal {  // Windows has a setting of its own, which Wine does not report
    bool serving() { return false; }
    void switchTo(bool) {}
};
#endif

// What a scenario leaves behind, field by field, so that a failure names the
// field that differs.
struct Seen {
    QString input{}, diameter{}, section{};
    QString focus = "Text1";  // the controls that held the focus in turn
    // Boxes, menus and highlights as a user reads them; the clipboard at each "clipboard" step.
    QString shown{}, clipboard{};
    QString ending = "still open";
};

// Runs the program's event loop on a new window and plays the steps in it:
// "type TEXT", "key KEY" (such as "key Ctrl+V", or "key Num+." on the
// keypad), "click NAME", "select NAME" (a double-click on a result), "menu
// NAME" (a result's menu: its first entry, chosen), "highlight NAME" (whether
// a selection there shows the focused highlight under a palette that gives
// an unfocused one none, as Windows' does), "clipboard", "close" (as the
// window manager asks),
// "yes" (the question is to be answered Sì). A question answered No is first
// tried with Esc and its close button, which must not answer it. Then
// `inspect` looks at the window.
Seen Play(const QStringList& steps, const std::function<void(velkiro::Form1&)>& inspect = {}) {
    velkiro::Form1 form;  // in Italian: ctest sets the language
    Seen seen;
    bool yes = false;
    QTimer answer;
    answer.callOnTimeout([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        // Title, "(!)" for the exclamation icon, text, the buttons (the
        // default one starred).
        seen.shown += QStringLiteral("[%1%2 %3")
                          .arg(box->windowTitle(), box->icon() == QMessageBox::Warning ? " (!)" : "",
                               box->text());
        for (const QAbstractButton* button : box->buttons())
            seen.shown += ' ' + button->text() + (button == box->defaultButton() ? "*" : "");
        seen.shown += ']';
        if (yes || !box->button(QMessageBox::No)) return QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        if (box->isVisible()) return box->button(QMessageBox::No)->click();
        seen.shown += " left unanswered";
    });
    answer.start(10);
    QTimer::singleShot(10'000, &form, [] { QApplication::exit(-1); });  // fails rather than hangs

    QTimer::singleShot(0, &form, [&] {
        if (!QTest::qWaitForWindowActive(&form)) return QApplication::exit(-1);
        for (const QString& step : steps) {
            const QString verb = step.section(' ', 0, 0), what = step.section(' ', 1);
            auto* result = form.findChild<QLabel*>(what);
            const QPoint inResult = result ? result->mapTo(&form, QPoint(4, 10)) : QPoint();
            if (verb == "type") {
                QTest::keyClicks(form.focusWidget(), what);
            } else if (verb == "key") {
                const QKeyCombination key = QKeySequence(what)[0];
                QTest::keyClick(form.focusWidget(), key.key(), key.keyboardModifiers());
            } else if (verb == "click") {
                QTest::mouseClick(form.findChild<QWidget*>(what), Qt::LeftButton);
            } else if (verb == "select") {
                QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, inResult);
            } else if (verb == "menu") {
                QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, inResult);
                if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                    seen.shown += "[menu " + menu->actions().value(0)->text() + ']';
                    menu->actions().value(0)->trigger();
                    menu->close();
                }
            } else if (verb == "highlight") {
                QPalette windows = form.palette();  // and a new accent colour
                windows.setColor(QPalette::Active, QPalette::Highlight, QColor(0, 120, 215));
                windows.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
                form.setPalette(windows);
                const QImage shot = result->grab().toImage().convertToFormat(QImage::Format_RGB32);
                const auto* pixels = reinterpret_cast<const QRgb*>(shot.constBits());
                const QRgb highlight = windows.color(QPalette::Active, QPalette::Highlight).rgb();
                seen.shown += '[' + what + (std::count(pixels, pixels + shot.sizeInBytes() / 4, highlight) ? " highlighted]" : " not highlighted]");
            } else if (verb == "clipboard") {
                seen.clipboard += '[' + QGuiApplication::clipboard()->text().left(20) + ']';
            } else if (verb == "close") {
                form.windowHandle()->close();
            } else if (verb == "yes") {
                yes = true;
            } else {
                QFAIL(qPrintable("no such step: " + step));
            }
            // The window's own focus: the platform may give it back later.
            if (form.focusWidget()->objectName() != seen.focus.section(' ', -1))
                seen.focus += ' ' + form.focusWidget()->objectName();
        }
        if (inspect) inspect(form);
        if (form.isVisible()) QApplication::exit(-2);
    });
    form.show();
    const int status = QApplication::exec();
    seen.input = form.findChild<QLineEdit*>("Text1")->text().left(20);
    seen.diameter = form.findChild<QLabel*>("Label3")->text();
    seen.section = form.findChild<QLabel*>("Label10")->text();
    if (status != -2) seen.ending = QStringLiteral("exit %1").arg(status);
    return seen;
}

// Compares a grab with its reference picture, tests/pictures/NAME.png. A
// pixel may differ by a tenth of a channel's range (24 of 255: the gamma or
// filtering another FreeType gives an anti-aliased edge), none by more: a line
// or a glyph moved by one pixel, or a bitmap scaled another way, changes more.
// On a mismatch the grab and its differing pixels (in red) are written beside
// the test.
void CompareWithPicture(const QImage& shot, const QString& name) {
    const QString reference = QStringLiteral(VELKIRO_PICTURES "/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("VELKIRO_ACCEPT_PICTURES")) QVERIFY(shot.save(reference));
    const QImage expected = QImage(reference).convertToFormat(shot.format());
    QImage differing = shot.convertToFormat(QImage::Format_RGB32);
    int count = expected.size() == shot.size() ? 0 : -1;  // -1: another size
    for (int i = 0; count >= 0 && i < shot.width() * shot.height(); ++i) {
        const QPoint at(i % shot.width(), i / shot.width());
        const QRgb a = shot.pixel(at), b = expected.pixel(at);
        const bool differs = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                       std::abs(qBlue(a) - qBlue(b))}) > 24;
        count += differs;
        if (differs) differing.setPixel(at, qRgb(255, 0, 0));
    }
    if (count == 0) return;
    shot.save(name + ".png");
    differing.save(name + "-differing.png");
    QFAIL(
        qPrintable(QStringLiteral("%1 pixels differ from %2; see %3/%4*.png. If the new look is "
                                  "right, accept it: VELKIRO_ACCEPT_PICTURES=1 ctest -R pictures")
                       .arg(QString::number(count), reference, QDir::currentPath(), name)));
}

}  // namespace

Q_DECLARE_METATYPE(Seen)

class WindowTest : public QObject {
    Q_OBJECT
    SettingsPortal portal;
    bool portalServing = false;

private slots:
    void initTestCase() {
        QApplication::setCursorFlashTime(0);  // a caret that never blinks
        portalServing = portal.serving();  // before any window asks the desktop's own
    }

    // What holds in every look: each text bold and within its box, whatever
    // font the platform gives; what a screen reader says of the results and
    // of the input; the input's Italian menu, the title, the fixed size (5535
    // x 7350 twips) and the icon's three sizes, for the title bar and the
    // task bar.
    void describesItself() {
        Play({"type 1E-400", "key Return"}, [](velkiro::Form1& form) {
            for (QWidget* control : form.findChildren<QWidget*>(QRegularExpression("Label|Frame|Command"))) {
                const QString text = control->property(control->inherits("QGroupBox") ? "title" : "text").toString();
                const QFontMetricsF metrics(control->font());
                const bool fits = metrics.height() <= control->height() &&
                                  metrics.horizontalAdvance(text) + (control->inherits("QAbstractButton") ? 8 : 0) <= control->width();
                QVERIFY2(text.isEmpty() || (control->font().bold() && fits), qPrintable(control->objectName()));
            }
            auto* label3 = QAccessible::queryAccessibleInterface(form.findChild<QLabel*>("Label3"));
            std::unique_ptr<QMenu> menu(form.findChild<QLineEdit*>()->createStandardContextMenu());
            // clang-format off
            QCOMPARE(QStringList({label3->text(QAccessible::Name), label3->text(QAccessible::Description), form.findChild<QLabel*>("Label10")->accessibleDescription(), form.findChild<QLineEdit*>()->accessibleName(),
                                  menu->actions().value(5)->text().section('\t', 0, 0), form.windowTitle(), QString("%1x%2").arg(form.maximumWidth()).arg(form.maximumHeight())}),
                     QStringList({"8,251", "Diametro in mm", "Sezione in mm quadrati", "Calibro AWG", "&Incolla", VELKIRO_TITLE, "369x490"}));
            QCOMPARE(form.windowIcon().availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {48, 48}}));
            // clang-format on
        });
    }

    // The window as drawn at the screen's scale, compared with its pictures,
    // which come from Debian 12's Qt 6.4 with Fusion and the embedded font.
    // A dark look comes as a desktop switching while the window is open; its
    // pictures were accepted with every text at 4.5:1 against the face and the
    // frame lines at 3:1 (WCAG 2).
    void looksRight_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QPalette>("look");  // the desktop's, where it is not the default
        QTest::addColumn<bool>("highContrast");  // switched on through the desktop's portal
        // clang-format off
        const auto look = [](QRgb text, QRgb button, QRgb light, QRgb dark, QRgb base, QRgb face) {
            return QPalette(QColor(text), QColor(button), QColor(light), QColor(dark), QColor(dark), QColor(text), QColor(light), QColor(base), QColor(face)); };
        const QStringList widest = {"type 1E-400", "key Return"};
        QTest::newRow("widest-results") << widest << QPalette() << false;
        QTest::newRow("focus-on-ripeti-calcolo") << (widest + QStringList{"key Tab", "key Tab"}) << QPalette() << false;
        QTest::newRow("gtk-adwaita-dark-through-fusion") << widest << look(0xf0f0f0, 0x323232, 0x4b4b4b, 0x212121, 0x242424, 0x323232) << false;
        QTest::newRow("white-on-black") << widest << look(0xffffff, 0, 0, 0, 0, 0) << false;
        QTest::newRow("high-contrast-black-on-white") << widest << look(0, 0xffffff, 0xffffff, 0x808080, 0xffffff, 0xffffff) << true;
        // clang-format on
    }
    void looksRight() {
        QFETCH(QStringList, steps);
        QFETCH(QPalette, look);
        QFETCH(bool, highContrast);
        if (highContrast && !portalServing) QSKIP("no desktop portal here to switch high contrast");
        Play(steps, [&](velkiro::Form1& form) {
            const QPalette before = QApplication::palette();
            QApplication::setPalette(look.resolve(before));
            auto* mm = form.findChild<QLabel*>("Label8");
            if (highContrast) portal.switchTo(true);
            QTRY_COMPARE(mm->palette().color(QPalette::WindowText) == QColor(0, 192, 0), !highContrast);
            QApplication::processEvents();
            const QImage shot = form.grab().toImage();
            QApplication::setPalette(before);
            if (highContrast) portal.switchTo(false);
            const QString here = QSysInfo::kernelType() + ", Qt " + QLibraryInfo::version().toString() + ", " +
                                 form.style()->name() + ", " + form.findChild<QLabel*>("Label1")->font().family();
            if (!here.contains(QRegularExpression(R"(^linux, Qt 6\.4\.\d+, fusion, Liberation Sans$)")))
                QSKIP(qPrintable("the pictures come from linux, Qt 6.4, fusion, Liberation Sans; here " + here));
            CompareWithPicture(shot, QStringLiteral("%1@%2x").arg(QTest::currentDataTag()).arg(form.devicePixelRatio()));
        });
    }

    // A fixed colour as drawn on a face, with high contrast off or on: the
    // colour it becomes and its contrast against the face.
    void colourRule_data() {
        QTest::addColumn<QString>("rule");  // "COLOUR on FACE[, HC]: DRAWN RATIO", HC: high contrast
        const auto row = [](const char* name, const char* rule) { QTest::newRow(name) << QString(rule); };
        row("a light face keeps the described colour", "#00c000 on #ffffff: #00c000 2.46");
        row("high contrast darkens the green to 7:1", "#00c000 on #ffffff, HC: #006800 7.05");
        row("high contrast keeps a colour that reaches 7:1", "#0000c0 on #ffffff, HC: #0000c0 11.92");
        row("a dark face lightens the blue to 4.5:1", "#0000c0 on #000000: #6767d9 4.52");
        row("high contrast lightens it to 7:1", "#0000c0 on #000000, HC: #8d8de3 7.05");
        row("where no shade reaches 7:1, the system's text", "#ff0000 on #767676, HC: #000000 4.62");
    }
    void colourRule() {
        QFETCH(QString, rule);
        const QColor colour(rule.section(' ', 0, 0)), face(rule.section(' ', 2, 2).left(7));
        const QColor got = velkiro::TextColourOn(colour, {face, rule.contains("HC"), Qt::black});
        QCOMPARE(got.name() + QString::asprintf(" %.2f", velkiro::ContrastRatio(got, face)),
                 rule.section(": ", 1));
    }

    void scenario_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Seen>("seen");
        // clang-format off
        const auto warning = [](const char* text) { return QStringLiteral("[ATTENZIONE! (!) %1 OK]").arg(text); };
        const QString notNumber = warning("IL DIAMETRO AWG DEVE ESSERE UN NUMERO!"), question = "[Conferma Uscire dal programma? Sì* No]";
        const auto row = [](const char* name, const QString& steps, const Seen& seen) { QTest::newRow(name) << steps.split('|') << seen; };
        row("empty input is missing, blanks are not a number and are cleared, zero is refused", "key Return|type    |click Command1|type 0|key Return", {.shown = warning("DATI MANCANTI!") + notNumber + warning("UN DIAMETRO NON PUO' ESSERE ZERO O NEGATIVO!")});
        row("Enter on a focused OK calculates, and trailing zeros are dropped", "type 40|key Tab|key Return", {.input = "40", .diameter = "0,08", .section = "0,005", .focus = "Text1 Command1"});
        row("a second gauge replaces the results, a refusal keeps them, closing the window ends the program without asking", "type 1|key Return|type 2|key Return|type x|key Return|close", {.diameter = "2,053", .section = "3,309", .shown = notNumber, .ending = "exit 0"});
        row("in Italian a full stop between single digits is a slip, on the keypad a digit types itself and the decimal key a comma", "type 1.5|key Return|key Num+1|key Num+.|type 5|key Return", {.input = "1,5", .diameter = "6,934", .section = "37,765", .shown = notNumber});
        row("an empty result has no menu; Copia copies a whole result", "menu Label3|type 12|key Return|menu Label10|clipboard", {.input = "12", .diameter = "2,053", .section = "3,309", .shown = "[menu Copia]", .clipboard = "[3,309]"});
        row("a double-click selects a whole result; Ctrl+C copies the one selected last, in the input its own selection first", "type 12|key Return|select Label3|select Label10|key Ctrl+C|clipboard|key Ctrl+A|key Ctrl+C|clipboard|click Command1|select Label3|key Ctrl+C|clipboard", {.input = "12", .diameter = "2,053", .section = "3,309", .focus = "Text1 Command1", .clipboard = "[3,309][12][2,053]"});
        row("a selection in a result is drawn as a focused one, which it never is", "type 12|key Return|select Label10|highlight Label10", {.input = "12", .diameter = "2,053", .section = "3,309", .shown = "[Label10 highlighted]"});
        row("a pasted megabyte of digits is a gauge, with a letter after it is not", "key Ctrl+V|key Return|type x|key Return", {.diameter = "0", .section = "0", .shown = notNumber});
        row("Esc does nothing, Tab visits the four controls in turn, Space on Ripeti calcolo resets", "type 12|key Return|key Esc|key Tab|key Tab|key Tab|key Esc|key Tab|key Tab|key Tab|key Space", {.focus = "Text1 Command1 Command2 Command3 Text1 Command1 Command2 Text1"});
        row("a click on OK keeps the focus there; ESCI, then No, keeps everything", "type 12|click Command1|click Command3", {.input = "12", .diameter = "2,053", .section = "3,309", .focus = "Text1 Command1 Command3", .shown = question});
        row("Enter on a focused button presses it: Ripeti calcolo resets, ESCI asks and ends the program", "type 12|key Tab|key Tab|key Return|key Tab|key Tab|key Tab|yes|key Return", {.focus = "Text1 Command1 Command2 Text1 Command1 Command2 Command3", .shown = question, .ending = "exit 0"});
        // clang-format on
    }

    void scenario() {
        QFETCH(QStringList, steps);
        QFETCH(Seen, seen);
        QGuiApplication::clipboard()->setText(QString(1'000'000, '7'));  // for pasting
        const Seen got = Play(steps);
        QStringList differing;
        for (const auto& [field, member] : {std::pair{"input", &Seen::input}, {"diameter", &Seen::diameter}, {"section", &Seen::section},
                                             {"focus", &Seen::focus}, {"shown", &Seen::shown}, {"clipboard", &Seen::clipboard}, {"ending", &Seen::ending}})
            if (got.*member != seen.*member)
                differing << QStringLiteral("%1: '%2', expected '%3'").arg(field, got.*member, seen.*member);
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join("; ")));
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
