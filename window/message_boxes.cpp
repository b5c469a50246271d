#include "message_boxes.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

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

// Window managers shorten a title that does not fit their title bar, so every
// box is as wide as its title in bold beside the bar's icon and three buttons,
// and 240 pixels at least (device-independent: the same at every scale).
void WidenToTitle(QMessageBox& box) {
    constexpr int kTitleBarControls = 4 * 40;  // icon and buttons
    constexpr int kLeast = 240;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width = std::max(
        kLeast, QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarControls);
    // The box sizes itself to its layout's minimum width when shown.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

// Button captions are set here so the boxes speak Italian whatever translations
// the system has.
void Warn(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ATTENZIONE!"), text, QMessageBox::Ok,
                    parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    WidenToTitle(box);
    box.exec();
}

bool Confirm(QWidget* parent, const QString& text) {
    ButtonsOnlyBox box(QMessageBox::NoIcon, QStringLiteral("Conferma"), text,
                       QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(QMessageBox::Yes);
    WidenToTitle(box);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace velkiro
