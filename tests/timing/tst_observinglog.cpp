// The night's log in the timing library: the estimates a visual observer types, the log's text
// read back, and the AAVSO Visual file. Step estimates are worked by hand with Argelander's
// formula m = m_a + s1/(s1+s2) (m_b - m_a) on the chart's stars (ε Per 2.89, δ Per 3.01, γ¹ And
// 2.26, α Per 1.79, 41 Ari 3.63, κ Per 3.80); Julian Days of the UTC instants from python3's
// datetime (timestamp / 86400 + 2440587.5). The AAVSO Visual file follows the AAVSO's published
// description of the format (https://www.aavso.org/aavso-visual-file-format).

#include "observinglog.h"

#include "starcatalogue.h"

#include <QTest>

using namespace timing;

namespace {

const std::vector<ChartStar> kStars{{"α Per", 1.79}, {"γ¹ And", 2.26}, {"ε Per", 2.89},
                                    {"δ Per", 3.01}, {"41 Ari", 3.63}, {"κ Per", 3.80}};

LogEntry typed(double jd, const std::string &text, const std::string &codes = {}, const std::string &note = {})
{
    const EstimateReading reading = readEstimate(text, kStars);
    LogEntry entry = estimateEntry(jd, text, *reading.estimate);
    entry.codes = codes;
    entry.note = note;
    return entry;
}

} // namespace

class TestObservingLog : public QObject
{
    Q_OBJECT

private slots:
    void estimates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("magnitude");
        QTest::addColumn<QString>("comps");
        const int step = int(EstimateKind::Step);
        QTest::newRow("brighter first") << "ε Per 2 V 3 δ Per" << step << 2.938 << "29 30";
        QTest::newRow("fainter first") << "δ Per 3 V 2 ε Per" << step << 2.938 << "30 29";
        QTest::newRow("labels, one step each") << "29 1 V 1 30" << step << 2.95 << "29 30";
        QTest::newRow("decimal steps, superscript") << "γ¹ And 1.5 V 2.5 ε Per" << step << 2.49625 << "23 29";
        QTest::newRow("decimal commas, Latin, lower case") << "gam1 and 1,5 v 2,5 eps per" << step << 2.49625 << "23 29";
        QTest::newRow("spelled out") << "alpha Per 4 V 1 γ¹ And" << step << 2.166 << "18 23";
        QTest::newRow("no blanks") << "41Ari2V1kapPer" << step << 3.63 + 2.0 / 3 * 0.17 << "36 38";
        QTest::newRow("zero steps from the first") << "DEL PER 0 V 3 kap Per" << step << 3.01 << "30 38";
        QTest::newRow("Greek capital, label after") << "Δ Per 2 V 3 23" << step << 2.71 << "30 23";
        QTest::newRow("magnitude") << " 2.9 " << int(EstimateKind::Magnitude) << 2.9 << "";
        QTest::newRow("magnitude with a comma") << "2,9" << int(EstimateKind::Magnitude) << 2.9 << "";
        QTest::newRow("fainter than") << "< 3.5" << int(EstimateKind::FainterThan) << 3.5 << "";
    }
    void estimates()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(double, magnitude);
        QFETCH(QString, comps);
        const EstimateReading reading = readEstimate(text.toStdString(), kStars);
        QVERIFY2(reading.estimate, qPrintable(QString("error %1").arg(int(reading.error))));
        QCOMPARE(int(reading.estimate->kind), kind);
        QVERIFY2(std::fabs(reading.estimate->magnitude - magnitude) < 1e-12,
                 qPrintable(QString::number(reading.estimate->magnitude, 'g', 17)));
        QCOMPARE(QString::fromStdString(reading.estimate->comp1 + " " + reading.estimate->comp2).trimmed(), comps);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "  " << int(EstimateError::Empty) << "";
        QTest::newRow("words") << "bright" << int(EstimateError::Unreadable) << "";
        QTest::newRow("no second star") << "δ Per 2 V 3" << int(EstimateError::Unreadable) << "";
        QTest::newRow("no first star") << "2 V 3 ε Per" << int(EstimateError::Unreadable) << "";
        QTest::newRow("two commas") << "δ Per 1,2,3 V 3 ε Per" << int(EstimateError::Unreadable) << "";
        QTest::newRow("unknown first star") << "x 2 V 3 δ Per" << int(EstimateError::UnknownStar) << "x";
        QTest::newRow("unknown label") << "δ Per 2 V 3 31" << int(EstimateError::UnknownStar) << "31";
        QTest::newRow("the same star twice") << "δ Per 2 V 3 30" << int(EstimateError::SameStar) << "";
        QTest::newRow("steps of -1") << "δ Per -1 V 3 ε Per" << int(EstimateError::NegativeSteps) << "";
        QTest::newRow("both steps 0") << "δ Per 0 V 0 ε Per" << int(EstimateError::ZeroSteps) << "";
        QTest::newRow("21 steps") << "δ Per 21 V 3 ε Per" << int(EstimateError::TooManySteps) << "";
        QTest::newRow("a label as a magnitude") << "29" << int(EstimateError::MagnitudeOutOfRange) << "";
        QTest::newRow("negative magnitude") << "-0.5" << int(EstimateError::MagnitudeOutOfRange) << "";
        QTest::newRow("fainter than 7") << "<7" << int(EstimateError::MagnitudeOutOfRange) << "";
    }
    void refusals()
    {
        QFETCH(QString, text);
        QFETCH(int, error);
        QFETCH(QString, name);
        const EstimateReading reading = readEstimate(text.toStdString(), kStars);
        QVERIFY(!reading.estimate);
        QCOMPARE(int(reading.error), error);
        QCOMPARE(QString::fromStdString(reading.name), name);
    }

    // A fainter star's own limit (RZ Cas, 6.18 to 7.72: 10.3): its magnitudes are read, a slip
    // beyond the limit is still refused.
    void fainterStarsLimit()
    {
        QCOMPARE(readEstimate("7.2", kStars, 10.3).estimate->magnitude, 7.2);
        QCOMPARE(int(readEstimate("7.2", kStars).error), int(EstimateError::MagnitudeOutOfRange));
        QCOMPARE(int(readEstimate("<11", kStars, 10.3).error), int(EstimateError::MagnitudeOutOfRange));
    }

    void names()
    {
        QCOMPARE(latinStarName("δ Per"), std::string("del Per"));
        QCOMPARE(latinStarName("γ¹ And"), std::string("gam1 And"));
        QCOMPARE(latinStarName("41 Ari"), std::string("41 Ari"));
        QCOMPARE(aavsoLabel(3.01), std::string("30"));
        QCOMPARE(aavsoLabel(1.79), std::string("18"));
        QCOMPARE(aavsoLabel(2.25), std::string("23")); // 22.5 is exact in binary: away from zero
    }

    // Every kind of entry and awkward texts through the log's text and back, byte for byte.
    void logRoundTrip()
    {
        LogEntry imported;
        imported.kind = EntryKind::Imported;
        imported.jdUtc = 2461400.628819;
        imported.magnitude = 3.3125;
        imported.error = 0.012;
        imported.band = "V";
        imported.observer = "XYZ";
        imported.source = "camera, night 2.txt";
        const std::vector<LogEntry> entries{
            typed(2461400.375, "ε Per 2 V 3 δ Per", "BU", "haze, \"thin\""),
            typed(2461400.384479, "2.9"), typed(2461400.444444, "<3.5", "", "line 1\nline 2"), imported};
        const std::string text = logText(entries);
        QVERIFY(text.find("\n2461400.375000,2026-12-25 21:00:00,step,2.9380,ε Per 2 V 3 δ Per,29,30,BU,"
                          "\"haze, \"\"thin\"\"\",,0.0000,,\n") != std::string::npos);
        QVERIFY(text.find("\n2461400.628819,2026-12-26 03:05:30,imported,3.3125,,,,,,V,0.0120,XYZ,"
                          "\"camera, night 2.txt\"\n") != std::string::npos);
        const LogFile file = readLog(text);
        QVERIFY(file.hasHeader);
        QVERIFY(file.problems.empty());
        QCOMPARE(file.entries.size(), entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i)
            QVERIFY2(samePoint(file.entries[i], entries[i]), qPrintable(QString::number(i)));
        QCOMPARE(file.entries[0].note, entries[0].note);
        QCOMPARE(file.entries[2].note, std::string("line 1 line 2")); // the log is read line by line
        QCOMPARE(logText(file.entries), text);
    }

    // A log written by hand: columns in another order, a kind left out, lines that do not read.
    void forgivingLog()
    {
        const LogFile file = readLog("# mine\nMAG,JD,Estimate,Comp1\n2.95,2461400.4,29 1 V 1 30,29\n"
                                     "3.0,59840.4\n2.9,x\nna,2461400.5\n2.8\n\n3.1,2461400.6\n");
        QCOMPARE(file.entries.size(), std::size_t(2));
        QCOMPARE(file.entries[0].kind, EntryKind::Step);
        QCOMPARE(file.entries[1].kind, EntryKind::Imported);
        QCOMPARE(file.problems.size(), std::size_t(4));
        const LineError expected[] = {LineError::TimeOutOfRange, LineError::UnreadableTime,
                                      LineError::UnreadableValue, LineError::TooFewFields};
        for (std::size_t i = 0; i < 4; ++i) {
            QCOMPARE(file.problems[i].line, 4 + (long long)i);
            QCOMPARE(file.problems[i].error, expected[i]);
        }
        QVERIFY(!readLog("time,value\n2461400.4,2.9\n").hasHeader);
    }

    // A small night as the AAVSO receives it, and read back by the timing's own reader.
    void aavsoVisual()
    {
        LogEntry imported;
        imported.kind = EntryKind::Imported;
        imported.jdUtc = 2461400.4;
        imported.magnitude = 2.5;
        const std::vector<LogEntry> entries{typed(2461400.384479, "ε Per 2 V 3 δ Per", "BL", "haze, low"),
                                            imported, typed(2461400.444444, "3.1", "", "élan"),
                                            typed(2461400.521007, "<3.5")};
        const std::string text = aavsoVisualText(entries, {"ABC", "X28475AB", "algol-planner 1.1.0"});
        QCOMPARE(text, std::string("#TYPE=Visual\n#OBSCODE=ABC\n#SOFTWARE=algol-planner 1.1.0\n#DELIM=,\n"
                                   "#DATE=JD\n#OBSTYPE=Visual\n#NAME,DATE,MAG,COMMENTCODE,COMP1,COMP2,CHART,NOTES\n"
                                   "BET PER,2461400.3845,2.9,BL,29,30,X28475AB,eps Per 2 V 3 del Per; haze; low\n"
                                   "BET PER,2461400.4444,3.1,na,na,na,X28475AB,?lan\n"
                                   "BET PER,2461400.5210,<3.5,na,na,na,X28475AB,na\n"));
        const ObservationFile file = readObservations(text, "night.txt");
        QCOMPARE(file.format, FileFormat::AavsoVisual);
        QVERIFY(file.problems.empty());
        QCOMPARE(file.fainterThan, 1);
        QCOMPARE(file.observations.size(), std::size_t(2));
        QCOMPARE(file.observations[0].time, 2461400.3845);
        QCOMPARE(file.observations[0].value, 2.9);
        QCOMPARE(file.observations[1].time, 2461400.4444);
        QCOMPARE(file.observations[1].value, 3.1);
        QCOMPARE(file.observations[1].observer, std::string("ABC"));
        QCOMPARE(file.observations[1].band, std::string("Vis."));
        // Another star's estimates under its AAVSO name, which the reader knows as that star.
        const std::string lambda = aavsoVisualText(entries, {"ABC", "na", "x"}, *sky::findStar("lam Tau"));
        QVERIFY(lambda.find("\nLAM TAU,2461400.3845,2.9,BL,") != std::string::npos);
        QVERIFY(lambda.find("BET PER") == std::string::npos);
        QCOMPARE(readObservations(lambda, "night.txt").star, sky::findStar("lam Tau"));
    }

    void observations()
    {
        LogEntry imported;
        imported.kind = EntryKind::Imported;
        imported.jdUtc = 2461400.4;
        imported.magnitude = 2.5;
        imported.error = 0.01;
        imported.band = "V";
        imported.observer = "CAM";
        const auto points = observationsOf({typed(2461400.38, "2.9"), typed(2461400.39, "<3.5"), imported}, "ABC");
        QCOMPARE(points.size(), std::size_t(2));
        QCOMPARE(points[0].observer + points[0].band, std::string("ABCVis."));
        QCOMPARE(points[1].observer + points[1].band, std::string("CAMV"));
        QCOMPARE(points[1].error, 0.01);
    }
};

QTEST_APPLESS_MAIN(TestObservingLog)
#include "tst_observinglog.moc"
