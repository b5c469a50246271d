// High contrast on Windows: the accessibility setting, read when asked. A
// switch there also changes the system colours, which reaches the window as a
// palette change, so `changed` has nothing to add.
#include <windows.h>

#include "high_contrast.h"

namespace velkiro {

HighContrast::HighContrast(QObject* parent) : QObject(parent) {}

bool HighContrast::on() const {
    HIGHCONTRASTW setting{sizeof setting, 0, nullptr};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace velkiro
