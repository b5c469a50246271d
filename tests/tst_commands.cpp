// The three commands as a user drives them, with keys and clicks.
#include "window_fixture.h"

using namespace velkiro;

Q_DECLARE_METATYPE(gauge::NumberFormat)

namespace {

const QString kMissing = "DATI MANCANTI!";
const QString kNotNumber = "IL DIAMETRO AWG DEVE ESSERE UN NUMERO!";
const QString kNotPositive = "UN DIAMETRO NON PUO' ESSERE ZERO O NEGATIVO!";

void Type(FakedForm& window, const QString& text) {
    window.text1()->clear();
    QTest::keyClicks(window.text1(), text);
}

// Tab from the focused control, as the keyboard does.
QWidget* TabFrom(QWidget* focused) {
    QTest::keyClick(focused, Qt::Key_Tab);
    return QApplication::focusWidget();
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void calculates_data();
    void calculates();
    void refusalKeepsEarlierResults();
    void secondResultReplacesFirst();
    void mouseClickLeavesFocusOnOk();
    void readsSeparatorsAtEachCalculation();
    void hugePasteIsAnswered();
    void tabCyclesThroughTheFourControls();
    void escapeDoesNothing();
    void enterAndSpaceClickTheFocusedButton();
    void resetClearsEverything_data();
    void resetClearsEverything();
    void exitAnsweredNoChangesNothing();
    void exitAnsweredYesCloses();
    void closeRequestAsksNothing();
    void realWarningBox();
    void realConfirmationBoxLeavesOnlyByItsButtons();
};

void CommandsTest::calculates_data() {
    QTest::addColumn<gauge::NumberFormat>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("inputAfter");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("section");

    QTest::newRow("empty input is missing") << kItalian << "" << kMissing << ""
                                            << ""
                                            << "";
    QTest::newRow("blanks are not a number and are cleared")
        << kItalian << "   " << kNotNumber << ""
        << ""
        << "";
    QTest::newRow("letters are not a number") << kItalian << "abc" << kNotNumber << ""
                                              << ""
                                              << "";
    QTest::newRow("zero is refused") << kItalian << "0" << kNotPositive << ""
                                     << ""
                                     << "";
    QTest::newRow("negative is refused") << kItalian << "-3" << kNotPositive << ""
                                         << ""
                                         << "";
    QTest::newRow("comma is the decimal separator in Italian") << kItalian << "12"
                                                               << ""
                                                               << "12"
                                                               << "2,053"
                                                               << "3,309";
    QTest::newRow("full stop is the decimal separator in English") << kEnglish << "12"
                                                                   << ""
                                                                   << "12"
                                                                   << "2.053"
                                                                   << "3.309";
    QTest::newRow("Italian reads a comma fraction") << kItalian << "0,5"
                                                    << ""
                                                    << "0,5"
                                                    << "7,787"
                                                    << "47,621";
    QTest::newRow("English reads a point fraction") << kEnglish << "0.5"
                                                    << ""
                                                    << "0.5"
                                                    << "7.787"
                                                    << "47.621";
    QTest::newRow("a point in Italian groups digits") << kItalian << "0.5"
                                                      << ""
                                                      << "0.5"
                                                      << "4,621"
                                                      << "16,773";
}

void CommandsTest::calculates() {
    QFETCH(gauge::NumberFormat, format);
    QFETCH(QString, typed);
    QFETCH(QString, warning);
    FakedForm window;
    window.format = format;

    Type(window, typed);
    QTest::keyClick(window.text1(), Qt::Key_Return);

    QCOMPARE(window.boxes->warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
    QTEST(window.text1()->text(), "inputAfter");
    QTEST(window.label("Label3"), "diameter");
    QTEST(window.label("Label10"), "section");
    QCOMPARE(QApplication::focusWidget(), window.text1());
}

void CommandsTest::refusalKeepsEarlierResults() {
    FakedForm window;
    Type(window, "12");
    QTest::keyClick(window.text1(), Qt::Key_Return);
    Type(window, "abc");
    QTest::mouseClick(window.button("Command1"), Qt::LeftButton);

    QCOMPARE(window.boxes->warnings, QStringList{kNotNumber});
    QCOMPARE(window.text1()->text(), "");
    QCOMPARE(QApplication::focusWidget(), window.text1());
    QCOMPARE(window.label("Label3"), "2,053");
    QCOMPARE(window.label("Label10"), "3,309");
}

void CommandsTest::secondResultReplacesFirst() {
    FakedForm window;
    for (const char* gauge : {"12", "36"}) {
        Type(window, gauge);
        QTest::keyClick(window.text1(), Qt::Key_Enter);  // the keypad's Enter too
    }
    QCOMPARE(window.label("Label3"), "0,127");
    QCOMPARE(window.label("Label10"), "0,013");
}

void CommandsTest::mouseClickLeavesFocusOnOk() {
    FakedForm window;
    Type(window, "1");
    QTest::mouseClick(window.button("Command1"), Qt::LeftButton);
    QCOMPARE(window.label("Label3"), "7,348");
    QCOMPARE(QApplication::focusWidget(), window.button("Command1"));
}

void CommandsTest::readsSeparatorsAtEachCalculation() {
    FakedForm window;
    Type(window, "0,5");
    QTest::keyClick(window.text1(), Qt::Key_Return);
    window.format = kEnglish;  // the user changes regional settings meanwhile
    QTest::keyClick(window.text1(), Qt::Key_Return);
    QCOMPARE(window.label("Label3"), "4.621");  // the comma now groups: 0,5 is 5
    QVERIFY(window.boxes->warnings.isEmpty());
}

void CommandsTest::hugePasteIsAnswered() {
    FakedForm window;
    window.text1()->setText(QString(1'000'000, u'7'));
    QTest::keyClick(window.text1(), Qt::Key_Return);
    QCOMPARE(window.label("Label3"), "0");
    window.text1()->setText(QString(500'000, u' ') + "x" + QString(500'000, u'1'));
    QTest::keyClick(window.text1(), Qt::Key_Return);
    QCOMPARE(window.boxes->warnings, QStringList{kNotNumber});
}

void CommandsTest::tabCyclesThroughTheFourControls() {
    FakedForm window;
    QWidget* focused = QApplication::focusWidget();
    QStringList visited{focused->objectName()};
    for (int i = 0; i < 4; ++i) visited << (focused = TabFrom(focused))->objectName();
    QCOMPARE(visited, QStringList({"Text1", "Command1", "Command2", "Command3", "Text1"}));
}

void CommandsTest::escapeDoesNothing() {
    FakedForm window;
    Type(window, "12");
    for (QWidget* target : {static_cast<QWidget*>(window.text1()),
                            static_cast<QWidget*>(window.button("Command3"))}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
    }
    QVERIFY(window.form.isVisible());
    QCOMPARE(window.text1()->text(), "12");
    QVERIFY(window.boxes->warnings.isEmpty() && window.boxes->questions.isEmpty());
}

void CommandsTest::enterAndSpaceClickTheFocusedButton() {
    FakedForm window;
    Type(window, "12");
    QTest::keyClick(window.text1(), Qt::Key_Return);
    QPushButton* reset = window.button("Command2");
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Return);  // resets, does not calculate
    QVERIFY(window.label("Label3").isEmpty());
    QVERIFY(window.boxes->warnings.isEmpty());

    Type(window, "12");
    QTest::keyClick(window.text1(), Qt::Key_Return);
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Space);
    QVERIFY(window.label("Label3").isEmpty());

    QPushButton* ok = window.button("Command1");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    QCOMPARE(window.boxes->warnings, QStringList{kMissing});

    QPushButton* exit = window.button("Command3");
    exit->setFocus();
    QTest::keyClick(exit, Qt::Key_Return);
    QCOMPARE(window.boxes->questions, QStringList{"Uscire dal programma?"});
    QCOMPARE(window.boxes->warnings.size(), 1);
}

void CommandsTest::resetClearsEverything_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("on an empty window") << "";
    QTest::newRow("after a calculation") << "12";
}

void CommandsTest::resetClearsEverything() {
    QFETCH(QString, typed);
    FakedForm window;
    Type(window, typed);
    if (!typed.isEmpty()) QTest::keyClick(window.text1(), Qt::Key_Return);
    QTest::mouseClick(window.button("Command2"), Qt::LeftButton);

    QVERIFY(window.text1()->text().isEmpty());
    QVERIFY(window.label("Label3").isEmpty() && window.label("Label10").isEmpty());
    QCOMPARE(QApplication::focusWidget(), window.text1());
    QVERIFY(window.boxes->warnings.isEmpty() && window.boxes->questions.isEmpty());
}

void CommandsTest::exitAnsweredNoChangesNothing() {
    FakedForm window;
    Type(window, "12");
    QTest::keyClick(window.text1(), Qt::Key_Return);
    QTest::mouseClick(window.button("Command3"), Qt::LeftButton);

    QCOMPARE(window.boxes->questions, QStringList{"Uscire dal programma?"});
    QVERIFY(window.form.isVisible());
    QCOMPARE(window.text1()->text(), "12");
    QCOMPARE(window.label("Label3"), "2,053");
    QCOMPARE(window.label("Label10"), "3,309");
    QCOMPARE(QApplication::focusWidget(), window.button("Command3"));
}

void CommandsTest::exitAnsweredYesCloses() {
    FakedForm window;
    window.boxes->answerYes = true;
    QTest::mouseClick(window.button("Command3"), Qt::LeftButton);
    QVERIFY(!window.form.isVisible());
}

void CommandsTest::closeRequestAsksNothing() {
    FakedForm window;
    QVERIFY(window.form.close());
    QVERIFY(window.boxes->questions.isEmpty());
}

void CommandsTest::realWarningBox() {
    Form1 form(std::make_unique<QtMessageBoxes>(), [] { return kItalian; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* text1 = form.findChild<QLineEdit*>("Text1");
    QTest::keyClicks(text1, "abc");

    const auto seen =
        AnswerNextBox([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    QTest::keyClick(text1, Qt::Key_Return);

    QVERIFY(seen->seen);
    QCOMPARE(seen->title, "ATTENZIONE!");
    QCOMPARE(seen->text, kNotNumber);
    QCOMPARE(seen->icon, QMessageBox::Warning);
    QCOMPARE(seen->buttons, QStringList{"OK"});
    QVERIFY(text1->text().isEmpty());
}

void CommandsTest::realConfirmationBoxLeavesOnlyByItsButtons() {
    Form1 form(std::make_unique<QtMessageBoxes>(), [] { return kItalian; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    bool stayedAfterEscapeAndClose = false;
    const auto seen = AnswerNextBox([&](QMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        stayedAfterEscapeAndClose = box->isVisible();
        box->button(QMessageBox::No)->click();
    });
    QTest::mouseClick(form.findChild<QPushButton*>("Command3"), Qt::LeftButton);

    QVERIFY(seen->seen);
    QCOMPARE(seen->title, "Conferma");
    QCOMPARE(seen->text, "Uscire dal programma?");
    QCOMPARE(seen->icon, QMessageBox::NoIcon);
    QCOMPARE(seen->buttons, QStringList({"Sì", "No"}));
    QCOMPARE(seen->defaultButton, "Sì");
    QVERIFY(stayedAfterEscapeAndClose);
    QVERIFY(form.isVisible());
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
