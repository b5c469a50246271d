#include "picture_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace velkiro {

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
    if (isDown()) {
        pressed = {style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                   style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this)};
    }
    painter.drawPixmap(QPoint((width() - pictureSize.width()) / 2, top) + pressed,
                       icon().pixmap(pictureSize, devicePixelRatio()));
    const QRect captionBox(0, top + pictureSize.height() + kGap, width(), captionHeight);
    painter.drawItemText(captionBox.translated(pressed), Qt::AlignCenter, option.palette,
                         isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace velkiro
