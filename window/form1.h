// Form1, the program's only window: Form1Ui (form1_ui.h) builds its looks,
// each control owns its keys and menus, and one handler per button asks the
// gauge library for the arithmetic.
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
