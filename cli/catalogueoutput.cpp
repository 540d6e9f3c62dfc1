#include "catalogueoutput.h"

#include "starcatalogue.h"
#include "textcolumns.h"
#include "texts.h"
#include "wording.h"

#include <QStringList>

namespace cli {

QByteArray catalogueTable(const QLocale &locale)
{
    listing::Column star(AlgolMinima::tr("Star"), false);
    listing::Column names(AlgolMinima::tr("Other names"), false);
    listing::Column aavso(AlgolMinima::tr("AAVSO"), false);
    listing::Column range(AlgolMinima::tr("V range"), false);
    listing::Column secondary(AlgolMinima::tr("Min II"));
    listing::Column period(AlgolMinima::tr("Period (d)"));
    listing::Column duration(AlgolMinima::tr("D (h)"));
    listing::Column source(AlgolMinima::tr("Elements"), false);
    const auto magnitude = [&](double value) { return listing::fixedNumber(value, 2, locale); };
    for (const sky::Star &s : sky::starCatalogue()) {
        star.cells << listing::starLabel(s);
        QStringList others;
        for (const std::string &name : s.otherNames)
            others << QString::fromStdString(name);
        names.cells << others.join(QStringLiteral(", "));
        aavso.cells << QString::fromStdString(s.aavsoName);
        range.cells << magnitude(s.maximumMagnitude) + QLatin1Char('-') + magnitude(s.primaryMinimumMagnitude);
        secondary.cells << (s.secondaryMinimumMagnitude ? magnitude(*s.secondaryMinimumMagnitude) : QString());
        period.cells << locale.toString(s.elements.period, 'g', QLocale::FloatingPointShortest);
        duration.cells << (s.primaryEclipseHours ? listing::fixedNumber(*s.primaryEclipseHours, 1, locale)
                                                 : QString());
        source.cells << QString::fromStdString(s.elementsSource);
    }
    const QString text = AlgolMinima::tr("The stars that --star names, by any of their names (or all of them: "
                                         "--star all)")
        + QStringLiteral("\n\n")
        + listing::alignedColumns({star, names, aavso, range, secondary, period, duration, source});
    return text.toUtf8();
}

} // namespace cli
