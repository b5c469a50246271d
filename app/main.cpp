#include <QApplication>
#include <cstdlib>
#include <optional>

#include "command_line.h"
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
    velkiro::Form1 form1;
    form1.show();
    const int status = QApplication::exec();
    // On native Wayland, the toolkit's teardown waits for its display
    // thread, which can sit for ever in wl_display_read_events and leave a
    // process with no window behind (seen with Qt 6.4 and 6.8, the Qts of
    // Debian 12 and 13, under weston; no Qt bug names it), so there the
    // process ends at once, on every Qt until one is seen to end. The
    // clipboard loses nothing by it: Wayland has no hand-over at the end,
    // and a compositor that keeps the clipboard takes its copy when the text
    // is copied. Elsewhere the toolkit's teardown hands what the user copied
    // to the system: Windows takes the data itself, and X11's clipboard
    // manager, where the desktop runs one, takes a copy.
    if (QGuiApplication::platformName() == u"wayland") std::_Exit(status);
    return status;
}
