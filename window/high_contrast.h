// Whether the user asked the system for high contrast. On Windows, the
// accessibility setting (SPI_GETHIGHCONTRAST); a switch there also changes
// the system colours, which reaches the window as a palette change. On Linux,
// what the desktop tells through the settings portal: GNOME's high-contrast
// switch (org.gnome.desktop.a11y.interface high-contrast), or the
// appearance portal's contrast where the desktop has it; a switch arrives as
// the portal's SettingChanged, read without delaying the start. One file for
// each: high_contrast_win.cpp, high_contrast_portal.cpp.
#pragma once

#include <QObject>

class QDBusMessage;

namespace velkiro {

class HighContrast final : public QObject {
    Q_OBJECT

public:
    explicit HighContrast(QObject* parent);
    bool on() const;

signals:
    void changed();

#ifndef Q_OS_WIN  // the portal's
private slots:
    void settingChanged(const QDBusMessage& message);

private:
    void take(const QString& group, const QString& key, const QVariant& value);
    bool gnome_ = false;       // GNOME's own switch
    bool appearance_ = false;  // the appearance portal's contrast: 1 is high
#endif
};

}  // namespace velkiro
