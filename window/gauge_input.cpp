#include "gauge_input.h"

#include <QKeyEvent>
#include <QLocale>
#include <limits>

namespace velkiro {

gauge::NumberFormat SystemNumberFormat() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

GaugeInput::GaugeInput(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
}

bool GaugeInput::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && !hasSelectedText() &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void GaugeInput::keyPressEvent(QKeyEvent* event) {
    // Only where the keyboard sends it as the keypad's own key: layouts that
    // make it a plain full stop or comma type that character.
    if (event->modifiers().testFlag(Qt::KeypadModifier) &&
        (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma))
        return insert(QString::fromStdString(SystemNumberFormat().decimalSeparator));
    QLineEdit::keyPressEvent(event);
}

}  // namespace velkiro
