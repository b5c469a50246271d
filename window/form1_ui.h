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

class FrameStyle;
class GaugeInput;
class ResultLabel;
struct Look;

struct Form1Ui {
    GaugeInput* gaugeInput = nullptr;    // Text1
    QPushButton* okButton = nullptr;     // Command1, the default button
    QPushButton* resetButton = nullptr;  // Command2, "Ripeti calcolo"
    QPushButton* exitButton = nullptr;   // Command3, "ESCI"
    ResultLabel* diameter = nullptr;     // Label3, in mm
    ResultLabel* section = nullptr;      // Label10, in mm²

    void setupUi(QWidget* form1);
    // The fixed text colours as described on a light face, lightened on a
    // dark one, at 7:1 in high contrast: at set-up and whenever the palette
    // or the high-contrast setting changes.
    void applyColours(const Look& look) const;

private:
    FrameStyle* frameStyle_ = nullptr;
    struct Coloured {
        QWidget* control;
        QPalette::ColorRole role;
        QColor colour;
    };
    std::vector<Coloured> coloured_;
};

}  // namespace velkiro
