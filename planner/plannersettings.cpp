#include "plannersettings.h"

#include "inputfiles.h"
#include "savedsite.h"
#include "plannertexts.h"
#include "savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace planner {

namespace {

// The JSON file is at most a few hundred bytes; anything much larger is not ours.
constexpr qint64 kLargestFile = 64 * 1024;
constexpr qsizetype kLongestPath = 4096;
constexpr double kLargestWindow = 20000;
// Copies of damaged files kept beside the settings, at most.
constexpr int kDamagedCopies = 20;

// A number of the object when it is one and lies in [lowest, highest].
std::optional<double> numberIn(const QJsonObject &object, const char *key, double lowest,
                               double highest)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || number < lowest || number > highest)
        return std::nullopt;
    return number;
}

void readBool(const QJsonObject &object, const char *key, bool &into)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isBool())
        into = value.toBool();
}

void readSite(const QJsonObject &object, PlannerSettings &settings)
{
    // algol-minima reads the same object, with the same function.
    const auto saved = listing::savedSiteOf(object);
    if (!saved)
        return;
    settings.hasSite = true;
    settings.site = saved->site;
    settings.placeName = saved->name;
    settings.zoneId = saved->zoneId;
}

// The numbers of custom elements within their ranges; those out of them or missing left as given.
void readCustom(const QJsonObject &object, CustomNumbers &numbers)
{
    if (const auto epoch = numberIn(object, "epoch", 2000000, 2600000))
        numbers.epoch = *epoch;
    if (const auto period = numberIn(object, "period", 0.5, kLongestCustomPeriod))
        numbers.period = *period;
    const QString reference = object.value(QLatin1String("reference")).toString();
    if (reference == QLatin1String("jd") || reference == QLatin1String("hjd"))
        numbers.heliocentric = reference == QLatin1String("hjd");
}

void readElements(const QJsonObject &object, ElementsChoice &choice)
{
    const QString set = object.value(QLatin1String("set")).toString();
    if (set == QLatin1String("classic"))
        choice.source = ElementsSource::Classic;
    else if (set == QLatin1String("custom"))
        choice.source = ElementsSource::Custom;
    else if (set == QLatin1String("file"))
        choice.source = ElementsSource::File;
    CustomNumbers own{choice.customEpoch, choice.customPeriod, choice.customHeliocentric};
    readCustom(object, own);
    choice.customEpoch = own.epoch;
    choice.customPeriod = own.period;
    choice.customHeliocentric = own.heliocentric;
    choice.file = object.value(QLatin1String("file")).toString().left(kLongestPath);
    const QJsonObject others = object.value(QLatin1String("otherStars")).toObject();
    for (auto it = others.begin(); it != others.end(); ++it) {
        const sky::Star *star = sky::findStar(it.key().toStdString());
        CustomNumbers numbers{0, 0, true};
        readCustom(it.value().toObject(), numbers);
        if (star && numbers.epoch > 0 && numbers.period > 0)
            choice.otherStars.insert(QString::fromStdString(star->aavsoName), numbers);
    }
}

QJsonObject customObject(const CustomNumbers &numbers)
{
    return {{QLatin1String("epoch"), numbers.epoch},
            {QLatin1String("period"), numbers.period},
            {QLatin1String("reference"), numbers.heliocentric ? "hjd" : "jd"}};
}

void readWindow(const QJsonObject &object, PlannerSettings &settings)
{
    const auto width = numberIn(object, "width", 200, kLargestWindow);
    const auto height = numberIn(object, "height", 150, kLargestWindow);
    if (width && height)
        settings.windowSize = QSize(int(*width), int(*height));
    readBool(object, "maximized", settings.maximized);
    const QJsonArray sizes = object.value(QLatin1String("splitter")).toArray();
    QList<int> splitter;
    for (const QJsonValue &size : sizes)
        if (size.isDouble() && size.toDouble() >= 0 && size.toDouble() <= kLargestWindow)
            splitter.append(int(size.toDouble()));
    if (splitter.size() == 2)
        settings.splitterSizes = splitter;
}

// "auto", "kvw", "template", as the command line names the methods.
QString methodKey(timing::Method method)
{
    const std::string_view name = timing::methodName(method);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// A code or an ID: capitals and digits, at most longest of them; otherwise nothing.
QString codeIn(const QJsonObject &object, const char *key, int longest)
{
    const QString text = object.value(QLatin1String(key)).toString().trimmed().toUpper();
    if (text.size() > longest)
        return {};
    for (const QChar c : text)
        if (!((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))))
            return {};
    return text;
}

void readObserver(const QJsonObject &object, PlannerSettings &settings)
{
    settings.observerCode = codeIn(object, "code", kLongestCode);
    settings.chartId = codeIn(object, "chart", kLongestChartId);
    // One line of text.
    settings.instrument = object.value(QLatin1String("instrument")).toString().simplified().left(kLongestInstrument);
}

void readTiming(const QJsonObject &object, timing::TimingOptions &options)
{
    const QString method = object.value(QLatin1String("method")).toString();
    for (const timing::Method m : {timing::Method::Auto, timing::Method::KweeVanWoerden, timing::Method::Template})
        if (method == methodKey(m))
            options.method = m;
    const int folds = int(numberIn(object, "folds", 3, 7).value_or(0));
    if (folds == 3 || folds == 5 || folds == 7)
        options.folds = folds;
    options.windowHours = numberIn(object, "window", kShortestTimingWindow, kLongestTimingWindow).value_or(options.windowHours);
    if (const auto noise = numberIn(object, "noise", 0, 1e6); noise && *noise > 0)
        options.noise = *noise;
}

QString setName(ElementsSource source)
{
    switch (source) {
    case ElementsSource::Classic:
        return QStringLiteral("classic");
    case ElementsSource::Custom:
        return QStringLiteral("custom");
    case ElementsSource::File:
        return QStringLiteral("file");
    case ElementsSource::Current:
        break;
    }
    return QStringLiteral("current");
}

} // namespace

std::optional<sky::ElementSet> elementSetOf(const ElementsChoice &choice, const sky::Star &star, QString *error)
{
    const bool algol = &star == &sky::algolStar();
    switch (choice.source) {
    case ElementsSource::Current:
        return sky::catalogueElements(star);
    case ElementsSource::Classic:
        return algol ? sky::classicElements() : sky::catalogueElements(star);
    case ElementsSource::File: {
        const auto read = listing::readElements(choice.file);
        if (const auto *set = std::get_if<sky::ElementSet>(&read))
            return *set;
        if (error)
            *error = std::get<QString>(read);
        return std::nullopt;
    }
    case ElementsSource::Custom:
        break;
    }
    // The same checks as the command line's EPOCH:PERIOD[:hjd|jd].
    const QString text = QStringLiteral("%1:%2:%3")
                             .arg(choice.customEpoch, 0, 'g', 17)
                             .arg(choice.customPeriod, 0, 'g', 17)
                             .arg(choice.customHeliocentric ? "hjd" : "jd");
    return sky::parseElementSet(text.toStdString(), star);
}

PlannerSettings readSettings(const QString &path, QString *damage)
{
    PlannerSettings settings;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return settings; // a first start
    const auto read = listing::readInput(path);
    QString problem;
    QJsonObject root;
    if (const auto *error = std::get_if<QString>(&read)) {
        problem = *error;
    } else if (const QByteArray &bytes = std::get<QByteArray>(read); bytes.size() > kLargestFile) {
        problem = AlgolPlanner::tr("%1 is larger than 64 KB").arg(listing::visible(path));
    } else {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
        if (error.error != QJsonParseError::NoError) {
            const int line = int(bytes.left(error.offset).count('\n')) + 1;
            problem = AlgolPlanner::tr("%1:%2: %3").arg(listing::visible(path)).arg(line).arg(error.errorString());
        } else if (!document.isObject()) {
            problem = AlgolPlanner::tr("%1 holds no JSON object").arg(listing::visible(path));
        }
        root = document.object();
    }
    if (damage)
        *damage = problem;
    if (const sky::Star *star = sky::findStar(root.value(QLatin1String("star")).toString().toStdString()))
        settings.star = star;
    readSite(root.value(QLatin1String("site")).toObject(), settings);
    readElements(root.value(QLatin1String("elements")).toObject(), settings.elements);
    const QJsonObject conditions = root.value(QLatin1String("conditions")).toObject();
    settings.conditions.minAlgolAltitudeDeg =
        numberIn(conditions, "lowestAlgolAltitude", -90, 90).value_or(settings.conditions.minAlgolAltitudeDeg);
    settings.conditions.maxSunAltitudeDeg =
        numberIn(conditions, "highestSunAltitude", -90, 90).value_or(settings.conditions.maxSunAltitudeDeg);
    const int days = int(numberIn(root, "days", 1, 365).value_or(0));
    if (std::find(std::begin(kPeriodChoices), std::end(kPeriodChoices), days) != std::end(kPeriodChoices))
        settings.days = days;
    readBool(root, "onlyWatchable", settings.onlyWatchable);
    readBool(root, "halfHourRounding", settings.halfHourRounding);
    readObserver(root.value(QLatin1String("observer")).toObject(), settings);
    readTiming(root.value(QLatin1String("timing")).toObject(), settings.timing);
    readWindow(root.value(QLatin1String("window")).toObject(), settings);
    settings.folder = root.value(QLatin1String("folder")).toString().left(kLongestPath);
    return settings;
}

QByteArray settingsText(const PlannerSettings &settings)
{
    QJsonObject root;
    root.insert(QLatin1String("star"), QString::fromStdString(settings.star->aavsoName));
    if (settings.hasSite) {
        root.insert(QLatin1String("site"), QJsonObject{
            {QLatin1String("name"), settings.placeName},
            {QLatin1String("latitude"), settings.site.latitudeDeg},
            {QLatin1String("longitude"), settings.site.longitudeDeg},
            {QLatin1String("height"), settings.site.heightM},
            {QLatin1String("zone"), settings.zoneId}});
    }
    const ElementsChoice &elements = settings.elements;
    QJsonObject elementsObject =
        customObject({elements.customEpoch, elements.customPeriod, elements.customHeliocentric});
    elementsObject.insert(QLatin1String("set"), setName(elements.source));
    elementsObject.insert(QLatin1String("file"), elements.file);
    if (!elements.otherStars.isEmpty()) {
        QJsonObject others;
        for (auto it = elements.otherStars.begin(); it != elements.otherStars.end(); ++it)
            others.insert(it.key(), customObject(it.value()));
        elementsObject.insert(QLatin1String("otherStars"), others);
    }
    root.insert(QLatin1String("elements"), elementsObject);
    root.insert(QLatin1String("conditions"), QJsonObject{
        {QLatin1String("lowestAlgolAltitude"), settings.conditions.minAlgolAltitudeDeg},
        {QLatin1String("highestSunAltitude"), settings.conditions.maxSunAltitudeDeg}});
    root.insert(QLatin1String("days"), settings.days);
    root.insert(QLatin1String("onlyWatchable"), settings.onlyWatchable);
    root.insert(QLatin1String("halfHourRounding"), settings.halfHourRounding);
    root.insert(QLatin1String("observer"), QJsonObject{
        {QLatin1String("code"), settings.observerCode},
        {QLatin1String("chart"), settings.chartId},
        {QLatin1String("instrument"), settings.instrument}});
    const timing::TimingOptions &t = settings.timing;
    QJsonObject timingObject{
        {QLatin1String("method"), methodKey(t.method)},
        {QLatin1String("folds"), t.folds},
        {QLatin1String("window"), t.windowHours}};
    if (t.noise)
        timingObject.insert(QLatin1String("noise"), *t.noise);
    root.insert(QLatin1String("timing"), timingObject);
    if (settings.windowSize.isValid()) {
        QJsonObject window{{QLatin1String("width"), settings.windowSize.width()},
                           {QLatin1String("height"), settings.windowSize.height()},
                           {QLatin1String("maximized"), settings.maximized}};
        if (settings.splitterSizes.size() == 2)
            window.insert(QLatin1String("splitter"), QJsonArray{settings.splitterSizes[0], settings.splitterSizes[1]});
        root.insert(QLatin1String("window"), window);
    }
    if (!settings.folder.isEmpty())
        root.insert(QLatin1String("folder"), settings.folder);
    return QJsonDocument(root).toJson();
}

bool writeSettings(const QString &path, const PlannerSettings &settings, QString *reason)
{
    const QByteArray bytes = settingsText(settings);
    // The configuration folder itself may not exist yet on a new account.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return listing::saveWhole(
        path, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); }, reason);
}

QString keepDamagedFile(const QString &path, QString *reason)
{
    const auto read = listing::readInput(path);
    if (const auto *error = std::get_if<QString>(&read)) {
        if (reason)
            *reason = *error;
        return {};
    }
    const QByteArray &bytes = std::get<QByteArray>(read);
    for (int n = 1; n <= kDamagedCopies; ++n) {
        const QString copy = path + (n == 1 ? QStringLiteral(".bad") : QStringLiteral(".bad.%1").arg(n));
        const QFileInfo info(copy);
        if (info.exists() || info.isSymLink()) {
            const auto kept = listing::readInput(copy);
            if (const auto *old = std::get_if<QByteArray>(&kept); old && *old == bytes)
                return copy; // already kept
            continue;
        }
        if (listing::saveWhole(copy, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); }, reason))
            return copy;
        return {};
    }
    if (reason)
        *reason = AlgolPlanner::tr("%1 damaged copies are already kept").arg(kDamagedCopies);
    return {};
}

QString defaultSettingsPath()
{
    return listing::plannerSettingsPath();
}

} // namespace planner
