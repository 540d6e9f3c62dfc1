#pragma once

#include <QList>
#include <QPointF>
#include <QString>

// The bright stars and the constellation figures that the star charts draw, read from the
// extracts under tools/data (carried as resources), and the projection that puts them on a chart.

struct CatalogueStar
{
    int hr = 0;              // number in the Bright Star Catalogue
    double raHours = 0;      // J2000
    double decDegrees = 0;   // J2000
    double magnitude = 0;    // visual
    QString flamsteed;       // "26", or empty
    QString bayer;           // "Bet", "Gam1", or empty
    QString constellation;   // "Per", or empty
};

// A line of a constellation figure, between two stars given by their index in the star list.
struct FigureLine
{
    QString constellation;
    int from = 0;
    int to = 0;
};

QList<CatalogueStar> readBrightStars();
QList<FigureLine> readConstellationFigures(const QList<CatalogueStar> &stars);

// Stereographic projection of the sky as seen from inside, centred on a point of the sky, which
// falls on a given point of the chart: north is up and east is left at that point.
class Stereographic
{
public:
    Stereographic(double centreRaHours, double centreDecDegrees, double pixelsPerDegree,
                  QPointF centreOnChart);

    QPointF map(double raHours, double decDegrees) const;
    // Whether a point of the sky lies on the projected hemisphere (closer than 90 degrees to the
    // centre) plus a margin, so that its projection is meaningful.
    bool isNear(double raHours, double decDegrees) const;

private:
    double cosineOfDistance(double raHours, double decDegrees) const;

    double m_ra0;
    double m_dec0;
    double m_scale; // pixels per radian at the centre
    QPointF m_centre;
};
