// The window's fixed text colours are chosen for a light face. Where the
// desktop's face is dark they are drawn lighter, just enough to be read
// (WCAG 2 contrast), keeping their hue; where the user asked the system for
// high contrast they reach WCAG's enhanced level on any face.
#pragma once

#include <QColor>

namespace velkiro {

// Below this relative luminance (sRGB grey 118) a face counts as dark: white
// text on it still reaches 4.5:1.
constexpr double kDarkFace = 0.18;
constexpr double kTextContrast = 4.5;      // WCAG AA for text
constexpr double kLineContrast = 3.0;      // WCAG AA for graphics, such as a frame line
constexpr double kHighTextContrast = 7.0;  // WCAG AAA for text
constexpr double kHighLineContrast = 4.5;

double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// How a fixed colour is drawn on a face.
struct Look {
    QColor face;
    bool highContrast;  // the user asked the system for it
    QColor systemText;  // the system's own text colour on that face
};

// `colour` where it reaches `ratio` against the face; else mixed with white on
// a dark face, black on a light one, by the least share that reaches it, which
// keeps the hue; the system's text colour where not even white or black does.
QColor ContrastedTo(const QColor& colour, const Look& look, double ratio);

// A fixed text colour, and a frame line's, as drawn: as given on a light face,
// at 4.5:1 (a line 3:1) on a dark one, at 7:1 (a line 4.5:1) in high contrast.
QColor TextColourOn(const QColor& colour, const Look& look);
QColor LineColourOn(const QColor& colour, const Look& look);

}  // namespace velkiro
