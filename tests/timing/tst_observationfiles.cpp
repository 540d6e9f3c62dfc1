// The readers of observation files, through readObservations: every format with its awkward
// cases, the names of Algol, and bytes that are no file at all. The files follow the AAVSO's
// published descriptions of the Extended and Visual formats and of its data download.

#include "observations.h"
#include "starcatalogue.h"

#include <QTest>

using namespace timing;

namespace {

struct FileRow
{
    std::string text;
    PlainColumns plain;
    FileFormat format;
    int observations;
    std::string problems; // "line:error ..." with the LineError's number
    long long fainterThan;
    long long otherStars;
    // The last observation read.
    double time;
    sky::DateScale scale;
    double value;
    double error;
    std::string observer;
    std::string band;
};

QString problemsOf(const ObservationFile &file)
{
    QStringList problems;
    for (const LineProblem &p : file.problems)
        problems << QStringLiteral("%1:%2").arg(p.line).arg(int(p.error));
    return problems.join(' ');
}

QString problem(long long line, LineError error)
{
    return QStringLiteral("%1:%2").arg(line).arg(int(error));
}

constexpr auto kJd = sky::DateScale::JulianDayUtc;
constexpr auto kHjd = sky::DateScale::HeliocentricUtc;
constexpr auto kBjd = sky::DateScale::BarycentricTdb;

} // namespace

Q_DECLARE_METATYPE(FileRow)

class TestObservationFiles : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void algolNames_data();
    void algolNames();
    void anyBytes();
};

void TestObservationFiles::read_data()
{
    QTest::addColumn<FileRow>("row");
    const int tooFew = int(LineError::TooFewFields);
    const int noTime = int(LineError::UnreadableTime);
    const int early = int(LineError::TimeOutOfRange);
    const int noValue = int(LineError::UnreadableValue);
    const int badError = int(LineError::UnreadableError);
    const int noDate = int(LineError::UnknownDateType);
    const int noDelimiter = int(LineError::UnknownDelimiter);

    QTest::newRow("Extended, the AAVSO's example") << FileRow{
        "#TYPE=EXTENDED\n#OBSCODE=TST01\n#SOFTWARE=VPHOT\n#DELIM=,\n#DATE=JD\n#OBSTYPE=CCD\n"
        "#NAME,DATE,MAG,MERR,FILT,TRANS,MTYPE,CNAME,CMAG,KNAME,KMAG,AMASS,GROUP,CHART,NOTES\n"
        "SS CYG,2450702.1234,11.235,0.003,B,NO,STD,105,10.593,110,11.090,1.561,1,070613,na\n"
        "BET PER,2459840.5,2.1,0.01,V,NO,STD,ENSEMBLE,na,na,na,1.2,na,X1,na\n",
        {}, FileFormat::AavsoExtended, 1, "", 0, 1, 2459840.5, kJd, 2.1, 0.01, "TST01", "V"};
    QTest::newRow("Extended, keys in any case, tab, AIRMASS, columns moved, na error")
        << FileRow{"#type=Extended\r\n#obscode=ABC\r\n#delim=tab\r\n#date=hjd\r\n"
                   "#NAME\tMAG\tDATE\tFILT\tAIRMASS\r\nAlgol\t2.5\t2459840.5\tV\t1.1\r\n"
                   "Algol\t2.6\t2459840.51\tTG\t1.1\r\nAlgol\tna\t2459840.52\tV\t1.1\r\n",
                   {}, FileFormat::AavsoExtended, 2, "8:" + std::to_string(noValue), 0, 0,
                   2459840.51, kHjd, 2.6, 0, "ABC", "TG"};
    QTest::newRow("Extended, #DATE and #OBSCODE change, an unknown #DATE, EXCEL days")
        << FileRow{"#TYPE=EXTENDED\n#DATE=JD\nbet Per,2459840.5,2.1,na,V\n#OBSCODE=XYZ\n"
                   "#DATE=UTC\nbet Per,2459840.6,2.2,na,V\n#DATE=EXCEL\nbet Per,44822.5,2.3,0.02,V\n",
                   {}, FileFormat::AavsoExtended, 2,
                   "5:" + std::to_string(noDate) + " 6:" + std::to_string(noDate), 0, 0,
                   2459841.0, kJd, 2.3, 0.02, "XYZ", "V"};
    QTest::newRow("Extended, a delimiter that is no character, few fields")
        << FileRow{"#TYPE=EXTENDED\n#DELIM=semicolon\n#DELIM=;\nAlgol;2459840.5;2.1;0.01;V\n"
                   "Algol;2459840.6\n",
                   {}, FileFormat::AavsoExtended, 1,
                   "2:" + std::to_string(noDelimiter) + " 5:" + std::to_string(tooFew), 0, 0,
                   2459840.5, kJd, 2.1, 0.01, "", "V"};
    QTest::newRow("Visual, fainter-than estimates skipped and counted") << FileRow{
        "#TYPE=VISUAL\n#OBSCODE=VIS1\n#SOFTWARE=WordPad\n#DELIM=,\n#DATE=JD\n"
        "#NAME,DATE,MAG,COMMENTCODE,COMP1,COMP2,CHART,NOTES\n"
        "beta Per,2459840.50,<3.1,na,31,35,X1,cloud\nbeta Per,2459840.51,3.2,na,31,35,X1,na\n"
        "SS CYG,2459840.51,11.2,na,110,113,070613,na\n",
        {}, FileFormat::AavsoVisual, 1, "", 1, 1, 2459840.51, kJd, 3.2, 0, "VIS1", "Vis."};
    QTest::newRow("AAVSO download, quoted fields, a comma inside one") << FileRow{
        "\xEF\xBB\xBF\"JD\",\"Magnitude\",\"Uncertainty\",\"HQuncertainty\",\"Band\",\"Observer Code\","
        "\"Comment Code(s)\",\"Star Name\"\n"
        "\"2459840.5\",\"2.40\",\"\",\"\",\"Vis.\",\"ABC\",\"\",\"bet Per\"\n"
        "\"2459840.6\",\"<3.0\",\"\",\"\",\"Vis.\",\"ABC\",\"\",\"bet Per\"\n"
        "\"2459840.7\",\"2.55\",\"0.1\",\"\",\"V\",\"D, E\",\"\",\"bet Per\"\n"
        "\"2459840.7\",\"9.1\",\"\",\"\",\"V\",\"D\",\"\",\"rho Per\"\n",
        {}, FileFormat::AavsoDownload, 2, "", 1, 1, 2459840.7, kJd, 2.55, 0.1, "D, E", "V"};
    QTest::newRow("plain columns, blanks, tabs, commas, comments, BJD") << FileRow{
        "# time mag err\n2459840.50 2.40 0.01\n2459840.51\t2.41\n2459840.52, 2.42, 0.02 # last\n",
        {kBjd, false}, FileFormat::PlainColumns, 3, "", 0, 0, 2459840.52, kBjd, 2.42, 0.02, "", ""};
    QTest::newRow("plain columns, lines that cannot be read") << FileRow{
        "2459840.5 0.98\nJD flux\n2459840.6\n59840.7 0.97\n2459840.8 nan\n2459840.9 1 -0.1\n"
        "1e999 1\n2459841.0 1e7\n2459841.1 0.96 inf\n2459841.2 0.95\n",
        {kJd, true}, FileFormat::PlainColumns, 2,
        "2:" + std::to_string(noTime) + " 3:" + std::to_string(tooFew) + " 4:"
            + std::to_string(early) + " 5:" + std::to_string(noValue) + " 6:"
            + std::to_string(badError) + " 7:" + std::to_string(noTime) + " 8:"
            + std::to_string(int(LineError::ValueOutOfRange)) + " 9:" + std::to_string(badError),
        0, 0, 2459841.2, kJd, 0.95, 0, "", ""};
    // As a French spreadsheet saves its columns: decimal commas between tabs, ";" or blanks;
    // commas alone (or followed by a blank) still separate the columns.
    QTest::newRow("plain columns, decimal commas") << FileRow{
        "2461400,1;2,1\n2461400,11 2,11 0,01\n2461400.12,2.12\n2461400, 2\n"
        "2461400,18231\t2,088\t0,005\n",
        {}, FileFormat::PlainColumns, 5, "", 0, 0, 2461400.18231,
        kJd, 2.088, 0.005, "", ""};
}

void TestObservationFiles::read()
{
    QFETCH(FileRow, row);
    const ObservationFile file = readObservations(row.text, "observations.txt", row.plain);
    QCOMPARE(file.source, std::string("observations.txt"));
    QCOMPARE(file.format, row.format);
    QCOMPARE(file.flux, row.plain.flux);
    QCOMPARE(problemsOf(file), QString::fromStdString(row.problems));
    QCOMPARE(int(file.observations.size()), row.observations);
    QCOMPARE(file.fainterThan, row.fainterThan);
    QCOMPARE(file.otherStars, row.otherStars);
    const Observation &last = file.observations.back();
    QCOMPARE(last.time, row.time);
    QCOMPARE(last.scale, row.scale);
    QCOMPARE(last.value, row.value);
    QCOMPARE(last.error, row.error);
    QCOMPARE(last.observer, row.observer);
    QCOMPARE(last.band, row.band);
}

void TestObservationFiles::algolNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("algol");
    for (const char *name : {"Algol", "ALGOL", "bet Per", "BET PER", "betPer", "beta  Per",
                             "\xce\xb2 Per", "\xce\x92 PER", "HD 19356", "hd19356", "HR 936",
                             "HIP 14576", " hip\t14576 ", "BETA PERSEI", "beta Persei",
                             "Bet  Persei", "\xce\xb2 Persei"})
        QTest::addRow("%s", name) << QByteArray(name) << true;
    for (const char *name : {"", "rho Per", "bet Per A", "HD 1935", "HR 9360", "Algo", "Per",
                             "\xce\xb3 Per", "\xce", "rho Persei", "beta Perseus"})
        QTest::addRow("not \"%s\"", name) << QByteArray(name) << false;
}

void TestObservationFiles::algolNames()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, algol);
    QCOMPARE(sky::findStar(name.toStdString()) == &sky::algolStar(), algol);
}

// Bytes that no observer wrote: each reader reads what it can and reports the rest.
void TestObservationFiles::anyBytes()
{
    const std::string nul("2459840.5 2.1\n\0\0\xff\xfe 2459840.6 2.2\n2459840.7\0 2.3\n", 46);
    ObservationFile file = readObservations(nul, "nul");
    QCOMPARE(file.observations.size(), std::size_t(1));
    QCOMPARE(problemsOf(file), problem(2, LineError::UnreadableTime) + ' '
                                   + problem(3, LineError::UnreadableTime));

    const std::string huge = "#TYPE=EXTENDED\n#DELIM=,\nAlgol," + std::string(1 << 20, '9') + ",2\n"
        + "Algol,2459840.5," + std::string(1 << 20, '1') + "\n" + std::string(1 << 20, ',') + "\n";
    file = readObservations(huge, "huge");
    QVERIFY(file.observations.empty());
    QCOMPARE(file.otherStars, 1); // the line of commas names no star
    QCOMPARE(problemsOf(file), problem(3, LineError::UnreadableTime) + ' '
                                   + problem(4, LineError::UnreadableValue));
    for (const char *text : {"", "\n\n", "#", "\"", "\"JD\",\"Magnitude\"\n\"", "#TYPE=VISUAL\n,,,\n"})
        QVERIFY(readObservations(text, "short").observations.empty());
}

QTEST_APPLESS_MAIN(TestObservationFiles)
#include "tst_observationfiles.moc"
