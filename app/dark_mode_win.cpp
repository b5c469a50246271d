#include <QApplication>
#include <QStyle>
#include <QStyleHints>

#include "dark_mode.h"

namespace velkiro {

void FollowDarkMode() {
    const QString native = QStringLiteral("windowsvista");
    if (QApplication::style()->name() != native) return;
    const auto follow = [native] {
        const bool dark = QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
        const QString wanted = dark ? QStringLiteral("fusion") : native;
        if (QApplication::style()->name() != wanted) QApplication::setStyle(wanted);
    };
    follow();
    QObject::connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, qApp,
                     follow);
}

}  // namespace velkiro
