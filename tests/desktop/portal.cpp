// A stand-in for the desktop's settings portal, on the session bus: answers
// Read for the settings it holds, each wrapped in a variant as the portal
// does, and for each line "GROUP KEY VALUE" on its standard input holds the
// value and sends SettingChanged, as the portal does when the user switches
// a setting. VALUE is true, false or a number. Prints "ready" once it serves.
//   portal [GROUP KEY VALUE]...   the settings it starts with
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <QtDBus>

namespace {

QVariant Parsed(const QString& value) {
    if (value == u"true" || value == u"false") return value == u"true";
    return value.toUInt();
}

class Settings final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    QHash<QString, QVariant> values;  // by "GROUP KEY"

    void set(const QString& group, const QString& key, const QVariant& value) {
        values.insert(group + u' ' + key, value);
        emit SettingChanged(group, key, QDBusVariant(value));
    }

public slots:
    QDBusVariant Read(const QString& group, const QString& key) {
        const QString name = group + u' ' + key;
        if (!values.contains(name))
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), name);
        return QDBusVariant(QVariant::fromValue(QDBusVariant(values.value(name, 0))));
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    Settings settings;
    const QStringList given = app.arguments().mid(1);
    for (qsizetype i = 0; i + 2 < given.size(); i += 3)
        settings.values.insert(given[i] + u' ' + given[i + 1], Parsed(given[i + 2]));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &settings,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")))
        return 1;
    QTextStream input(stdin);
    QSocketNotifier lines(0, QSocketNotifier::Read);
    QObject::connect(&lines, &QSocketNotifier::activated, &app, [&] {
        const QStringList words = input.readLine().split(u' ');
        if (input.atEnd() && words.value(0).isEmpty()) return QCoreApplication::quit();
        if (words.size() == 3) settings.set(words[0], words[1], Parsed(words[2]));
    });
    QTextStream(stdout) << "ready" << Qt::endl;
    return QCoreApplication::exec();
}

#include "portal.moc"
