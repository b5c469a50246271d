// The two ways the program ends, run inside the application's own event loop.
#include "window_fixture.h"

using namespace velkiro;

namespace {

// Runs the event loop as the program does, with `act` queued on it; returns
// its exit status, or -1 if the watchdog had to end it.
int RunProgram(const std::function<void()>& act) {
    QTimer::singleShot(0, act);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->done(0);
        QCoreApplication::exit(-1);
    });
    watchdog.start(10'000);
    return QApplication::exec();
}

}  // namespace

class ExitTest : public QObject {
    Q_OBJECT

private slots:
    void yesByEnterEndsTheProgram();
    void closeRequestEndsTheProgramWithoutAsking();
};

void ExitTest::yesByEnterEndsTheProgram() {
    Form1 form(std::make_unique<QtMessageBoxes>(), [] { return kItalian; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto seen = AnswerNextBox([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });

    const int status = RunProgram(
        [&] { QTest::mouseClick(form.findChild<QPushButton*>("Command3"), Qt::LeftButton); });

    QCOMPARE(status, 0);
    QVERIFY(seen->seen);
    QCOMPARE(seen->text, "Uscire dal programma?");
    QVERIFY(!form.isVisible());
}

void ExitTest::closeRequestEndsTheProgramWithoutAsking() {
    Form1 form(std::make_unique<QtMessageBoxes>(), [] { return kItalian; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto seen = AnswerNextBox([](QMessageBox* box) { box->done(0); });

    // What the title-bar close button or Alt+F4 delivers to the window.
    const int status = RunProgram([&] { form.windowHandle()->close(); });

    QCOMPARE(status, 0);
    QVERIFY(!seen->seen);
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(ExitTest)
#include "tst_exit.moc"
