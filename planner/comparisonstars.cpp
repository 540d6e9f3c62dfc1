#include "comparisonstars.h"

#include "starcatalogue.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace planner {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr int kRhoPerseiHr = 921;
// How far the comparison stars reach beyond the variable's range, magnitudes.
constexpr double kBrighterThanMaximum = 0.3;
constexpr double kFainterThanMinimum = 0.5;

double distanceDeg(const sky::Star &variable, double raHours, double decDeg)
{
    const double ra0 = variable.rightAscensionDeg * kRadiansPerDegree;
    const double dec0 = variable.declinationDeg * kRadiansPerDegree;
    const double ra = raHours * 15 * kRadiansPerDegree;
    const double dec = decDeg * kRadiansPerDegree;
    const double cosine = std::sin(dec) * std::sin(dec0)
        + std::cos(dec) * std::cos(dec0) * std::cos(ra - ra0);
    return std::acos(std::clamp(cosine, -1.0, 1.0)) / kRadiansPerDegree;
}

// "Gam1" gives "γ¹", "Alp" "α".
QString greekLetter(const QString &bayer)
{
    static const QHash<QString, QString> letters = {
        {"Alp", "α"}, {"Bet", "β"}, {"Gam", "γ"}, {"Del", "δ"}, {"Eps", "ε"}, {"Zet", "ζ"},
        {"Eta", "η"}, {"The", "θ"}, {"Iot", "ι"}, {"Kap", "κ"}, {"Lam", "λ"}, {"Mu", "μ"},
        {"Nu", "ν"}, {"Xi", "ξ"}, {"Omi", "ο"}, {"Pi", "π"}, {"Rho", "ρ"}, {"Sig", "σ"},
        {"Tau", "τ"}, {"Ups", "υ"}, {"Phi", "φ"}, {"Chi", "χ"}, {"Psi", "ψ"}, {"Ome", "ω"}};
    static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString name = bayer;
    QString index;
    while (!name.isEmpty() && name.back().isDigit()) {
        index.prepend(superscripts.at(name.back().digitValue()));
        name.chop(1);
    }
    const auto letter = letters.constFind(name);
    return letter == letters.constEnd() ? QString() : *letter + index;
}

// The variables that no comparison can be: the catalogue's eclipsing binaries and rho Persei.
bool isVariable(int hr)
{
    if (hr == kRhoPerseiHr)
        return true;
    const std::vector<sky::Star> &binaries = sky::starCatalogue();
    return std::any_of(binaries.begin(), binaries.end(),
                       [&](const sky::Star &binary) { return binary.hr == hr; });
}

} // namespace

QList<ComparisonStar> comparisonStars(const QByteArray &catalogue, const sky::Star &variable)
{
    // In tenths of a magnitude, as the catalogue rounds.
    const int brightestTenths = int(std::lround((variable.maximumMagnitude - kBrighterThanMaximum) * 10));
    const int faintestTenths = int(std::lround((variable.primaryMinimumMagnitude + kFainterThanMinimum) * 10));
    // Read as bytes, the labels made only for the stars kept: this runs at start-up.
    QHash<int, ComparisonStar> nearestOfEachTenth;
    for (const QByteArray &bytes : catalogue.split('\n')) {
        const QByteArray line = bytes.simplified();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 7)
            continue;
        bool ok[4] = {};
        ComparisonStar star;
        star.hr = fields.at(0).toInt(&ok[0]);
        const double raHours = fields.at(1).toDouble(&ok[1]);
        const double decDeg = fields.at(2).toDouble(&ok[2]);
        star.magnitude = fields.at(3).toDouble(&ok[3]);
        if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }))
            continue;
        const int tenths = int(std::lround(star.magnitude * 10));
        star.distanceDeg = distanceDeg(variable, raHours, decDeg);
        if (tenths < brightestTenths || tenths > faintestTenths
            || !(star.distanceDeg <= kComparisonRadiusDeg) || isVariable(star.hr))
            continue;
        const auto kept = nearestOfEachTenth.constFind(tenths);
        if (kept != nearestOfEachTenth.constEnd() && !(star.distanceDeg < kept->distanceDeg))
            continue;
        const QString letter = greekLetter(QString::fromUtf8(fields.at(5)));
        const QString name = letter.isEmpty() ? QString::fromUtf8(fields.at(4)) : letter;
        star.label = name == QLatin1String("-") ? QStringLiteral("HR %1").arg(star.hr)
                                                : name + QLatin1Char(' ') + QString::fromUtf8(fields.at(6));
        nearestOfEachTenth.insert(tenths, star);
    }
    QList<ComparisonStar> stars = nearestOfEachTenth.values();
    std::sort(stars.begin(), stars.end(), [](const ComparisonStar &a, const ComparisonStar &b) {
        return a.magnitude < b.magnitude;
    });
    return stars;
}

QList<ComparisonStar> comparisonStars(const sky::Star &variable)
{
    QFile file(QStringLiteral(":/data/bright-stars.txt"));
    return file.open(QIODevice::ReadOnly) ? comparisonStars(file.readAll(), variable)
                                          : QList<ComparisonStar>{};
}

QList<ComparisonStar> comparisonStars()
{
    return comparisonStars(sky::algolStar());
}

} // namespace planner
