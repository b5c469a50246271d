// A stand-in for the desktop's settings portal, on the session bus: answers
// Read for the settings it holds, and for each line "GROUP KEY VALUE" on its standard input holds the
// value and sends SettingChanged, as the portal does when the user switches
// a setting. VALUE is true, false or a number. Prints "ready" once it serves.
//   portal [GROUP KEY VALUE]...   the settings it starts with
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <QtDBus>

class Settings final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    QHash<QString, QVariant> values;  // by "GROUP KEY"
    void set(const QStringList& words) {  // GROUP KEY VALUE
        const QVariant value = words[2] == u"true" || words[2] == u"false"
                                   ? QVariant(words[2] == u"true")
                                   : QVariant(words[2].toUInt());
        values.insert(words[0] + u' ' + words[1], value);
        emit SettingChanged(words[0], words[1], QDBusVariant(value));
    }

public slots:
    QDBusVariant Read(const QString& group, const QString& key) {
        return QDBusVariant(values.value(group + u' ' + key));
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    Settings settings;
    const QStringList given = app.arguments().mid(1);
    for (qsizetype i = 0; i + 2 < given.size(); i += 3) settings.set(given.mid(i, 3));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject("/org/freedesktop/portal/desktop", &settings,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) ||
        !bus.registerService("org.freedesktop.portal.Desktop"))
        return 1;
    QTextStream input(stdin);
    QSocketNotifier lines(0, QSocketNotifier::Read);
    QObject::connect(&lines, &QSocketNotifier::activated, &app, [&] {
        const QStringList words = input.readLine().split(u' ');
        if (words.size() == 3) settings.set(words);
    });
    QTextStream(stdout) << "ready" << Qt::endl;
    return QCoreApplication::exec();
}

#include "portal.moc"
