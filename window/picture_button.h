#pragma once

#include <QPixmap>
#include <QPushButton>

namespace velkiro {

// A push button that paints its picture above its caption. Being a real push
// button, it takes focus on a click and answers Space and Enter.
class PictureButton final : public QPushButton {
    Q_OBJECT

public:
    PictureButton(QPixmap picture, const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace velkiro
