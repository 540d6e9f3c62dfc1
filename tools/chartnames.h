#pragma once

#include <QList>
#include <QString>

// The words written on the star charts: the constellations' French names with their places, and
// the names of the bright stars.

struct SkyPoint
{
    double raHours;
    double decDegrees;
};

struct ConstellationName
{
    QString name;
    SkyPoint onRegionalCharts; // where the name is centred on the charts of Perseus' region
    SkyPoint onSkyChart;       // and on the chart of the northern sky
};

const QList<ConstellationName> &constellationNames();

// The usual name of a star given by its number in the Bright Star Catalogue, or an empty text.
QString starName(int hr);

// The Greek letter of a Bayer designation as the catalogue writes it ("Gam1" gives gamma), or an
// empty text.
QString greekLetter(const QString &bayer);

constexpr int kAlgolHr = 936;
constexpr int kAlmachHr = 603;
constexpr int kAlphaTrianguliHr = 544;
