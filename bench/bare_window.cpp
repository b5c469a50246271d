// The floors for start-up figures: a bare Qt Widgets window of Form1's size
// and, with --label, the same window showing one word, which is the least a
// window with any text pays (the font configuration and the font database).
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(369, 490);
    if (QApplication::arguments().contains(QStringLiteral("--label")))
        new QLabel(QStringLiteral("AWG"), &window);
    window.show();
    return QApplication::exec();
}
