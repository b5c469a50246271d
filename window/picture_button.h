#pragma once

#include <QPushButton>

namespace velkiro {

// A push button that paints its icon, as the picture, above its caption, in
// the bitmap that suits the screen's density. Being a real push button, it
// takes focus on a click and answers Space and Enter.
class PictureButton final : public QPushButton {
    Q_OBJECT

public:
    PictureButton(const QIcon& picture, QSize pictureSize, const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velkiro
