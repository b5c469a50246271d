#include "picture_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <utility>

namespace velkiro {

PictureButton::PictureButton(QPixmap picture, const QString& text, QWidget* parent)
    : QPushButton(text, parent), picture_(std::move(picture)) {}

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);  // bevel and focus frame only

    constexpr int kGap = 1;
    const QSize pictureSize = picture_.deviceIndependentSize().toSize();
    const int captionHeight = option.fontMetrics.height();
    const int top = (height() - pictureSize.height() - kGap - captionHeight) / 2;
    QPoint pressed;
    if (isDown()) {
        pressed = {style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                   style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this)};
    }
    painter.drawPixmap(QPoint((width() - pictureSize.width()) / 2, top) + pressed, picture_);
    const QRect captionBox(0, top + pictureSize.height() + kGap, width(), captionHeight);
    painter.drawItemText(captionBox.translated(pressed), Qt::AlignCenter, option.palette,
                         isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace velkiro
