#include <QApplication>
#include <cstdlib>
#include <optional>

#include "command_line.h"
#include "form1.h"

int main(int argc, char* argv[]) {
    if (const auto status = velkiro::AnswerHelpOrVersion(argc, argv)) return *status;
#ifdef Q_OS_WIN
    // The embedded font drawn by FreeType, as on Linux, wherever the user has
    // not chosen otherwise: Windows' GDI engine draws its bold thin at small
    // sizes when the system has a regular face of the same family.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
    std::optional<QApplication> app;
    {
        const velkiro::FailedStartExplained explained;
        app.emplace(argc, argv);
    }
    if (const auto status = velkiro::RefuseOtherArguments()) return *status;
    QApplication::setApplicationVersion(QStringLiteral(VELKIRO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(VELKIRO_APP_ID));
    velkiro::Form1 form1;
    form1.show();
    const int status = QApplication::exec();
    // The window is closed and the program keeps nothing, so the process ends
    // here, without the toolkit's teardown: on native Wayland, Qt 6.4 waits
    // there for its display thread, which can sit for ever in
    // wl_display_read_events and leave a process with no window behind.
    std::_Exit(status);
}
