#pragma once

#include <QLabel>
#include <QPointer>

class QMenu;

namespace velkiro {

// A result: selectable with the mouse, all of it at a double-click or, once
// Tab has reached it (only a shown result takes the focus), at Ctrl+A; copied
// whole from its menu (the right button, the menu key or Shift+F10). One
// selection among the results at a time, so Ctrl+C copies the one made last.
class ResultLabel final : public QLabel {
    Q_OBJECT

public:
    explicit ResultLabel(QWidget* parent);
    // Shows a result, or none where it is empty.
    void showResult(const QString& result);
    // Puts the selected part on the clipboard; false where nothing is selected.
    bool copySelection() const;

protected:
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawSelectionAsFocused();
    void clearOtherSelections();
    QPointer<QMenu> menu_;  // while open, a second request opens no other
};

}  // namespace velkiro
