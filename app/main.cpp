#include "algol.h"
#include "clock.h"
#include "fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    toolkit::registerBundledFonts();
    toolkit::SystemClock clock;
    Algol window(clock);
    window.Form_Load();
    return app.exec();
}
