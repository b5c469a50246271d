#pragma once

#include <QProxyStyle>

namespace velkiro {

// The window's frames, drawn alike whatever the platform style: an etched
// outline on the plain face colour, so the opaque labels inside blend in,
// and the caption set into the top line in the frame's Text colour, which
// the labels inside (drawn in WindowText) do not inherit.
class FrameStyle final : public QProxyStyle {
    Q_OBJECT

public:
    bool highContrast = false;  // the user asked the system for it: lines at 4.5:1
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

}  // namespace velkiro
