// The desktop's settings portal stood in for (settings_portal.h), holding the
// settings given, and for each line "GROUP KEY VALUE" on its standard input
// setting one, as the user switches it. VALUE is true, false or a number.
// Prints "ready" once it serves.   portal [GROUP KEY VALUE]...
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include "settings_portal.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    SettingsPortal portal;
    const QStringList given = app.arguments().mid(1);
    for (qsizetype i = 0; i + 2 < given.size(); i += 3)
        portal.set(given[i], given[i + 1], given[i + 2]);
    if (!portal.serve()) return 1;
    QTextStream input(stdin);
    QSocketNotifier lines(0, QSocketNotifier::Read);
    QObject::connect(&lines, &QSocketNotifier::activated, &app, [&] {
        if (const QStringList words = input.readLine().split(u' '); words.size() == 3)
            portal.set(words[0], words[1], words[2]);
    });
    QTextStream(stdout) << "ready" << Qt::endl;
    return QCoreApplication::exec();
}
