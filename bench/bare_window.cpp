// The floor for start-up figures: a bare Qt Widgets window of Form1's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(369, 490);
    window.show();
    return QApplication::exec();
}
