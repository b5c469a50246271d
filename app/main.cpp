#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velkiro::Form1 form1;
    form1.show();
    return QApplication::exec();
}
