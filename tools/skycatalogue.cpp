#include "skycatalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>
#include <numbers>

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kRadiansPerHour = std::numbers::pi / 12;

QStringList dataLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("Cannot read %s", qPrintable(path));
    QStringList lines;
    QTextStream stream(&file);
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines.append(line);
    }
    return lines;
}

QString orEmpty(const QString &field)
{
    return field == QLatin1String("-") ? QString() : field;
}

// The index of the star that a figure names: "Alp" or "Gam1" (Bayer letter), "51" (Flamsteed
// number), each in the figure's constellation unless written "Alp.And".
int findStar(const QList<CatalogueStar> &stars, const QString &constellation, const QString &name)
{
    const QStringList parts = name.split(u'.');
    const QString star = parts.first();
    const QString inConstellation = parts.size() > 1 ? parts.at(1) : constellation;
    const bool byNumber = star.front().isDigit();
    for (int i = 0; i < stars.size(); ++i) {
        const CatalogueStar &s = stars.at(i);
        if (s.constellation == inConstellation && (byNumber ? s.flamsteed : s.bayer) == star)
            return i;
    }
    qFatal("Constellation figure %s: no star %s", qPrintable(constellation), qPrintable(name));
    return -1;
}

} // namespace

QList<CatalogueStar> readBrightStars()
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QList<CatalogueStar> stars;
    for (const QString &line : dataLines(QStringLiteral(":/data/bright-stars.txt"))) {
        const QStringList fields = line.split(blanks);
        if (fields.size() != 7)
            qFatal("Bad star line: %s", qPrintable(line));
        CatalogueStar star;
        star.hr = fields.at(0).toInt();
        star.raHours = fields.at(1).toDouble();
        star.decDegrees = fields.at(2).toDouble();
        star.magnitude = fields.at(3).toDouble();
        star.flamsteed = orEmpty(fields.at(4));
        star.bayer = orEmpty(fields.at(5));
        star.constellation = orEmpty(fields.at(6));
        stars.append(star);
    }
    return stars;
}

QList<FigureLine> readConstellationFigures(const QList<CatalogueStar> &stars)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QList<FigureLine> lines;
    for (const QString &line : dataLines(QStringLiteral(":/data/constellation-lines.txt"))) {
        const QStringList fields = line.split(blanks);
        const QString constellation = fields.first();
        for (int k = 2; k < fields.size(); ++k) {
            lines.append({constellation, findStar(stars, constellation, fields.at(k - 1)),
                          findStar(stars, constellation, fields.at(k))});
        }
    }
    return lines;
}

Stereographic::Stereographic(double centreRaHours, double centreDecDegrees,
                             double pixelsPerDegree, QPointF centreOnChart)
    : m_ra0(centreRaHours * kRadiansPerHour),
      m_dec0(centreDecDegrees * kRadiansPerDegree),
      m_scale(pixelsPerDegree / kRadiansPerDegree),
      m_centre(centreOnChart)
{
}

double Stereographic::cosineOfDistance(double raHours, double decDegrees) const
{
    const double ra = raHours * kRadiansPerHour;
    const double dec = decDegrees * kRadiansPerDegree;
    return std::sin(m_dec0) * std::sin(dec) + std::cos(m_dec0) * std::cos(dec) * std::cos(ra - m_ra0);
}

bool Stereographic::isNear(double raHours, double decDegrees) const
{
    return cosineOfDistance(raHours, decDegrees) > -0.3;
}

QPointF Stereographic::map(double raHours, double decDegrees) const
{
    const double ra = raHours * kRadiansPerHour;
    const double dec = decDegrees * kRadiansPerDegree;
    // 2 / (1 + cos c) makes the projection stereographic; at the centre a radian is m_scale.
    const double k = 2 / (1 + cosineOfDistance(raHours, decDegrees));
    const double east = k * std::cos(dec) * std::sin(ra - m_ra0);
    const double north = k * (std::cos(m_dec0) * std::sin(dec)
                              - std::sin(m_dec0) * std::cos(dec) * std::cos(ra - m_ra0));
    return m_centre - QPointF(east, north) * m_scale;
}
