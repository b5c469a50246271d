// A start that fails said in one line: a display that cannot be reached, or a
// platform that does not start, gets that line instead of the toolkit's abort.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace velkiro {

// Lives while QApplication is being built: if the toolkit cannot start, says
// why in one line, naming the platform asked for ("-platform NAME" as typed,
// if any) or else the display, and ends the program with status 1. The
// toolkit's own messages of a start that succeeds are passed on when it ends.
// Under QT_DEBUG_PLUGINS the toolkit speaks for itself.
class FailedStartExplained {
public:
    explicit FailedStartExplained(QString askedPlatform);
    ~FailedStartExplained();
    Q_DISABLE_COPY(FailedStartExplained)

private:
    static void HoldOrExplain(QtMsgType type, const QMessageLogContext& context,
                              const QString& text);
    struct Held {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    QString askedPlatform_;
    QList<Held> held_;
    QtMessageHandler previous_ = nullptr;
};

}  // namespace velkiro
