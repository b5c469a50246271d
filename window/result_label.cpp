#include "result_label.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

namespace velkiro {

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::NoFocus);
    drawSelectionAsFocused();
}

bool ResultLabel::copySelection() const {
    if (!hasSelectedText()) return false;
    QGuiApplication::clipboard()->setText(selectedText());
    return true;
}

void ResultLabel::drawSelectionAsFocused() {
    QPalette own = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        own.setBrush(QPalette::Inactive, role, own.brush(QPalette::Active, role));
    if (own != palette()) setPalette(own);  // else the change would call this again
}

void ResultLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) drawSelectionAsFocused();
    QLabel::changeEvent(event);
}

void ResultLabel::contextMenuEvent(QContextMenuEvent* event) {
    if (text().isEmpty()) return;  // nothing to copy
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("Copia"), this,
                    [this] { QGuiApplication::clipboard()->setText(text()); });
    menu->popup(event->globalPos());
}

// A word would be "2" or "053" of "2,053": a result is one number.
void ResultLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    setSelection(0, static_cast<int>(text().size()));
    event->accept();
}

void ResultLabel::mousePressEvent(QMouseEvent* event) {
    const auto results = parentWidget()->findChildren<ResultLabel*>(Qt::FindDirectChildrenOnly);
    for (ResultLabel* other : results)
        if (other != this) other->setSelection(0, 0);
    QLabel::mousePressEvent(event);
}

}  // namespace velkiro
