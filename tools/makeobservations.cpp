// makeobservations: the observation files of tests/data, made from the eclipse model with noise:
// an AAVSO Visual file of one eclipse estimated by eye, and an AAVSO Extended file of a camera's
// photometry of several eclipses over two seasons. Their true minima are known: HJD 2455528.1071
// + 2.8673285 E plus a wander of 0.0017 day over 680 days (as Algol C moves them), seen from the
// Earth's centre at the JD (UTC) below (astropy 5.2.1, computed offline: the HJD less
// Time.light_travel_time(algol, 'heliocentric'), iterated).
//
//   makeobservations FOLDER      writes FOLDER/algol-visual.txt and FOLDER/algol-extended.txt

#include "eclipsemodel.h"
#include "savefile.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QString>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr double kPeriod = 2.867326;
constexpr double kMinute = 1.0 / 1440;

struct Eclipse
{
    long long cycle;
    double minimumJd; // the true minimum seen from the Earth's centre, JD on UTC
    double fromHours; // the observations' span about it
    double toHours;
};

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

// Estimates by eye every 8 to 16 minutes, rounded to 0.1 magnitude with 0.12 of scatter; one
// "fainter than" estimate through haze.
QString visualFile(std::mt19937_64 &random)
{
    const Eclipse eclipse{2048, 2461400.3913871683, -4.3, 4.2};
    std::uniform_real_distribution<double> step(8, 16);
    std::normal_distribution<double> scatter(0, 0.12);
    QString text = QStringLiteral("#TYPE=VISUAL\n#OBSCODE=TVIS\n#SOFTWARE=tools/makeobservations\n"
                                  "#DELIM=,\n#DATE=JD\n#OBSTYPE=Visual\n"
                                  "#NAME,DATE,MAG,COMMENTCODE,COMP1,COMP2,CHART,NOTES\n");
    text += QStringLiteral("ALGOL,%1,<2.5,na,21,29,X28471BN,haze\n")
                .arg(number(eclipse.minimumJd + (eclipse.fromHours - 0.3) / 24, 4));
    for (double hours = eclipse.fromHours; hours <= eclipse.toHours; hours += step(random) / 60) {
        const double jd = eclipse.minimumJd + hours / 24;
        const double magnitude = eclipses::algolMagnitude(hours / 24 / kPeriod) + scatter(random);
        text += QStringLiteral("ALGOL,%1,%2,na,21,34,X28471BN,na\n")
                    .arg(number(jd, 4), number(std::round(magnitude * 10) / 10, 1));
    }
    return text;
}

// A DSLR's V magnitudes every 5 minutes (give or take 20 s) with 0.008 of noise, a few rows of
// a check star among them, and one eclipse left at its ingress by clouds.
QString extendedFile(std::mt19937_64 &random)
{
    const Eclipse eclipses[] = {
        {1897, 2460967.423636964, -4.5, 4.5}, {1904, 2460987.494573569, -4.5, 4.5},
        {1920, 2461033.3734549424, -4.5, 4.5}, {1928, 2461056.3140091808, -4.5, -1.0},
        {2025, 2461334.4433574053, -4.5, 4.5}, {2040, 2461377.4521782626, -4.5, 4.5},
    };
    std::uniform_real_distribution<double> jitter(-20, 20);
    std::normal_distribution<double> noise(0, 0.008);
    QString text = QStringLiteral("#TYPE=EXTENDED\n#OBSCODE=TCAM\n#SOFTWARE=tools/makeobservations\n"
                                  "#DELIM=,\n#DATE=JD\n#OBSTYPE=DSLR\n"
                                  "#NAME,DATE,MAG,MERR,FILT,TRANS,MTYPE,CNAME,CMAG,KNAME,KMAG,AMASS,GROUP,CHART,NOTES\n");
    for (const Eclipse &eclipse : eclipses) {
        text += QStringLiteral("RHO PER,%1,%2,0.010,V,NO,STD,ENSEMBLE,na,na,na,na,na,X28471BN,na\n")
                    .arg(number(eclipse.minimumJd + eclipse.fromHours / 24 - 10 * kMinute, 5),
                         number(3.39 + noise(random), 3));
        for (double minutes = eclipse.fromHours * 60; minutes <= eclipse.toHours * 60 + 0.1; minutes += 5) {
            const double jd = eclipse.minimumJd + (minutes + jitter(random) / 60) * kMinute;
            const double magnitude =
                eclipses::algolMagnitude((jd - eclipse.minimumJd) / kPeriod) + noise(random);
            text += QStringLiteral("BET PER,%1,%2,0.008,V,NO,STD,ENSEMBLE,na,na,na,na,na,X28471BN,na\n")
                        .arg(number(jd, 5), number(magnitude, 3));
        }
    }
    return text;
}

bool save(const QString &path, const QString &text)
{
    QString reason;
    const QByteArray bytes = text.toUtf8();
    if (listing::saveWhole(path, [&](QIODevice &file) { return file.write(bytes) == bytes.size(); }, &reason))
        return true;
    std::fprintf(stderr, "makeobservations: cannot write %s: %s\n", qPrintable(path), qPrintable(reason));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: makeobservations FOLDER\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    std::mt19937_64 random(2026);
    const bool visual = save(folder + QStringLiteral("/algol-visual.txt"), visualFile(random));
    const bool extended = save(folder + QStringLiteral("/algol-extended.txt"), extendedFile(random));
    return visual && extended ? 0 : 1;
}
