// What Form1 looks like: its 17 controls from a table (name, kind, container,
// place in twips, text, font, colour, tab index), as uic's setupUi builds a
// form, with typed pointers to the six that the commands use.
#pragma once

#include <QColor>
#include <QPalette>
#include <vector>

class QPushButton;
class QWidget;

namespace velkiro {

class GaugeInput;
class ResultLabel;

struct Form1Ui {
    GaugeInput* gaugeInput = nullptr;  // Text1
    QPushButton* okButton = nullptr;   // Command1, the default button
    QPushButton* resetButton = nullptr;  // Command2, "Ripeti calcolo"
    QPushButton* exitButton = nullptr;   // Command3, "ESCI"
    ResultLabel* diameter = nullptr;     // Label3, in mm
    ResultLabel* section = nullptr;      // Label10, in mm²

    void setupUi(QWidget* form1);
    // The fixed text colours as described on a light face, lightened on a
    // dark one: at set-up and after every palette change.
    void applyColours(const QColor& face) const;

private:
    struct Coloured {
        QWidget* control;
        QPalette::ColorRole role;
        QColor colour;
    };
    std::vector<Coloured> coloured_;
};

}  // namespace velkiro
