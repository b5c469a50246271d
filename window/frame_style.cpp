#include "frame_style.h"

#include <qdrawutil.h>

#include <QPainter>
#include <QStyleOptionGroupBox>

#include "contrast.h"

namespace velkiro {

void FrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !frame) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    constexpr int kCaptionIndent = 6, kCaptionPadding = 2;
    QRect outline = frame->rect.adjusted(0, 0, -1, -1);
    QRect caption;
    if (!frame->text.isEmpty()) {
        const QFontMetrics& metrics = frame->fontMetrics;
        caption =
            QRect(kCaptionIndent, 0, metrics.horizontalAdvance(frame->text) + 2 * kCaptionPadding,
                  metrics.height());
        outline.setTop(metrics.height() / 2);
    }
    // On a dark face the etched line's light half is the one that shows; it
    // keeps 3:1 against the face, on black too, where Light is black as well.
    // In high contrast both halves reach 4.5:1, whichever shows.
    QPalette linePalette = frame->palette;
    const Look look{linePalette.color(QPalette::Window), highContrast,
                    linePalette.color(QPalette::WindowText)};
    for (const QPalette::ColorRole half : {QPalette::Light, QPalette::Dark})
        if (half == QPalette::Light || highContrast)
            linePalette.setColor(half, LineColourOn(linePalette.color(half), look));
    painter->save();
    painter->setClipRegion(QRegion(frame->rect).subtracted(caption));
    qDrawShadeRect(painter, outline, linePalette, true, 1);
    painter->restore();
    if (!caption.isEmpty()) {
        QPalette palette = frame->palette;
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
        drawItemText(painter, caption, Qt::AlignCenter, palette, frame->state & State_Enabled,
                     frame->text, QPalette::WindowText);
    }
}

}  // namespace velkiro
