#pragma once

#include <QLineEdit>

#include "gauge.h"

namespace velkiro {

// The separators of the user's regional settings, read anew at each call.
gauge::NumberFormat SystemNumberFormat();

// The gauge input: no length limit; the keypad's decimal key types the
// decimal separator the calculation reads, as in a spreadsheet; with nothing
// selected in it, Ctrl+C is left to the window, which copies a result.
class GaugeInput final : public QLineEdit {
    Q_OBJECT

public:
    explicit GaugeInput(QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace velkiro
