#include "contrast.h"

#include <cmath>

namespace velkiro {
namespace {

double Linear(double component) {
    return component <= 0.04045 ? component / 12.92 : std::pow((component + 0.055) / 1.055, 2.4);
}

QColor MixedWithWhite(const QColor& colour, double share) {
    const auto mix = [share](int component) {
        return static_cast<int>(std::lround(component + (255 - component) * share));
    };
    return {mix(colour.red()), mix(colour.green()), mix(colour.blue())};
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
           0.0722 * Linear(colour.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LightenedTo(const QColor& colour, const QColor& face, double ratio) {
    if (ContrastRatio(colour, face) >= ratio) return colour;
    // Contrast against a darker face grows with white's share: halve the
    // interval down to one step of a colour component.
    double enough = 1, notEnough = 0;
    while (enough - notEnough > 1.0 / 512) {
        const double share = (enough + notEnough) / 2;
        (ContrastRatio(MixedWithWhite(colour, share), face) >= ratio ? enough : notEnough) = share;
    }
    return MixedWithWhite(colour, enough);
}

QColor TextColourOn(const QColor& colour, const QColor& face) {
    return RelativeLuminance(face) < kDarkFace ? LightenedTo(colour, face, kTextContrast) : colour;
}

QColor LineColourOn(const QColor& colour, const QColor& face) {
    return RelativeLuminance(face) < kDarkFace ? LightenedTo(colour, face, kLineContrast) : colour;
}

}  // namespace velkiro
