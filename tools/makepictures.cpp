// makepictures: draws the program's eight pictures, and the star icon at the larger sizes that
// desktops show in their menus (installed beside the program, not built into it), and writes them
// as PNG files into the folder given on the command line. The program itself carries the
// committed copies (assets/pictures); this tool only remakes them
// (`cmake --build <build> --target pictures`). The same tool on the same system writes the same
// bytes every time: fonts come from the bundled font files, nothing is random and the PNG files
// hold no time stamp.

#include "drawings.h"
#include "savefile.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#include <functional>

namespace {

struct Picture
{
    const char *fileName;
    std::function<QImage()> draw;
};

// Whole or not at all: a picture that cannot be written leaves the older one as it was.
bool writePng(const QImage &image, const QString &path)
{
    QString error = QStringLiteral("the disk is full or the folder cannot be written");
    const bool written = listing::saveWhole(path, [&](QIODevice &file) {
        QImageWriter writer(&file, "png");
        if (writer.write(image))
            return true;
        error = writer.errorString();
        return false;
    });
    if (!written)
        QTextStream(stderr) << "makepictures: cannot write " << path << ": " << error << '\n';
    return written;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // draws into images only, never needs a display
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: makepictures OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "makepictures: cannot create " << folder.path() << '\n';
        return 1;
    }

    const Picture pictures[] = {
        {"star-icon.png", [] { return drawStarIcon(32); }},
        {"star-icon-64.png", [] { return drawStarIcon(64); }},
        {"star-icon-128.png", [] { return drawStarIcon(128); }},
        {"star-icon-256.png", [] { return drawStarIcon(256); }},
        {"stopwatch.png", [] { return drawStopwatch(false); }},
        {"stopwatch-stopped.png", [] { return drawStopwatch(true); }},
        {"light-curve.png", drawLightCurve},
        {"orbit-phases.png", drawOrbitPhases},
        {"chart-magnitudes.png", [] { return drawStarChart(ChartKind::Magnitudes); }},
        {"chart-names.png", [] { return drawStarChart(ChartKind::Names); }},
        {"chart-sky.png", [] { return drawStarChart(ChartKind::Sky); }},
    };
    for (const Picture &picture : pictures) {
        if (!writePng(picture.draw(), folder.filePath(QString::fromLatin1(picture.fileName))))
            return 1;
    }
    return 0;
}
