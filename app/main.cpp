#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(VELKIRO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(VELKIRO_APP_ID));
    velkiro::Form1 form1;
    form1.show();
    return QApplication::exec();
}
