#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velkiro {
namespace {

// The toolkit's own options, which it takes out of the command line as it
// starts: those of every platform, of the widgets, and of X11.
constexpr const char* kToolkitOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "style",           "stylesheet",         "display",       "name",
    "visual",          "geometry",           "icon",          "title"};
constexpr const char* kToolkitSwitches[] = {"reverse", "widgetcount", "nograb", "dograb"};

// QCommandLineParser only reads the options here: its own texts are English.
// Options are words after one dash or two, as the toolkit's are.
struct Options {
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};
    QCommandLineParser parser;
    bool read;  // false where an option is neither the program's nor the toolkit's
    explicit Options(const QStringList& arguments) {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version});
        for (const char* name : kToolkitOptionsWithValue)
            parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
        for (const char* name : kToolkitSwitches) parser.addOption(QCommandLineOption(name));
        read = parser.parse(arguments);
    }
};

// An unknown option as the user typed it: one dash or two, without a value.
QString AsTyped(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments) {
        QString option = argument.section(u'=', 0, 0);
        if (option == u'-' + name || option == QStringLiteral("--") + name) return option;
    }
    return name;
}

// On Windows the program has no console of its own: it writes into the
// console it was started from as Unicode, so every character arrives whole,
// into a file or a pipe as UTF-8, and, started from neither (a shortcut),
// into a box.
void Print(std::FILE* stream, const QString& text) {
#ifdef Q_OS_WIN
    HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const auto none = [](HANDLE h) { return h == nullptr || h == INVALID_HANDLE_VALUE; };
    if (none(handle) && AttachConsole(ATTACH_PARENT_PROCESS))
        handle = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr);
    DWORD mode = 0, written = 0;
    if (none(handle)) {
        MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(text.utf16()), L"Velkiro",
                    stream == stderr ? MB_ICONEXCLAMATION : MB_ICONINFORMATION);
    } else if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.utf16(), DWORD(text.size()), &written, nullptr);
    } else {
        const QByteArray utf8 = text.toUtf8();
        WriteFile(handle, utf8.constData(), DWORD(utf8.size()), &written, nullptr);
    }
#else
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
#endif
}

#ifdef Q_OS_WIN
const char* const kWhereToRead = "Le istruzioni: README.txt, accanto a velkiro.exe\n";
#else
const char* const kWhereToRead = "Il manuale: man velkiro\n";
#endif

// Which display the program looked for, for the one line that says it found none.
QString DisplayProblem() {
    const QByteArray x11 = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY");
    if (x11.isEmpty() && wayland.isEmpty())
        return QStringLiteral(
            "velkiro: nessun display: DISPLAY e WAYLAND_DISPLAY non sono impostate\n");
    QStringList named;
    if (!x11.isEmpty()) named << QStringLiteral("DISPLAY=") + QString::fromLocal8Bit(x11);
    if (!wayland.isEmpty())
        named << QStringLiteral("WAYLAND_DISPLAY=") + QString::fromLocal8Bit(wayland);
    return QStringLiteral(
               "velkiro: impossibile aprire la finestra sul display (%1); "
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

std::optional<int> ReadCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const Options options(arguments);
    if (options.parser.isSet(options.help)) {
        Print(stdout, QStringLiteral("Uso: velkiro [OPZIONE]\n"
                                     "Apre una finestra che converte un calibro AWG (American "
                                     "Wire Gauge)\nnel diametro del filo in mm e nella sua "
                                     "sezione in mm².\n\n"
                                     "Opzioni:\n"
                                     "  -h, --help     mostra questo aiuto ed esce\n"
                                     "      --version  mostra la versione ed esce\n\n"
                                     "Accetta anche le opzioni del toolkit Qt, come -platform, "
                                     "-style e -reverse.\n") +
                          QString::fromUtf8(kWhereToRead));
        return 0;
    }
    if (options.parser.isSet(options.version)) {
        Print(stdout, QStringLiteral("velkiro " VELKIRO_VERSION "\n"));
        return 0;
    }
    const QString unknown = options.parser.unknownOptionNames().value(0);
    const QString other = options.parser.positionalArguments().value(0);
    if (options.read && other.isEmpty()) return std::nullopt;
    const QString what =
        unknown.isEmpty()
            ? QStringLiteral("argomento inatteso '%1'").arg(other)
            : QStringLiteral("opzione sconosciuta '%1'").arg(AsTyped(arguments, unknown));
    Print(stderr, QStringLiteral("velkiro: %1; per l'aiuto: velkiro --help\n").arg(what));
    return 2;
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

}  // namespace velkiro
