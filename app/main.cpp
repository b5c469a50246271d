#include <QApplication>
#include <cstdlib>
#include <optional>

#include "command_line.h"
#include "dark_mode.h"
#include "form1.h"
#include "start_failure.h"
#include "toolkit_texts.h"

int main(int argc, char* argv[]) {
    const velkiro::CommandLine commandLine = velkiro::ReadCommandLine(argc, argv);
    if (commandLine.status) return *commandLine.status;
#ifdef QT_STATIC
    // Everything the program needs is inside it: no toolkit plugin is ever
    // loaded from a folder that someone else could write to.
    QCoreApplication::setLibraryPaths({});
#endif
    std::optional<QApplication> app;
    {
        const velkiro::FailedStartExplained explained(commandLine.platform);
        app.emplace(argc, argv);
    }
    QApplication::setDesktopFileName(QStringLiteral(VELKIRO_APP_ID));
    QApplication::installTranslator(new velkiro::ToolkitTexts(&*app));
#ifdef Q_OS_WIN
    velkiro::FollowDarkMode();
#endif
    velkiro::Form1 form1;
    form1.show();
    const int status = QApplication::exec();
    // On native Wayland the toolkit's teardown can wait for ever on its
    // display thread (in wl_display_read_events, with Qt 6.4 and 6.8 under
    // weston), so the process ends at once. The clipboard loses nothing:
    // a compositor that keeps it takes its copy when the text is copied.
    // Elsewhere the teardown hands the clipboard to the system.
    if (QGuiApplication::platformName() == u"wayland") std::_Exit(status);
    return status;
}
