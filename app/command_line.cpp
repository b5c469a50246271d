#include "command_line.h"

#include <QCoreApplication>
#include <QList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velkiro {
namespace {

// The program's options and the toolkit's own, which it takes out of the
// command line as it starts: those of every platform, of the widgets, and of
// X11. Each is a word after one dash or two; a value follows it, or an "=".
constexpr const char* kSwitches[] = {"h", "help", "version", "reverse", "widgetcount", "nograb",
                                     "dograb"};
constexpr const char* kOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "style", "stylesheet", "display", "name", "visual", "geometry",
    "icon", "title"};

// What the command line asks for: the usage, the version, a platform; or,
// in `wrong`, why it is refused.
struct Request {
    bool help = false, version = false;
    QString platform, wrong;
};

Request Read(const QStringList& arguments) {
    Request request;
    const auto refuse = [&request](const QString& why) {
        if (request.wrong.isEmpty()) request.wrong = why;
    };
    bool options = true;  // until "--"
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!options || !argument.startsWith(u'-') || argument == u"-") {
            refuse(QStringLiteral("argomento inatteso '%1'").arg(argument));
            continue;
        }
        if (argument == u"--") {
            options = false;
            continue;
        }
        const QString typed = argument.section(u'=', 0, 0);  // with its dashes
        const QString name = typed.mid(typed.startsWith(u"--") ? 2 : 1);
        const bool withValue = argument.contains(u'=');
        const auto among = [&name](const auto& names) {
            return std::find(std::begin(names), std::end(names), name) != std::end(names);
        };
        if (among(kSwitches)) {
            if (withValue) refuse(QStringLiteral("l'opzione '%1' non accetta valori").arg(typed));
            request.help |= name == u"h" || name == u"help";
            request.version |= name == u"version";
        } else if (!among(kOptionsWithValue)) {
            refuse(QStringLiteral("opzione sconosciuta '%1'").arg(typed));
        } else if (!withValue && i + 1 == arguments.size()) {
            refuse(QStringLiteral("l'opzione '%1' richiede un valore").arg(typed));
        } else {
            const QString value = withValue ? argument.section(u'=', 1) : arguments[++i];
            if (name == u"platform") request.platform = typed + u' ' + value;
        }
    }
    return request;
}

// On Windows the program has no console of its own. Handed a console, or
// started from one, it writes into it as Unicode, so every character arrives
// whole (a console handed over is usable only once the program is attached to
// it, which it does at most once); into a file or a pipe as UTF-8; started
// from neither (a shortcut), into a box.
void Print(std::FILE* stream, const QString& text) {
#ifdef Q_OS_WIN
    HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const auto none = [](HANDLE h) { return h == nullptr || h == INVALID_HANDLE_VALUE; };
    if (none(handle) || GetFileType(handle) == FILE_TYPE_CHAR) {
        static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
        // Read access too, without which the console's mode cannot be read.
        if (none(handle) && attached)
            handle = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                 nullptr);
    }
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

QString askedPlatform;  // "-platform NAME" as typed, if given

// What the program was asked to open its window on, for the one line that
// says it could not: the platform, else the display.
QString StartProblem() {
    const QString details = QStringLiteral("; per i dettagli: QT_DEBUG_PLUGINS=1\n");
    QString asked = askedPlatform;
    if (asked.isEmpty() && !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        asked = QStringLiteral("QT_QPA_PLATFORM=") + qEnvironmentVariable("QT_QPA_PLATFORM");
#ifdef Q_OS_WIN
    if (asked.isEmpty()) return QStringLiteral("velkiro: impossibile aprire la finestra") + details;
#else
    if (asked.isEmpty()) {
        QStringList named;
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
            if (!qEnvironmentVariableIsEmpty(variable))
                named << QString::fromLatin1(variable) + u'=' + qEnvironmentVariable(variable);
        }
        if (named.isEmpty())
            return QStringLiteral(
                "velkiro: nessun display: DISPLAY e WAYLAND_DISPLAY non sono impostate\n");
        asked = named.join(QStringLiteral(", "));
    }
#endif
    return QStringLiteral("velkiro: impossibile aprire la finestra (%1)").arg(asked) + details;
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
        Print(stderr, StartProblem());
        std::_Exit(1);  // not the toolkit's abort: nothing has failed but the start
    }
    held.append({type, context.category, text});
}

}  // namespace

std::optional<int> ReadCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const Request request = Read(arguments);
    if (!request.wrong.isEmpty()) {
        Print(stderr,
              QStringLiteral("velkiro: %1; per l'aiuto: velkiro --help\n").arg(request.wrong));
        return 2;
    }
    if (request.help) {
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
    if (request.version) {
        Print(stdout, QStringLiteral("velkiro " VELKIRO_VERSION "\n"));
        return 0;
    }
    askedPlatform = request.platform;
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

}  // namespace velkiro
