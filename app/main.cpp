#include "algol.h"
#include "clock.h"
#include "fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(ALGOL_APP_ID)); // a build setting
    toolkit::registerBundledFonts();
    toolkit::SystemClock clock;
    Algol window(clock);
    window.Form_Load();
    return app.exec();
}
