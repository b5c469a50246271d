#pragma once

#include <QLabel>

namespace velkiro {

// A result: selectable with the mouse, all of it at a double-click, copied
// whole from its menu; it never takes the focus, so its selection is drawn as
// a focused one (an unfocused selection has no colour on some platforms, such
// as Windows). One selection among the results at a time, so Ctrl+C copies
// the one made last.
class ResultLabel final : public QLabel {
    Q_OBJECT

public:
    explicit ResultLabel(QWidget* parent);
    // Puts the selected part on the clipboard; false where nothing is selected.
    bool copySelection() const;

protected:
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void drawSelectionAsFocused();
};

}  // namespace velkiro
