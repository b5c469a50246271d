#include "command_line.h"

#include <QStringList>
#include <algorithm>
#include <iterator>

#include "console.h"

namespace velkiro {
namespace {

// The program's options and the toolkit's own, which it takes out of the
// command line as it starts: those of every platform, of the widgets, and of
// X11, as the documentation of the constructors of QGuiApplication and
// QApplication lists them ("Supported Command Line Options", and the X11
// ones). Each is a word after one dash or two; its value follows as the next
// word, or also after an "=" for the two that the toolkit reads so.
constexpr const char* kSwitches[] = {"h", "help", "version",  // the program's
                                     "reverse", "widgetcount", "nograb", "dograb"};
constexpr const char* kOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "name", "visual", "geometry", "icon", "title"};
constexpr const char* kOptionsWithValueOrEquals[] = {"style", "stylesheet"};

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
        } else if (among(kOptionsWithValue) && withValue) {
            // The toolkit would take the whole word for an option it does not know.
            refuse(QStringLiteral("l'opzione '%1' vuole il valore dopo uno spazio").arg(typed));
        } else if (!among(kOptionsWithValue) && !among(kOptionsWithValueOrEquals)) {
            refuse(QStringLiteral("opzione sconosciuta '%1'").arg(typed));
        } else if (!withValue) {  // the value is the next word
            if (++i == arguments.size())
                refuse(QStringLiteral("l'opzione '%1' richiede un valore").arg(typed));
            else if (name == u"platform")
                request.platform = typed + u' ' + arguments[i];
        }
    }
    return request;
}

#ifdef Q_OS_WIN
const char* const kWhereToRead = "Le istruzioni: README.txt, accanto a velkiro.exe\n";
#else
const char* const kWhereToRead = "Il manuale: man velkiro\n";
#endif

}  // namespace

CommandLine ReadCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const Request request = Read(arguments);
    if (!request.wrong.isEmpty()) {
        Print(stderr,
              QStringLiteral("velkiro: %1; per l'aiuto: velkiro --help\n").arg(request.wrong));
        return {2, {}};
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
        return {0, {}};
    }
    if (request.version) {
        Print(stdout, QStringLiteral("velkiro " VELKIRO_VERSION "\n"));
        return {0, {}};
    }
    return {std::nullopt, request.platform};
}

}  // namespace velkiro
