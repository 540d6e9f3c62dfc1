// Opens the main window, the information window and the about window together, on the system
// clock, to watch them or to measure the processor time they use.
//
//   windows_driver [--quit-after SECONDS] [--grab FOLDER]
//
// --grab saves pictures of the windows (and of the chart viewer, opened for the picture) into the
// folder two seconds after start.

#include "about.h"
#include "algol.h"
#include "clock.h"
#include "description.h"
#include "fonts.h"
#include "informationwindows.h"
#include "picturebox.h"
#include "regional.h"

#ifdef ALGOL_DRIVER_PICTURES
#include "pictures.h"
#endif

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

namespace {

DescriptionPictures descriptionPictures()
{
    DescriptionPictures pictures;
#ifdef ALGOL_DRIVER_PICTURES
    pictures.orbitPhases = assets::picture(assets::Picture::OrbitPhases);
    pictures.lightCurve = assets::picture(assets::Picture::LightCurve);
    pictures.chartMagnitudes = assets::picture(assets::Picture::ChartMagnitudes);
    pictures.chartNames = assets::picture(assets::Picture::ChartNames);
    pictures.chartSky = assets::picture(assets::Picture::ChartSky);
#endif
    return pictures;
}

void grabWindows(const QString &folder, QWidget &mainWindow)
{
    const QDir dir(folder);
    mainWindow.grab().save(dir.filePath(QStringLiteral("main.png")));
    if (Description *description = loadedDescription()) {
        description->grab().save(dir.filePath(QStringLiteral("description.png")));
        description->Command6_Click();
        description->grab().save(dir.filePath(QStringLiteral("viewer-sky.png")));
        description->Command2_Click();
        description->grab().save(dir.filePath(QStringLiteral("viewer-names.png")));
        description->Picture1_Click();
    }
    if (About *about = loadedAbout())
        about->grab().save(dir.filePath(QStringLiteral("about.png")));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    toolkit::registerBundledFonts();

    QCommandLineParser parser;
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Quit after this many seconds."),
                                       QStringLiteral("seconds"));
    const QCommandLineOption grab(QStringLiteral("grab"),
                                  QStringLiteral("Save pictures of the windows into a folder."),
                                  QStringLiteral("folder"));
    parser.addOptions({quitAfter, grab});
    parser.addHelpOption();
    parser.process(app);

    toolkit::SystemClock clock;
    Algol mainWindow(clock, toolkit::regionalSettings());
    mainWindow.Form_Load();

    // "Informations sur Algol", "&A Propos", then "Informations sur Algol" again: all three open.
    const DescriptionPictures pictures = descriptionPictures();
    showInformationWindow(clock, &mainWindow, pictures);
    loadedDescription()->Command4_Click();
    showInformationWindow(clock, &mainWindow, pictures);
    loadedAbout()->raise();
    mainWindow.raise();

    if (parser.isSet(quitAfter))
        QTimer::singleShot(int(parser.value(quitAfter).toDouble() * 1000), &app,
                           &QCoreApplication::quit);
    if (parser.isSet(grab)) {
        const QString folder = parser.value(grab);
        QTimer::singleShot(2000, &mainWindow,
                           [folder, &mainWindow] { grabWindows(folder, mainWindow); });
    }
    return app.exec();
}
