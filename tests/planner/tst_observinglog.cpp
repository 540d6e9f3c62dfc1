// The night's observing log as an observer meets it, through the panel's fields and keys, at a
// fixed instant (25 December 2026, 22:00 in Paris): what the table shows and the night's file
// holds, refusals that change nothing, delete and undo, edit, import and export; then the store
// killed with SIGKILL while it writes. Julian Days of the UTC instants from python3's datetime
// (timestamp / 86400 + 2440587.5); magnitudes of step estimates by hand with Argelander's formula.

#include "clock.h"
#include "observinglog.h"
#include "observinglogpanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace planner;

namespace {

const QTimeZone kParis("Europe/Paris");
const QDate kEvening(2026, 12, 25);

template <class T> T *control(QWidget *panel, const QString &accessibleName)
{
    for (T *child : panel->findChildren<T *>())
        if (child->accessibleName() == accessibleName)
            return child;
    qFatal("no control named %s", qPrintable(accessibleName));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

timing::LogFile logIn(const QString &path)
{
    const QByteArray bytes = fileBytes(path);
    return timing::readLog({bytes.constData(), std::size_t(bytes.size())});
}

} // namespace

class TestObservingLogPanel : public QObject
{
    Q_OBJECT

    toolkit::ManualClock m_clock{QDateTime(kEvening, QTime(22, 0), kParis)};

    std::unique_ptr<ObservingLogPanel> open(const QString &folder)
    {
        m_clock.setNow(QDateTime(kEvening, QTime(22, 0), kParis));
        auto panel = std::make_unique<ObservingLogPanel>(m_clock, folder);
        panel->setComparisonStars(comparisonStars());
        panel->setNight({kEvening, QDateTime(kEvening, QTime(15, 0), kParis),
                         QDateTime(kEvening.addDays(1), QTime(9, 0), kParis), kParis});
        panel->resize(683, 420);
        panel->show();
        panel->activateWindow(); // for the keys' shortcuts
        if (!QTest::qWaitForWindowActive(panel.get()))
            qWarning("the panel's window is not active");
        return panel;
    }

    // Types a time (or Ctrl+T, or nothing for now), an estimate and Enter.
    void type(QWidget *panel, const QString &time, const QString &estimate)
    {
        if (time == QLatin1String("Ctrl+T")) {
            QTest::keyClick(control<QLineEdit>(panel, "Estimate"), Qt::Key_T, Qt::ControlModifier);
            m_clock.advanceMilliseconds(90 * 1000); // the stamp, not the time of Enter
        } else
            QTest::keyClicks(control<QLineEdit>(panel, "Time of the estimate"), time);
        QTest::keyClicks(control<QLineEdit>(panel, "Estimate"), estimate);
        QTest::keyClick(control<QLineEdit>(panel, "Estimate"), Qt::Key_Return);
    }

    static QString cell(QWidget *panel, int row, int column)
    {
        return control<QTableWidget>(panel, "Estimates of the night")->item(row, column)->text();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void add_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("estimate");
        QTest::addColumn<QString>("shownTime");
        QTest::addColumn<QString>("magnitude");
        QTest::addColumn<QString>("comparison");
        QTest::addColumn<double>("jdUtc");
        // 21:00:00 UTC; 29 and 30 are ε Per 2.89 and δ Per 3.01: 2.89 + 2/5 0.12 = 2.938.
        QTest::newRow("stamped by Ctrl+T, labels") << "Ctrl+T" << "29 2 V 3 30" << "22:00:00" << "2.94" << "29, 30" << 2461400.375;
        QTest::newRow("now, fainter than") << "" << "<3.5" << "22:00:00" << "<3.5" << "" << 2461400.375;
        QTest::newRow("after midnight") << "01:30:15" << "2.9" << "01:30:15" << "2.90" << "" << 2461400.521007;
        QTest::newRow("Latin names") << "22:13:39" << "eps per 2 v 3 del per" << "22:13:39" << "2.94" << "29, 30" << 2461400.384479;
    }
    void add()
    {
        QFETCH(QString, time);
        QFETCH(QString, estimate);
        QTemporaryDir dir;
        auto panel = open(dir.path());
        QSignalSpy changed(panel.get(), &ObservingLogPanel::logChanged);
        type(panel.get(), time, estimate);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(control<QTableWidget>(panel.get(), "Estimates of the night")->rowCount(), 1);
        QTEST(cell(panel.get(), 0, 0), "shownTime");
        QCOMPARE(cell(panel.get(), 0, 1), estimate);
        QTEST(cell(panel.get(), 0, 2), "magnitude");
        QTEST(cell(panel.get(), 0, 3), "comparison");
        QVERIFY(control<QLineEdit>(panel.get(), "Estimate")->text().isEmpty());
        const timing::LogFile file = logIn(dir.filePath("2026-12-25.csv"));
        QCOMPARE(file.entries.size(), std::size_t(1));
        QFETCH(double, jdUtc);
        QVERIFY2(std::fabs(file.entries[0].jdUtc - jdUtc) < 1e-6, qPrintable(QString::number(file.entries[0].jdUtc, 'f', 6)));
        QCOMPARE(QString::fromStdString(file.entries[0].estimate), estimate);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("estimate");
        QTest::addColumn<bool>("unwritable");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such star") << "" << "x 2 V 3 29" << false << "“x” is no comparison star of the chart";
        QTest::newRow("steps of -1") << "" << "29 -1 V 3 30" << false << "none can be negative";
        QTest::newRow("both steps 0") << "" << "29 0 V 0 30" << false << "0 V 0 says nothing";
        QTest::newRow("a label for a magnitude") << "" << "29" << false << "“29” cannot be one";
        QTest::newRow("noon") << "12:00:00" << "2.9" << false << "12:00:00 is not in the night of Friday 25 December 2026 (15:00 to 09:00)";
        QTest::newRow("no such hour") << "25:00" << "2.9" << false << "such as 23:14:05, not “25:00”";
        QTest::newRow("the folder cannot be made") << "" << "2.9" << true << "Not stored: ";
    }
    void refusals()
    {
        QFETCH(QString, time);
        QFETCH(QString, estimate);
        QFETCH(bool, unwritable);
        QTemporaryDir dir;
        QString folder = dir.filePath("nights");
        if (unwritable) {
            QFile file(folder); // a file where the folder should be
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        auto panel = open(folder);
        type(panel.get(), time, estimate);
        QFETCH(QString, message);
        const QString said = control<QLabel>(panel.get(), "Message")->text();
        QVERIFY2(said.contains(message), qPrintable(said));
        QCOMPARE(control<QTableWidget>(panel.get(), "Estimates of the night")->rowCount(), 0);
        QCOMPARE(control<QLineEdit>(panel.get(), "Estimate")->text(), estimate);
        QVERIFY(!QFileInfo::exists(folder + "/2026-12-25.csv"));
    }

    void deleteUndoEdit()
    {
        QTemporaryDir dir;
        auto panel = open(dir.path());
        auto *table = control<QTableWidget>(panel.get(), "Estimates of the night");
        type(panel.get(), "", "2.9");
        type(panel.get(), "23:00:00", "3.0");
        const QString path = dir.filePath("2026-12-25.csv");
        QCOMPARE(logIn(path).entries.size(), std::size_t(2));

        table->setFocus();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(0, 0)).center());
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(cell(panel.get(), 0, 0), QStringLiteral("23:00:00"));
        QCOMPARE(logIn(path).entries.size(), std::size_t(1));
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(logIn(path).entries.size(), std::size_t(2));

        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(1, 0)).center());
        QTest::keyClick(table, Qt::Key_F2);
        auto *estimate = control<QLineEdit>(panel.get(), "Estimate");
        QCOMPARE(estimate->text(), QStringLiteral("3.0"));
        QTest::keyClicks(estimate, "3.1"); // the old text is selected: typing replaces it
        QTest::keyClick(estimate, Qt::Key_Return);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(cell(panel.get(), 1, 2), QStringLiteral("3.10"));
        QCOMPARE(logIn(path).entries.at(1).estimate, std::string("3.1"));
    }

    // A camera's file into the night, twice, with the command line's messages; then the log
    // exported and imported into another night's folder; then the AAVSO file.
    void importExport()
    {
        QTemporaryDir dir;
        auto panel = open(dir.filePath("a"));
        const QString camera = dir.filePath("camera.txt");
        QFile file(camera);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#TYPE=EXTENDED\n#OBSCODE=CAM\n#DELIM=,\n#DATE=JD\nBET PER,2461400.40,2.55,0.01,V\n"
                   "BET PER,x,2.6,0.01,V\nBET PER,2461400.45,2.65,0.01,V\nBET PER,2461402.45,2.75,0.01,V\n");
        file.close();
        QVERIFY(panel->importFile(camera));
        const QString said = control<QLabel>(panel.get(), "Message")->text();
        QVERIFY2(said.startsWith(camera + ":6: the time is not a number\n"), qPrintable(said));
        QVERIFY2(said.endsWith("camera.txt: points added: 2; outside this night: 1; already in the log: 0; lines skipped: 1."),
                 qPrintable(said));
        QCOMPARE(cell(panel.get(), 1, 1), QStringLiteral("V from camera.txt"));
        panel->importFile(camera);
        QVERIFY(control<QLabel>(panel.get(), "Message")->text().contains("points added: 0; outside this night: 1; already in the log: 2"));
        type(panel.get(), "", "29 2 V 3 30");

        const QString exported = dir.filePath("exported.csv");
        QVERIFY(panel->exportLog(exported));
        auto other = open(dir.filePath("b"));
        QVERIFY(other->importFile(exported));
        QCOMPARE(other->store().entries().size(), std::size_t(3));
        QCOMPARE(other->store().entries()[0].kind, timing::EntryKind::Step);
        QCOMPARE(other->observations().at(2).observer, std::string("CAM"));

        const QString aavso = dir.filePath("aavso.txt");
        QVERIFY(!panel->exportAavsoVisual(aavso)); // no observer code yet
        panel->setObserverCode(" ABC ");
        QVERIFY(panel->exportAavsoVisual(aavso));
        QVERIFY(fileBytes(aavso).startsWith("#TYPE=Visual\n#OBSCODE=ABC\n#SOFTWARE=algol-planner " ALGOL_VERSION "\n"));
        QVERIFY(fileBytes(aavso).endsWith("\nBET PER,2461400.3750,2.9,na,29,30,na,29 2 V 3 30\n"));
    }

    // A night's file with a line that does not read is copied before it is rewritten; one that
    // cannot be read at all (here a folder) is never written.
    void damagedFiles()
    {
        QTemporaryDir dir;
        const QByteArray damaged = "jd_utc,magnitude\n2461400.4,2.9\n2461400.41,bright\n";
        QFile file(dir.filePath("2026-12-25.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
        file.close();
        auto panel = open(dir.path());
        QVERIFY(control<QLabel>(panel.get(), "Message")->text().endsWith(
            "2026-12-25.csv:3: the measurement is not a number"));
        type(panel.get(), "", "2.9");
        QCOMPARE(logIn(file.fileName()).entries.size(), std::size_t(2));
        QCOMPARE(fileBytes(dir.filePath("2026-12-25.unread.csv")), damaged);

        QVERIFY(QDir(dir.path()).mkpath("other/2026-12-25.csv"));
        auto other = open(dir.filePath("other"));
        type(other.get(), "", "2.9");
        QVERIFY(control<QLabel>(other.get(), "Message")->text().contains("not a regular file"));
        QCOMPARE(control<QTableWidget>(other.get(), "Estimates of the night")->rowCount(), 0);
    }

    // The writer killed at random moments: every entry it said was stored is in the file, which
    // always reads whole, the entries in order and none twice.
    void killed()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        for (int run = 0; run < 20; ++run) {
            QTemporaryDir dir;
            QProcess writer;
            writer.start(QStringLiteral(OBSERVINGLOG_WRITER), {dir.path()});
            QVERIFY(writer.waitForStarted());
            QVERIFY(writer.waitForReadyRead(30000)); // the first entry stored: the writing has begun
            QTest::qWait(int(random.bounded(0, 300)));
            writer.kill();
            QVERIFY(writer.waitForFinished());
            const QList<QByteArray> said = writer.readAllStandardOutput().split('\n');
            const int stored = said.size() >= 2 ? said.at(said.size() - 2).toInt() + 1 : 0;
            const QString where = QStringLiteral("seed %1, run %2, %3 stored").arg(seed).arg(run).arg(stored);
            const timing::LogFile file = logIn(dir.filePath("2026-12-25.csv"));
            QVERIFY2(file.hasHeader && file.problems.empty(), qPrintable(where));
            QVERIFY2(int(file.entries.size()) == stored || int(file.entries.size()) == stored + 1, qPrintable(where));
            for (std::size_t i = 0; i < file.entries.size(); ++i)
                QVERIFY2(file.entries[i].note == std::to_string(i), qPrintable(where));
        }
    }
};

QTEST_MAIN(TestObservingLogPanel)
#include "tst_observinglog.moc"
