#include <QApplication>
#include <cstdlib>
#include <optional>

#include "command_line.h"
#include "form1.h"

// On Windows the toolkit keeps its own font engine, Windows' GDI: it draws
// the boxes and menus in the system's message font (Segoe UI on Windows 10
// and 11) with the system's smoothing, as every other program does, and it
// draws the embedded bold face as fully as FreeType does.
int main(int argc, char* argv[]) {
    if (const auto status = velkiro::AnswerHelpOrVersion(argc, argv)) return *status;
    std::optional<QApplication> app;
    {
        const velkiro::FailedStartExplained explained;
        app.emplace(argc, argv);
    }
    if (const auto status = velkiro::RefuseOtherArguments()) return *status;
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
