// algol-planner: the night-planning window. main() reads the world (the clock, the zone, the
// locale, where the settings live) and hands it to the window.

#include "clock.h"
#include "eclipsemodel.h"
#include "listingtexts.h"
#include "plannersettings.h"
#include "plannerstyle.h"
#include "plannerwindow.h"

#include <QApplication>
#include <QLocale>

#include <thread>

int main(int argc, char *argv[])
{
    // The eclipse model's table (about 10 ms to build) on the other core while Qt starts: the
    // chart of the first night needs it.
    std::jthread warmUp([] { eclipses::algolMagnitudeFast(0); });
    QApplication app(argc, argv);
    QApplication::setStyle(new planner::PlannerStyle);
    QCoreApplication::setApplicationName(QStringLiteral("algol-planner"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ALGOL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ALGOL_PLANNER_APP_ID)); // a build setting
    listing::installTranslations(QLocale::system(), QStringLiteral("algol-planner"));
    toolkit::SystemClock clock;
    // The window takes its size from the screen's room and the settings.
    planner::PlannerWindow window({clock, QTimeZone::systemTimeZone(), planner::defaultSettingsPath()});
    window.show();
    return app.exec();
}
