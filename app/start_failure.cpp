#include "start_failure.h"

#include <cstdlib>
#include <utility>

#include "console.h"

namespace velkiro {
namespace {

// The one that lives, for the toolkit's message handler, which takes no object.
FailedStartExplained* explaining = nullptr;

// What the program was asked to open its window on: the platform, else the
// display.
QString StartProblem(QString asked) {
    const QString details = QStringLiteral("; per i dettagli: QT_DEBUG_PLUGINS=1\n");
    if (asked.isEmpty() && !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        asked = QStringLiteral("QT_QPA_PLATFORM=") + qEnvironmentVariable("QT_QPA_PLATFORM");
#ifdef Q_OS_WIN
    if (asked.isEmpty()) return QStringLiteral("velkiro: impossibile aprire la finestra") + details;
#else
    if (asked.isEmpty()) {
        QStringList named;
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"})
            if (!qEnvironmentVariableIsEmpty(variable))
                named << QString::fromLatin1(variable) + u'=' + qEnvironmentVariable(variable);
        if (named.isEmpty())
            return QStringLiteral(
                "velkiro: nessun display: DISPLAY e WAYLAND_DISPLAY non sono impostate\n");
        asked = named.join(QStringLiteral(", "));
    }
#endif
    return QStringLiteral("velkiro: impossibile aprire la finestra (%1)").arg(asked) + details;
}

}  // namespace

FailedStartExplained::FailedStartExplained(QString askedPlatform)
    : askedPlatform_(std::move(askedPlatform)) {
    if (qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS")) return;
    explaining = this;
    previous_ = qInstallMessageHandler(HoldOrExplain);
}

FailedStartExplained::~FailedStartExplained() {
    if (explaining != this) return;
    qInstallMessageHandler(previous_);
    explaining = nullptr;
    for (const Held& message : held_) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

void FailedStartExplained::HoldOrExplain(QtMsgType type, const QMessageLogContext& context,
                                         const QString& text) {
    if (type == QtFatalMsg) {
        Print(stderr, StartProblem(explaining->askedPlatform_));
        std::_Exit(1);  // not the toolkit's abort: nothing has failed but the start
    }
    explaining->held_.append({type, context.category, text});
}

}  // namespace velkiro
