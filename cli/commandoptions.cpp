// The options of algol-minima's commands: time FILE... and fit TIMINGS.csv.

#include "datafolder.h"
#include "inputfiles.h"
#include "optionreaders.h"
#include "starcatalogue.h"
#include "texts.h"

#include <QCoreApplication>

namespace cli::detail {

namespace {

// What both commands take; each adds its options after --help.
struct CommandParser
{
    QCommandLineParser parser;
    QCommandLineOption help{{"h", "help"}, AlgolMinima::tr("Show this help and exit.")};
    QCommandLineOption format{"format", AlgolMinima::tr("Output format: table (default), csv or json."), "FORMAT"};

    explicit CommandParser(const QString &description)
    {
        parser.setApplicationDescription(wrapped(description, 79));
        parser.addOption(help);
    }

    // Parses, and says whether to go on: not after an error or a request for help.
    std::optional<ParsedCommandLine> parse(const QStringList &arguments, Command command)
    {
        if (!parser.parse(arguments))
            return UsageError{parseError(parser, arguments, command == Command::Time ? QStringLiteral("time")
                                                                                    : QStringLiteral("fit"))};
        if (parser.isSet(help))
            return ShowHelp{command};
        return std::nullopt;
    }
};

struct TimeParser : CommandParser
{
    QCommandLineOption star{"star", AlgolMinima::tr("The star observed, by any of its names (default: the first of the catalogue that the files name, else Algol)."), "NAME"};
    QCommandLineOption elements{"elements", AlgolMinima::tr("Elements that predict the minima and give the O-C: current (default), classic, EPOCH:PERIOD[:hjd|jd], or an elements file written by fit."), "SET"};
    QCommandLineOption window{"window", AlgolMinima::tr("Time the points within this many hours of a predicted minimum (default: half the star's eclipse, rounded up: 5 for Algol)."), "HOURS"};
    QCommandLineOption method{"method", AlgolMinima::tr("kvw (Kwee and van Woerden), template (the star's eclipse fitted) or auto (default: kvw for evenly sampled photometry, template otherwise)."), "METHOD"};
    QCommandLineOption folds{"folds", AlgolMinima::tr("Kwee and van Woerden's trial times: 3, 5 (default) or 7."), "N"};
    QCommandLineOption noise{"noise", AlgolMinima::tr("One point's noise in the values' unit, for Kwee and van Woerden (default: estimated)."), "VALUE"};
    QCommandLineOption timeScale{"time-scale", AlgolMinima::tr("Times of plain columns: jd (default, on UTC), hjd (on UTC) or bjd (on TDB)."), "SCALE"};
    QCommandLineOption flux{"flux", AlgolMinima::tr("The values of plain columns are fluxes, not magnitudes.")};
    QCommandLineOption append{"append", AlgolMinima::tr("Add the timings to this timings file, made when missing."), "TIMINGS.csv"};
    QCommandLineOption output{{"o", "output"}, AlgolMinima::tr("Write to FILE instead of the standard output."), "FILE"};

    TimeParser()
        : CommandParser(AlgolMinima::tr(
            "Times the minima of Algol, or of another star of the catalogue, observed in files of "
            "observations (AAVSO Extended or Visual files, the AAVSO data download, or plain columns "
            "of time, value and error): the points of each predicted minimum are timed by Kwee and "
            "van Woerden's method or by fitting the star's eclipse, with the error, and compared with "
            "the elements (O-C)."))
    {
        parser.addOptions({star, elements, window, method, folds, noise, timeScale, flux, format, append,
                           output});
        parser.addPositionalArgument(QStringLiteral("FILE"), AlgolMinima::tr("Files of observations."),
                                     QStringLiteral("FILE..."));
    }
};

struct FitParser : CommandParser
{
    QCommandLineOption star{"star", AlgolMinima::tr("Fit this star's timings, leaving out the others' (default: the one star of the timings)."), "NAME"};
    QCommandLineOption elements{"elements", AlgolMinima::tr("Elements to start from, which count the cycles: current (default), classic, EPOCH:PERIOD[:hjd|jd], or an elements file."), "SET"};
    QCommandLineOption reject{"reject", AlgolMinima::tr("Leave out the timings beyond 3 sigma, and name them.")};
    QCommandLineOption output{{"o", "output"}, AlgolMinima::tr("Write the fitted elements to this elements file."), "FILE"};

    FitParser()
        : CommandParser(AlgolMinima::tr(
            "Fits linear elements (Min I = epoch + period E) to the times of minimum of a timings "
            "file by weighted least squares, shows their errors and the residuals, and writes them "
            "to an elements file that --elements then uses."))
    {
        parser.addOptions({star, elements, reject, format, output});
        parser.addPositionalArgument(QStringLiteral("TIMINGS.csv"),
                                     AlgolMinima::tr("The timings file, as time --append writes it, or any CSV file of times of minimum (default: %1).")
                                         .arg(listing::defaultTimingsPath()),
                                     QStringLiteral("[TIMINGS.csv]"));
    }
};

timing::Method readMethod(const QCommandLineParser &parser, const QString &option)
{
    const QString name = parser.value(option).trimmed().toLower();
    for (const timing::Method method :
         {timing::Method::KweeVanWoerden, timing::Method::Template, timing::Method::Auto}) {
        if (name == QLatin1String(timing::methodName(method)))
            return method;
    }
    refuse(option, AlgolMinima::tr("unknown method \"%1\" (kvw, template or auto)").arg(listing::visible(parser.value(option))));
}

sky::DateScale readTimeScale(const QCommandLineParser &parser, const QString &option)
{
    const QString name = parser.value(option).trimmed().toLower();
    if (name == QLatin1String("jd"))
        return sky::DateScale::JulianDayUtc;
    if (name == QLatin1String("hjd"))
        return sky::DateScale::HeliocentricUtc;
    if (name == QLatin1String("bjd"))
        return sky::DateScale::BarycentricTdb;
    refuse(option, AlgolMinima::tr("unknown time scale \"%1\" (jd, hjd or bjd)").arg(listing::visible(parser.value(option))));
}

// A file written whole needs a name: "-" would be the standard output.
QString readNamedFile(const QCommandLineParser &parser, const QString &option)
{
    const QString name = readFileName(parser, option);
    if (name == QLatin1String("-"))
        refuse(option, AlgolMinima::tr("a file name is needed, not -"));
    return name;
}

TimeOptions readTimeOptions(const TimeParser &p)
{
    const QCommandLineParser &parser = p.parser;
    TimeOptions options;
    options.files = parser.positionalArguments();
    if (options.files.isEmpty())
        throw Refusal{AlgolMinima::tr("time: no file of observations given")};
    for (const QString &file : std::as_const(options.files)) {
        if (file.isEmpty())
            throw Refusal{AlgolMinima::tr("time: a file name is empty")};
    }
    if (parser.isSet(p.star))
        options.star = readStar(parser, QStringLiteral("star"), false);
    readElements(parser, QStringLiteral("elements"), &options.elements, &options.elementsFile,
                 options.star ? *options.star : sky::algolStar());
    options.windowGiven = parser.isSet(p.window);
    if (options.windowGiven)
        options.timing.windowHours = readNumber(parser, QStringLiteral("window"), 0.5, 24,
            QT_TRANSLATE_NOOP("AlgolMinima", "the window is a number of hours from %1 to %2, not \"%3\""));
    if (parser.isSet(p.method))
        options.timing.method = readMethod(parser, QStringLiteral("method"));
    if (parser.isSet(p.folds)) {
        const QString text = parser.value(p.folds).trimmed();
        if (text != QLatin1String("3") && text != QLatin1String("5") && text != QLatin1String("7"))
            refuse(QStringLiteral("folds"), AlgolMinima::tr("the trial times are 3, 5 or 7, not \"%1\"").arg(listing::visible(parser.value(p.folds))));
        options.timing.folds = text.toInt();
    }
    if (parser.isSet(p.noise)) {
        bool ok = false;
        const double noise = parser.value(p.noise).trimmed().toDouble(&ok);
        // As large as a value may be in a file.
        if (!ok || !(noise > 0 && noise <= 1e6))
            refuse(QStringLiteral("noise"), AlgolMinima::tr("the noise is a number above 0 in the values' unit, not \"%1\"")
                                                .arg(listing::visible(parser.value(p.noise))));
        options.timing.noise = noise;
    }
    if (parser.isSet(p.timeScale))
        options.plain.scale = readTimeScale(parser, QStringLiteral("time-scale"));
    options.plain.flux = parser.isSet(p.flux);
    if (parser.isSet(p.format))
        options.format = readFormat(parser, QStringLiteral("format"), false);
    if (parser.isSet(p.append)) {
        options.append = readNamedFile(parser, QStringLiteral("append"));
        refuseSameFile(QStringLiteral("append"), options.append, options.files + QStringList{options.elementsFile});
    }
    if (parser.isSet(p.output)) {
        options.output = readFileName(parser, QStringLiteral("output"));
        refuseSameFile(QStringLiteral("output"), options.output,
                       options.files + QStringList{options.elementsFile, options.append});
    }
    return options;
}

FitOptions readFitOptions(const FitParser &p)
{
    const QCommandLineParser &parser = p.parser;
    FitOptions options;
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        throw Refusal{AlgolMinima::tr("fit: one timings file, not %1").arg(files.size())};
    if (!files.isEmpty() && files.first().isEmpty())
        throw Refusal{AlgolMinima::tr("fit: the timings file's name is empty")};
    options.timings = files.isEmpty() ? listing::defaultTimingsPath() : files.first();
    if (parser.isSet(p.star))
        options.star = readStar(parser, QStringLiteral("star"), false);
    readElements(parser, QStringLiteral("elements"), &options.elements, &options.elementsFile,
                 options.star ? *options.star : sky::algolStar());
    options.reject = parser.isSet(p.reject);
    if (parser.isSet(p.format))
        options.format = readFormat(parser, QStringLiteral("format"), false);
    if (parser.isSet(p.output)) {
        options.output = readNamedFile(parser, QStringLiteral("output"));
        // The elements started from may be replaced: they are read first.
        refuseSameFile(QStringLiteral("output"), options.output, {options.timings});
    }
    return options;
}

} // namespace

ParsedCommandLine parseTime(const QStringList &arguments)
{
    TimeParser p;
    if (auto done = p.parse(arguments, Command::Time))
        return *done;
    try {
        return readTimeOptions(p);
    } catch (const Refusal &refusal) {
        return UsageError{refusal.message};
    }
}

ParsedCommandLine parseFit(const QStringList &arguments)
{
    FitParser p;
    if (auto done = p.parse(arguments, Command::Fit))
        return *done;
    try {
        return readFitOptions(p);
    } catch (const Refusal &refusal) {
        return UsageError{refusal.message};
    }
}

QString timeHelpText()
{
    return commandHelpText(TimeParser().parser, QStringLiteral("algol-minima time [options] FILE..."));
}

QString fitHelpText()
{
    return commandHelpText(FitParser().parser, QStringLiteral("algol-minima fit [options] [TIMINGS.csv]"));
}

} // namespace cli::detail
