// The three commands as a user drives them with keys and clicks, first with
// the boxes answered by a fake, then through the real boxes and the real
// event loop, up to the end of the program.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "form1.h"

using namespace velkiro;
Q_DECLARE_METATYPE(gauge::NumberFormat)

namespace {

const gauge::NumberFormat kItalian{",", "."}, kEnglish{".", ","};
const QString kMissing = "DATI MANCANTI!";
const QString kNotNumber = "IL DIAMETRO AWG DEVE ESSERE UN NUMERO!";
const QString kNotPositive = "UN DIAMETRO NON PUO' ESSERE ZERO O NEGATIVO!";
const QString kExit = "Uscire dal programma?";

// Records every box shown; answers questions with `yes`.
class FakeBoxes final : public MessageBoxes {
public:
    QStringList shown;
    bool yes = false;
    void warn(QWidget*, const QString& text) override { shown << text; }
    bool confirm(QWidget*, const QString& text) override {
        shown << text;
        return yes;
    }
};

}  // namespace

// What the window shows after a scenario.
struct Seen {
    QString text1, label3, label10, focus;
    QStringList boxes = {};
    bool open = true;
    bool operator==(const Seen&) const = default;
};
Q_DECLARE_METATYPE(Seen)
char* toString(const Seen& s) {
    return QTest::toString(
        QStringLiteral("Text1 '%1', Label3 '%2', Label10 '%3', focus %4, boxes [%5]%6")
            .arg(s.text1, s.label3, s.label10, s.focus, s.boxes.join("; "),
                 s.open ? "" : ", closed"));
}

namespace {

// Plays steps separated by '|': "type TEXT", "paste COUNT CHAR", "click NAME",
// "focus NAME", "yes" (the next question is answered Sì), or a key name.
Seen Play(const gauge::NumberFormat& format, const QString& steps) {
    auto* boxes = new FakeBoxes;
    Form1 form(std::unique_ptr<MessageBoxes>(boxes), [&] { return format; });
    form.show();
    if (!QTest::qWaitForWindowActive(&form)) qWarning("the window is not active");
    auto* text1 = form.findChild<QLineEdit*>("Text1");
    for (const QString& step : steps.split('|', Qt::SkipEmptyParts)) {
        const QString verb = step.section(' ', 0, 0), rest = step.section(' ', 1);
        if (verb == "type")
            QTest::keyClicks(QApplication::focusWidget(), rest);
        else if (verb == "paste")
            text1->setText(QString(rest.section(' ', 0, 0).toInt(), rest.back()));
        else if (verb == "click")
            QTest::mouseClick(form.findChild<QWidget*>(rest), Qt::LeftButton);
        else if (verb == "focus")
            form.findChild<QWidget*>(rest)->setFocus();
        else if (verb == "yes")
            boxes->yes = true;
        else
            QTest::keyClick(QApplication::focusWidget(), QKeySequence(step)[0].key());
    }
    const QWidget* focus = QApplication::focusWidget();
    return {text1->text().left(20),
            form.findChild<QLabel*>("Label3")->text(),
            form.findChild<QLabel*>("Label10")->text(),
            focus ? focus->objectName() : "",
            boxes->shown,
            form.isVisible()};
}

// What a real message box showed when it was answered.
struct SeenBox {
    QString title, text, defaultButton = {};
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons = {};
};

// Polls for the next modal QMessageBox, records it and hands it to `answer`.
// A box left open is closed after five seconds, so a test fails, not hangs.
std::shared_ptr<std::optional<SeenBox>> AnswerNextBox(
    const std::function<void(QMessageBox*)>& answer) {
    auto seen = std::make_shared<std::optional<SeenBox>>();
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [=, ticks = 0]() mutable {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible() && !*seen) {
            SeenBox& s = seen->emplace(SeenBox{box->windowTitle(), box->text()});
            s.icon = box->icon();
            for (QAbstractButton* button : box->buttons()) s.buttons << button->text();
            if (box->defaultButton()) s.defaultButton = box->defaultButton()->text();
            answer(box);
        } else if (++ticks > 500 || (*seen && !box)) {
            if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                stuck->done(QDialog::Rejected);
            poll->deleteLater();
        }
    });
    poll->start(10);
    return seen;
}

// Runs the event loop as the program does, after `act`; returns its exit
// status, or -1 when a watchdog had to stop it.
int RunProgram(const std::function<void()>& act) {
    QTimer::singleShot(0, act);
    QTimer::singleShot(10'000, [] { QCoreApplication::exit(-1); });
    return QApplication::exec();
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void scenario_data();
    void scenario();
    void tabCyclesThroughTheFourControls();
    void warningIsARealItalianBox();
    void exitBoxLeavesOnlyByItsButtons();
    void yesByEnterEndsTheProgram();
    void closeRequestEndsTheProgramWithoutAsking();
};

void CommandsTest::scenario_data() {
    QTest::addColumn<gauge::NumberFormat>("format");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<Seen>("seen");
    const auto row = [](const char* name, const gauge::NumberFormat& f, const char* steps,
                        const Seen& seen) { QTest::newRow(name) << f << QString(steps) << seen; };

    row("empty input is missing", kItalian, "Return", {"", "", "", "Text1", {kMissing}});
    row("blanks are not a number, and are cleared", kItalian, "type    |Return",
        {"", "", "", "Text1", {kNotNumber}});
    row("letters are not a number", kItalian, "type abc|click Command1",
        {"", "", "", "Text1", {kNotNumber}});
    row("zero is refused", kItalian, "type 0|Return", {"", "", "", "Text1", {kNotPositive}});
    row("negative is refused", kItalian, "type -3|Return", {"", "", "", "Text1", {kNotPositive}});
    row("comma is the decimal separator in Italian", kItalian, "type 12|Return",
        {"12", "2,053", "3,309", "Text1"});
    row("full stop is the decimal separator in English", kEnglish, "type 0.5|Return",
        {"0.5", "7.787", "47.621", "Text1"});
    row("a full stop groups digits in Italian", kItalian, "type 0.5|Enter",
        {"0.5", "4,621", "16,773", "Text1"});
    row("a mouse click leaves the focus on OK", kItalian, "type 1|click Command1",
        {"1", "7,348", "42,408", "Command1"});
    row("a refusal keeps the earlier results", kItalian, "type 12|Return|Backspace|type x|Return",
        {"", "2,053", "3,309", "Text1", {kNotNumber}});
    row("a second result replaces the first", kItalian, "type 12|Return|Backspace|type 6|Return",
        {"16", "1,291", "1,309", "Text1"});
    row("a pasted megabyte of digits is a gauge", kItalian, "paste 1000000 7|Return",
        {QString(20, '7'), "0", "0", "Text1"});
    row("a pasted megabyte of letters is not", kItalian, "paste 1000000 x|Return",
        {"", "", "", "Text1", {kNotNumber}});
    row("Esc does nothing", kItalian, "type 12|Esc|focus Command3|Esc", {"12", "", "", "Command3"});
    row("Enter on OK calculates", kItalian, "type 12|focus Command1|Return",
        {"12", "2,053", "3,309", "Command1"});
    row("Enter on Ripeti calcolo resets, not calculates", kItalian,
        "type 12|Return|focus Command2|Return", {"", "", "", "Text1"});
    row("Space on Ripeti calcolo resets", kItalian, "type 12|Return|focus Command2|Space",
        {"", "", "", "Text1"});
    row("Ripeti calcolo on an empty window", kItalian, "click Command2", {"", "", "", "Text1"});
    row("ESCI, then No, keeps everything", kItalian, "type 12|Return|click Command3",
        {"12", "2,053", "3,309", "Command3", {kExit}});
    row("Enter on ESCI asks, then Sì closes", kItalian, "focus Command3|yes|Return",
        {"", "", "", "", {kExit}, false});
}

void CommandsTest::scenario() {
    QFETCH(gauge::NumberFormat, format);
    QFETCH(QString, steps);
    QTEST(Play(format, steps), "seen");
}

void CommandsTest::tabCyclesThroughTheFourControls() {
    Form1 form(std::make_unique<FakeBoxes>());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"Text1", "Command1", "Command2", "Command3", "Text1"}));
}

void CommandsTest::warningIsARealItalianBox() {
    Form1 form(std::make_unique<QtMessageBoxes>(), [] { return kItalian; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto seen = AnswerNextBox([](QMessageBox* box) { box->buttons().first()->click(); });
    QTest::keyClick(form.findChild<QLineEdit*>("Text1"), Qt::Key_Return);
    QVERIFY(*seen);
    QCOMPARE((*seen)->title, "ATTENZIONE!");
    QCOMPARE((*seen)->text, kMissing);
    QCOMPARE((*seen)->icon, QMessageBox::Warning);
    QCOMPARE((*seen)->buttons, QStringList{"OK"});
}

void CommandsTest::exitBoxLeavesOnlyByItsButtons() {
    Form1 form(std::make_unique<QtMessageBoxes>());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    bool stayedOpen = false;
    const auto seen = AnswerNextBox([&](QMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        stayedOpen = box->isVisible();
        box->button(QMessageBox::No)->click();
    });
    QTest::mouseClick(form.findChild<QPushButton*>("Command3"), Qt::LeftButton);
    QVERIFY(*seen);
    QCOMPARE((*seen)->title, "Conferma");
    QCOMPARE((*seen)->text, kExit);
    QCOMPARE((*seen)->icon, QMessageBox::NoIcon);
    QCOMPARE((*seen)->buttons, QStringList({"Sì", "No"}));
    QCOMPARE((*seen)->defaultButton, "Sì");
    QVERIFY2(stayedOpen, "Esc or the title-bar close answered the box");
    QVERIFY(form.isVisible());
}

void CommandsTest::yesByEnterEndsTheProgram() {
    Form1 form(std::make_unique<QtMessageBoxes>());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto seen = AnswerNextBox([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    auto* exit = form.findChild<QPushButton*>("Command3");
    QCOMPARE(RunProgram([=] { QTest::mouseClick(exit, Qt::LeftButton); }), 0);
    QVERIFY(*seen && !form.isVisible());
}

void CommandsTest::closeRequestEndsTheProgramWithoutAsking() {
    Form1 form(std::make_unique<QtMessageBoxes>());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto seen = AnswerNextBox([](QMessageBox* box) { box->done(0); });
    // What the title-bar close button or Alt+F4 delivers to the window.
    QCOMPARE(RunProgram([&] { form.windowHandle()->close(); }), 0);
    QVERIFY(!*seen && !form.isVisible());
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
