#include "picture_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace velkiro {
namespace {

// Qt 6.4's QIcon takes the 2x bitmap only at a ratio of exactly 2. Between 1
// and 2 the 2x bitmap scaled down smoothly is sharper than the 1x stretched,
// and is what Qt 6.8's QIcon draws itself (the same pixels at 1.5x).
QPixmap PictureAt(const QIcon& icon, QSize size, qreal ratio) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (ratio > 1 && ratio != 2) {
        QPixmap picture = icon.pixmap(size, 2).scaled(size * ratio, Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
        return picture;
    }
#endif
    return icon.pixmap(size, ratio);
}

}  // namespace

PictureButton::PictureButton(const QIcon& picture, QSize pictureSize, const QString& text,
                             QWidget* parent)
    : QPushButton(picture, text, parent) {
    setIconSize(pictureSize);
}

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);  // bevel and focus frame only

    constexpr int kGap = 1;
    const QSize pictureSize = iconSize();
    const int captionHeight = option.fontMetrics.height();
    const int top = (height() - pictureSize.height() - kGap - captionHeight) / 2;
    QPoint pressed;
    if (isDown())
        pressed = {style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                   style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this)};
    painter.drawPixmap(QPoint((width() - pictureSize.width()) / 2, top) + pressed,
                       PictureAt(icon(), pictureSize, devicePixelRatio()));
    const QRect captionBox(0, top + pictureSize.height() + kGap, width(), captionHeight);
    painter.drawItemText(captionBox.translated(pressed), Qt::AlignCenter, option.palette,
                         isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace velkiro
