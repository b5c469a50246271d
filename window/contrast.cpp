#include "contrast.h"

#include <cmath>

namespace velkiro {
namespace {

double Linear(double component) {
    return component <= 0.04045 ? component / 12.92 : std::pow((component + 0.055) / 1.055, 2.4);
}

QColor Mixed(const QColor& colour, const QColor& with, double share) {
    const auto mix = [share](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * share));
    };
    return {mix(colour.red(), with.red()), mix(colour.green(), with.green()),
            mix(colour.blue(), with.blue())};
}

bool IsDark(const QColor& face) { return RelativeLuminance(face) < kDarkFace; }

}  // namespace

double RelativeLuminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
           0.0722 * Linear(colour.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ContrastedTo(const QColor& colour, const Look& look, double ratio) {
    if (ContrastRatio(colour, look.face) >= ratio) return colour;
    const QColor away = IsDark(look.face) ? QColor(Qt::white) : QColor(Qt::black);
    if (ContrastRatio(away, look.face) < ratio) return look.systemText;
    // Contrast grows with the share of the colour away from the face: halve
    // the interval down to one step of a colour component.
    double enough = 1, notEnough = 0;
    while (enough - notEnough > 1.0 / 512) {
        const double share = (enough + notEnough) / 2;
        (ContrastRatio(Mixed(colour, away, share), look.face) >= ratio ? enough : notEnough) =
            share;
    }
    return Mixed(colour, away, enough);
}

QColor TextColourOn(const QColor& colour, const Look& look) {
    if (look.highContrast) return ContrastedTo(colour, look, kHighTextContrast);
    return IsDark(look.face) ? ContrastedTo(colour, look, kTextContrast) : colour;
}

QColor LineColourOn(const QColor& colour, const Look& look) {
    if (look.highContrast) return ContrastedTo(colour, look, kHighLineContrast);
    return IsDark(look.face) ? ContrastedTo(colour, look, kLineContrast) : colour;
}

}  // namespace velkiro
