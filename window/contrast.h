// Colours on dark faces: the window's fixed text colours are chosen for a
// light face; where the desktop's face is dark they are drawn lighter, just
// enough to be read (WCAG 2 contrast), keeping their hue.
#pragma once

#include <QColor>

namespace velkiro {

// Below this relative luminance (sRGB grey 118) a face counts as dark: white
// text on it still reaches 4.5:1.
constexpr double kDarkFace = 0.18;
constexpr double kTextContrast = 4.5;  // WCAG AA for text
constexpr double kLineContrast = 3.0;  // WCAG AA for graphics, such as a frame line

double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// `colour` itself where it reaches `ratio` against `face`; otherwise `colour`
// mixed with white, just enough to reach it (white's share is the least that
// does), which keeps the hue.
QColor LightenedTo(const QColor& colour, const QColor& face, double ratio);

// A fixed text colour as drawn on `face`: as described on a light face,
// lightened to 4.5:1 on a dark one.
QColor TextColourOn(const QColor& colour, const QColor& face);

// A frame line's colour as drawn on `face`: as the style gives it on a light
// face, lightened to 3:1 on a dark one.
QColor LineColourOn(const QColor& colour, const QColor& face);

}  // namespace velkiro
