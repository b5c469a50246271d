// The desktop's settings portal stood in for (settings_portal.h), holding the
// settings given, and for each line "GROUP KEY VALUE..." on its standard input
// setting them in turn, as the user switches them. VALUE is true, false or a
// number. Prints "ready" once it serves.   portal [GROUP KEY VALUE]...
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include "settings_portal.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    SettingsPortal portal;
    const auto set = [&](const QStringList& words) {
        for (qsizetype i = 0; i + 2 < words.size(); i += 3)
            portal.set(words[i], words[i + 1], words[i + 2]);
    };
    set(app.arguments().mid(1));
    if (!portal.serve()) return 1;
    QTextStream input(stdin);
    QSocketNotifier lines(0, QSocketNotifier::Read);
    QObject::connect(&lines, &QSocketNotifier::activated, &app,
                     [&] { set(input.readLine().split(u' ')); });
    QTextStream(stdout) << "ready" << Qt::endl;
    return QCoreApplication::exec();
}
