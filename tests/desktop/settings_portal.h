// A stand-in for the desktop's settings portal: on the session bus, it
// answers Read for the settings it holds, and sends SettingChanged as one of
// them is set, as the portal does when the user switches a setting.
#pragma once

#include <QtDBus>

class SettingsPortal final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    bool serve() {  // false where the session bus will not have it
        qRegisterMetaType<QDBusVariant>();  // which the signal sends
        QDBusConnection bus = QDBusConnection::sessionBus();
        return bus.registerObject("/org/freedesktop/portal/desktop", this,
                                  QDBusConnection::ExportAllContents) &&
               bus.registerService("org.freedesktop.portal.Desktop");
    }
    void set(const QString& group, const QString& key, const QString& value) {
        const QVariant held = value == u"true" || value == u"false" ? QVariant(value == u"true")
                                                                     : QVariant(value.toUInt());
        values_.insert(group + u' ' + key, held);
        emit SettingChanged(group, key, QDBusVariant(held));
    }

public slots:
    QDBusVariant Read(const QString& group, const QString& key) {
        return QDBusVariant(values_.value(group + u' ' + key));
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    QHash<QString, QVariant> values_;  // by "GROUP KEY"
};
