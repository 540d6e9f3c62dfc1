#include "algol.h"
#include "clock.h"
#include "fonts.h"
#include "regional.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(ALGOL_APP_ID)); // a build setting
    toolkit::registerBundledFonts();
    // The dialog font for everything the windows do not set themselves (the year's input box);
    // set first, it also spares loading the system's default font at start.
    QApplication::setFont(toolkit::dialogFont());
    toolkit::SystemClock clock;
    Algol window(clock, toolkit::regionalSettings());
    window.Form_Load();
    return app.exec();
}
