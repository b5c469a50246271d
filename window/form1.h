// Form1, the program's only window. Its 17 controls come from a fixed table in
// form1.cpp (name, kind, container, place in twips, text, font, colour, tab
// index); each of the three buttons runs one click handler. The handlers ask
// the gauge library for the arithmetic, show boxes through MessageBoxes and
// take the user's separators from a NumberFormatSource; tests replace both.
// The fixed colours are applied anew whenever the palette changes, lightened
// on a dark face (contrast.h).
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "gauge.h"
#include "message_boxes.h"

class QLabel;
class QLineEdit;

namespace velkiro {

using NumberFormatSource = std::function<gauge::NumberFormat()>;

// The separators of the user's regional settings, read anew at each call.
gauge::NumberFormat SystemNumberFormat();

class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(std::unique_ptr<MessageBoxes> boxes = std::make_unique<QtMessageBoxes>(),
                   NumberFormatSource numberFormat = SystemNumberFormat, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void applyColours();
    bool copyResultSelection();
    void Command1_Click();  // "OK": check and convert the typed gauge
    void Command2_Click();  // "Ripeti calcolo": clear for a new calculation
    void Command3_Click();  // "ESCI": confirm, then close

    std::unique_ptr<MessageBoxes> boxes_;
    NumberFormatSource numberFormat_;
    QLineEdit* text1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label10_ = nullptr;
};

}  // namespace velkiro
