// The reference for the programs' start-up figures: a QApplication and one shown window, with
// nothing else: of the main window's size (449 x 349), or with --text of the planner's size
// (1280 x 800) showing a line of text. tools/measure-startup.sh times them.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        QLabel window(QStringLiteral("Algol fades every 2.867 days."));
        window.setWindowTitle(QStringLiteral("Minimal window"));
        window.resize(1280, 800);
        window.show();
        return app.exec();
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.setFixedSize(449, 349);
    window.show();
    return app.exec();
}
