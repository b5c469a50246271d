// High contrast where the desktop tells it through the settings portal.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QVariant>

#include "high_contrast.h"

namespace velkiro {
namespace {

constexpr char kPortal[] = "org.freedesktop.portal.Desktop";
constexpr char kPortalPath[] = "/org/freedesktop/portal/desktop";
constexpr char kSettings[] = "org.freedesktop.portal.Settings";
const QString kGnome = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString kGnomeKey = QStringLiteral("high-contrast");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kAppearanceKey = QStringLiteral("contrast");

// The portal wraps a value in one variant or two, by its version.
QVariant Unwrapped(QVariant value) {
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

}  // namespace

HighContrast::HighContrast(QObject* parent) : QObject(parent) {
    // Only a session's own bus: the library would otherwise start one.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    // The slot takes the message itself: a slot of typed arguments is
    // refused while their types are not yet registered, as at start.
    if (!bus.connect(kPortal, kPortalPath, kSettings, QStringLiteral("SettingChanged"), this,
                     SLOT(settingChanged(QDBusMessage))))
        qWarning("velkiro: high contrast is read at start only: %s",
                 qPrintable(bus.lastError().message()));
    for (const auto& setting : {std::pair(kGnome, kGnomeKey), {kAppearance, kAppearanceKey}}) {
        const QString group = setting.first, key = setting.second;
        QDBusMessage read =
            QDBusMessage::createMethodCall(kPortal, kPortalPath, kSettings, QStringLiteral("Read"));
        read << group << key;
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, group, key](QDBusPendingCallWatcher* call) {
                    const QDBusPendingReply<QVariant> reply = *call;
                    if (reply.isValid()) take(group, key, Unwrapped(reply.value()));
                });
    }
}

bool HighContrast::on() const { return gnome_ || appearance_; }

void HighContrast::settingChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();  // group, key, value
    if (arguments.size() == 3)
        take(arguments[0].toString(), arguments[1].toString(), Unwrapped(arguments[2]));
}

void HighContrast::take(const QString& group, const QString& key, const QVariant& value) {
    const bool was = on();
    if (group == kGnome && key == kGnomeKey) gnome_ = value.toBool();
    if (group == kAppearance && key == kAppearanceKey) appearance_ = value.toUInt() == 1;
    if (on() != was) emit changed();
}

}  // namespace velkiro
