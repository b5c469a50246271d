// Shared by the window tests: a Form1 whose boxes are answered by a fake, and
// a helper that answers the real QMessageBox when a test wants the real one.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "form1.h"

namespace velkiro {

inline const gauge::NumberFormat kItalian{",", "."};
inline const gauge::NumberFormat kEnglish{".", ","};

class FakeBoxes final : public MessageBoxes {
public:
    QStringList warnings;
    QStringList questions;
    bool answerYes = false;

    void warn(QWidget*, const QString& text) override { warnings << text; }
    bool confirm(QWidget*, const QString& text) override {
        questions << text;
        return answerYes;
    }
};

// A shown, active Form1 whose boxes go to `boxes` and whose separators are
// `format`, which a test may change between calculations.
struct FakedForm {
    FakeBoxes* boxes = new FakeBoxes;
    gauge::NumberFormat format = kItalian;
    Form1 form{std::unique_ptr<MessageBoxes>(boxes), [this] { return format; }};

    FakedForm() {
        form.show();
        QApplication::setActiveWindow(&form);
        if (!QTest::qWaitForWindowActive(&form)) qWarning("Form1 did not become active");
    }
    template <typename T>
    T* get(const char* name) const {
        return form.findChild<T*>(QLatin1String(name));
    }
    QLineEdit* text1() const { return get<QLineEdit>("Text1"); }
    QPushButton* button(const char* name) const { return get<QPushButton>(name); }
    QString label(const char* name) const { return get<QLabel>(name)->text(); }
};

// What a real message box showed when it was answered.
struct SeenBox {
    bool seen = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;  // captions, in the order the box lays them out
    QString defaultButton;
};

// Waits, polling, for the next modal QMessageBox, records it and answers it
// with `answer`. A box that never appears, or that the answer leaves open,
// is closed by the watchdog so the test fails instead of hanging.
inline std::shared_ptr<SeenBox> AnswerNextBox(const std::function<void(QMessageBox*)>& answer) {
    auto seen = std::make_shared<SeenBox>();
    auto* poll =
        new QTimer(QCoreApplication::instance());  // freed with the application at the latest
    auto ticks = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible() && !seen->seen) {
            seen->seen = true;
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->icon = box->icon();
            for (QAbstractButton* button : box->buttons()) seen->buttons << button->text();
            if (box->defaultButton()) seen->defaultButton = box->defaultButton()->text();
            answer(box);
        }
        if (++*ticks > 500) {  // five seconds: give up and unblock the test
            if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                stuck->done(QDialog::Rejected);
            poll->deleteLater();
        } else if (seen->seen && !QApplication::activeModalWidget()) {
            poll->deleteLater();
        }
    });
    poll->start(10);
    return seen;
}

}  // namespace velkiro
