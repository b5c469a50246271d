// Form1, the program's only window. Form1Ui (form1_ui.h) builds what it looks
// like and hands back the controls the commands use; each control owns its
// keys and menus (gauge_input.h, result_label.h). Form1 wires the three
// buttons to one click handler each, which ask the gauge library for the
// arithmetic and show boxes through message_boxes.h.
#pragma once

#include <QWidget>

#include "form1_ui.h"
#include "high_contrast.h"

namespace velkiro {

class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColours();
    void Command1_Click();  // "OK": check and convert the typed gauge
    void Command2_Click();  // "Ripeti calcolo": clear for a new calculation
    void Command3_Click();  // "ESCI": confirm, then close

    Form1Ui ui_;
    HighContrast* highContrast_;
};

}  // namespace velkiro
