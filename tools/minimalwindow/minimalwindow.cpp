// The reference for the program's start-up figures: a QApplication and one shown window of the
// main window's size (449 x 349), with nothing else. tools/measure-startup.sh times both.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.setFixedSize(449, 349);
    window.show();
    return app.exec();
}
