// Whether the user asked the system for high contrast: on Windows its
// accessibility setting (high_contrast_win.cpp); on Linux what the desktop
// tells through the settings portal, read without delaying the start
// (high_contrast_portal.cpp).
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
