#include "message_boxes.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace velkiro {
namespace {

// A box left only through its buttons: Esc and the title-bar close do nothing.
class ButtonsOnlyBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

}  // namespace

// Button captions are set here so the boxes speak Italian whatever translations
// the system has.
void QtMessageBoxes::warn(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ATTENZIONE!"), text, QMessageBox::Ok,
                    parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& text) {
    ButtonsOnlyBox box(QMessageBox::NoIcon, QStringLiteral("Conferma"), text,
                       QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace velkiro
