#include "result_label.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>

namespace velkiro {

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::TabFocus);  // until showResult says whether it shows one
    drawSelectionAsFocused();
}

void ResultLabel::showResult(const QString& result) {
    setText(result);
    setFocusPolicy(result.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

bool ResultLabel::copySelection() const {
    if (!hasSelectedText()) return false;
    QGuiApplication::clipboard()->setText(selectedText());
    return true;
}

// An unfocused selection has no colour on some platforms, such as Windows.
void ResultLabel::drawSelectionAsFocused() {
    QPalette own = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        own.setBrush(QPalette::Inactive, role, own.brush(QPalette::Active, role));
    if (own != palette()) setPalette(own);  // else the change would call this again
}

void ResultLabel::clearOtherSelections() {
    const auto results = parentWidget()->findChildren<ResultLabel*>(Qt::FindDirectChildrenOnly);
    for (ResultLabel* other : results)
        if (other != this) other->setSelection(0, 0);
}

void ResultLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) drawSelectionAsFocused();
    QLabel::changeEvent(event);
}

void ResultLabel::contextMenuEvent(QContextMenuEvent* event) {
    if (text().isEmpty() || menu_) return;  // nothing to copy, or the menu is open
    menu_ = new QMenu(this);
    menu_->setAttribute(Qt::WA_DeleteOnClose);
    menu_->addAction(QStringLiteral("Copia"), this,
                     [this] { QGuiApplication::clipboard()->setText(text()); });
    // From the keyboard, below the result rather than where the pointer is.
    menu_->popup(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                             : mapToGlobal(rect().bottomLeft()));
}

void ResultLabel::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        clearOtherSelections();
        setSelection(0, static_cast<int>(text().size()));
    } else if (event->key() == Qt::Key_Menu ||
               (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, {}, mapToGlobal(QPoint()));
        contextMenuEvent(&menu);
    } else {
        QLabel::keyPressEvent(event);
    }
}

// A word would be "2" or "053" of "2,053": a result is one number.
void ResultLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    setSelection(0, static_cast<int>(text().size()));
    event->accept();
}

void ResultLabel::mousePressEvent(QMouseEvent* event) {
    clearOtherSelections();
    QLabel::mousePressEvent(event);
}

void ResultLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    // In the window's standard text colour: a result's own may be too light.
    painter.setPen(QPen(window()->palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace velkiro
