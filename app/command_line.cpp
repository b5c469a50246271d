#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <cstdio>
#include <cstdlib>

namespace velkiro {
namespace {

// QCommandLineParser only reads the options here: its own texts are English.
struct Options {
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};
    QCommandLineParser parser;
    bool read;  // false where an option is not the program's
    explicit Options(const QStringList& arguments) {
        parser.addOptions({help, version});
        read = parser.parse(arguments);
    }
};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Which display the program looked for, for the one line that says it found none.
QString DisplayProblem() {
    const QByteArray x11 = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY");
    if (x11.isEmpty() && wayland.isEmpty())
        return QStringLiteral("velkiro: nessun display: DISPLAY e WAYLAND_DISPLAY non sono impostate\n");
    QStringList named;
    if (!x11.isEmpty()) named << QStringLiteral("DISPLAY=") + QString::fromLocal8Bit(x11);
    if (!wayland.isEmpty()) named << QStringLiteral("WAYLAND_DISPLAY=") + QString::fromLocal8Bit(wayland);
    return QStringLiteral("velkiro: impossibile aprire la finestra sul display (%1); "
                          "per i dettagli: QT_DEBUG_PLUGINS=1\n")
        .arg(named.join(QStringLiteral(", ")));
}

struct Held {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<Held> held;
QtMessageHandler previousHandler = nullptr;

void HoldOrExplain(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        Print(stderr, DisplayProblem());
        std::_Exit(1);  // not the toolkit's abort: nothing has failed but the display
    }
    held.append({type, context.category, text});
}

}  // namespace

std::optional<int> AnswerHelpOrVersion(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const Options options(arguments);  // the toolkit's options, unknown here, are no error yet
    if (options.parser.isSet(options.help)) {
        Print(stdout, QStringLiteral(
            "Uso: velkiro [OPZIONE]\n"
            "Apre una finestra che converte un calibro AWG (American Wire Gauge)\n"
            "nel diametro del filo in mm e nella sua sezione in mm².\n\n"
            "Opzioni:\n"
            "  -h, --help     mostra questo aiuto ed esce\n"
            "      --version  mostra la versione ed esce\n\n"
            "Accetta anche le opzioni del toolkit Qt, come -platform, -style e -reverse.\n"
            "Il manuale: man velkiro\n"));
        return 0;
    }
    if (options.parser.isSet(options.version)) {
        Print(stdout, QStringLiteral("velkiro " VELKIRO_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}

FailedStartExplained::FailedStartExplained() {
    if (!qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS"))
        previousHandler = qInstallMessageHandler(HoldOrExplain);
}

FailedStartExplained::~FailedStartExplained() {
    if (qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS")) return;
    qInstallMessageHandler(previousHandler);
    for (const Held& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

std::optional<int> RefuseOtherArguments() {
    const Options options(QCoreApplication::arguments());
    const QString unknown = options.parser.unknownOptionNames().value(0);
    const QString other = options.parser.positionalArguments().value(0);
    if (options.read && other.isEmpty()) return std::nullopt;
    const QString what =
        unknown.isEmpty()
            ? QStringLiteral("argomento inatteso '%1'").arg(other)
            : QStringLiteral("opzione sconosciuta '%1%2'").arg(unknown.size() > 1 ? "--" : "-", unknown);
    Print(stderr, QStringLiteral("velkiro: %1; per l'aiuto: velkiro --help\n").arg(what));
    return 2;
}

}  // namespace velkiro
