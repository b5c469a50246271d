// A stand-in for the desktop's settings portal: on the session bus, it
// answers Read for the settings it holds (and, as the portal does, an error
// for any other), and sends SettingChanged as one of them is set, as the
// portal does when the user switches a setting.
#pragma once

#include <QtDBus>

class SettingsPortal final : public QObject, protected QDBusContext {
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
        const QVariant held = values_.value(group + u' ' + key);
        if (!held.isValid())
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), key);
        return QDBusVariant(held.isValid() ? held : QVariant(false));
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    QHash<QString, QVariant> values_;  // by "GROUP KEY"
};
