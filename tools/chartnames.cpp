#include "chartnames.h"

#include <QHash>

const QList<ConstellationName> &constellationNames()
{
    // Placed between the figures' stars; on the sky chart a few stand elsewhere than on the
    // regional charts, where the figures lie closer together.
    static const QList<ConstellationName> names = {
        {QStringLiteral("PERSÉE"), {3.95, 44.0}, {3.95, 44.0}},
        {QStringLiteral("ANDROMÈDE"), {0.95, 45.5}, {0.95, 45.5}},
        {QStringLiteral("CASSIOPÉE"), {1.0, 66.5}, {1.2, 54.0}},
        {QStringLiteral("TRIANGLE"), {2.35, 30.0}, {2.35, 30.0}},
        {QStringLiteral("BÉLIER"), {2.75, 24.6}, {2.75, 24.6}},
        {QStringLiteral("CÉPHÉE"), {22.4, 72.5}, {21.8, 57.0}},
        {QStringLiteral("PÉGASE"), {23.2, 19.5}, {23.2, 19.5}},
        {QStringLiteral("COCHER"), {5.55, 41.5}, {5.55, 41.5}},
        {QStringLiteral("GIRAFE"), {5.0, 71.0}, {5.0, 71.0}},
        {QStringLiteral("LÉZARD"), {22.75, 47.0}, {22.75, 47.0}},
        {QStringLiteral("POISSONS"), {1.2, 12.0}, {1.2, 12.0}},
        {QStringLiteral("TAUREAU"), {4.8, 20.0}, {4.8, 20.0}},
        {QStringLiteral("PETITE OURSE"), {16.0, 79.0}, {10.2, 75.5}},
        {QStringLiteral("GRANDE OURSE"), {11.0, 52.0}, {11.0, 52.0}},
        {QStringLiteral("DRAGON"), {17.3, 61.0}, {17.3, 61.0}},
        {QStringLiteral("LYNX"), {7.9, 51.0}, {7.9, 51.0}},
        {QStringLiteral("CYGNE"), {20.6, 47.5}, {20.6, 47.5}},
        {QStringLiteral("LYRE"), {18.9, 33.0}, {18.9, 33.0}},
        {QStringLiteral("HERCULE"), {17.2, 30.5}, {17.2, 30.5}},
        {QStringLiteral("BOUVIER"), {14.6, 22.0}, {14.6, 22.0}},
        {QStringLiteral("COURONNE"), {15.85, 34.0}, {15.85, 34.0}},
        {QStringLiteral("GÉMEAUX"), {7.1, 20.0}, {7.1, 20.0}},
        {QStringLiteral("LION"), {10.4, 17.0}, {10.4, 17.0}},
        {QStringLiteral("CANCER"), {8.6, 24.0}, {8.6, 24.0}},
        {QStringLiteral("CHIENS DE CHASSE"), {13.0, 44.0}, {13.0, 44.0}},
        {QStringLiteral("PETIT LION"), {10.1, 30.0}, {10.1, 30.0}},
        {QStringLiteral("DAUPHIN"), {20.7, 10.0}, {20.7, 10.0}},
        {QStringLiteral("FLÈCHE"), {19.7, 21.0}, {19.7, 21.0}},
        {QStringLiteral("AIGLE"), {19.4, 5.0}, {19.4, 5.0}},
        {QStringLiteral("ORION"), {5.6, 3.0}, {5.6, 3.0}},
    };
    return names;
}

// Names of the bright stars on the chart with names. The comparison stars of the information
// window's text are among them: Almach (gamma Andromedae) and Alpha Triangle (alpha Trianguli).
QString starName(int hr)
{
    static const QHash<int, QString> names = {
        {936, QStringLiteral("Algol")},        {603, QStringLiteral("Almach")},
        {544, QStringLiteral("Alpha Triangle")}, {1017, QStringLiteral("Mirfak")},
        {337, QStringLiteral("Mirach")},       {15, QStringLiteral("Alpheratz")},
        {168, QStringLiteral("Schedar")},      {21, QStringLiteral("Caph")},
        {403, QStringLiteral("Ruchbah")},      {542, QStringLiteral("Segin")},
        {219, QStringLiteral("Achird")},       {617, QStringLiteral("Hamal")},
        {553, QStringLiteral("Sheratan")},     {834, QStringLiteral("Miram")},
        {941, QStringLiteral("Misam")},        {1228, QStringLiteral("Menkib")},
        {1131, QStringLiteral("Atik")},        {1708, QStringLiteral("Capella")},
        {2088, QStringLiteral("Menkalinan")},  {1791, QStringLiteral("Elnath")},
        {1605, QStringLiteral("Almaaz")},      {1577, QStringLiteral("Hassaleh")},
        {424, QStringLiteral("Polaris")},      {8162, QStringLiteral("Alderamin")},
        {8238, QStringLiteral("Alfirk")},      {8974, QStringLiteral("Errai")},
        {8775, QStringLiteral("Scheat")},      {8781, QStringLiteral("Markab")},
        {39, QStringLiteral("Algenib")},       {1165, QStringLiteral("Pléiades")},
        {1457, QStringLiteral("Aldebaran")},   {464, QStringLiteral("Nembus")},
        {458, QStringLiteral("Titawin")},
    };
    return names.value(hr);
}

QString greekLetter(const QString &bayer)
{
    static const QHash<QString, QString> letters = {
        {QStringLiteral("Alp"), QStringLiteral("α")}, {QStringLiteral("Bet"), QStringLiteral("β")},
        {QStringLiteral("Gam"), QStringLiteral("γ")}, {QStringLiteral("Del"), QStringLiteral("δ")},
        {QStringLiteral("Eps"), QStringLiteral("ε")}, {QStringLiteral("Zet"), QStringLiteral("ζ")},
        {QStringLiteral("Eta"), QStringLiteral("η")}, {QStringLiteral("The"), QStringLiteral("θ")},
        {QStringLiteral("Iot"), QStringLiteral("ι")}, {QStringLiteral("Kap"), QStringLiteral("κ")},
        {QStringLiteral("Lam"), QStringLiteral("λ")}, {QStringLiteral("Mu"), QStringLiteral("μ")},
        {QStringLiteral("Nu"), QStringLiteral("ν")},  {QStringLiteral("Xi"), QStringLiteral("ξ")},
        {QStringLiteral("Omi"), QStringLiteral("ο")}, {QStringLiteral("Pi"), QStringLiteral("π")},
        {QStringLiteral("Rho"), QStringLiteral("ρ")}, {QStringLiteral("Sig"), QStringLiteral("σ")},
        {QStringLiteral("Tau"), QStringLiteral("τ")}, {QStringLiteral("Ups"), QStringLiteral("υ")},
        {QStringLiteral("Phi"), QStringLiteral("φ")}, {QStringLiteral("Chi"), QStringLiteral("χ")},
        {QStringLiteral("Psi"), QStringLiteral("ψ")}, {QStringLiteral("Ome"), QStringLiteral("ω")},
    };
    QString letter = bayer;
    while (!letter.isEmpty() && letter.back().isDigit())
        letter.chop(1);
    return letters.value(letter);
}

