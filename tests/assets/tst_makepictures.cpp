// The picture generator: it draws the same files every time, and they are the committed ones.
// The two runs of one generator are compared byte for byte; the committed files are compared by
// their decoded pixels, so that a different PNG compressor elsewhere does not matter (glyphs are
// rasterised by the FreeType of the machine, which may still differ on another system).

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <cstdlib>

#include <sys/resource.h>

namespace {

const QStringList kPictures = {
    QStringLiteral("star-icon.png"),        QStringLiteral("stopwatch.png"),
    QStringLiteral("stopwatch-stopped.png"), QStringLiteral("light-curve.png"),
    QStringLiteral("orbit-phases.png"),     QStringLiteral("chart-magnitudes.png"),
    QStringLiteral("chart-names.png"),      QStringLiteral("chart-sky.png"),
    QStringLiteral("star-icon-64.png"),     QStringLiteral("star-icon-128.png"),
    QStringLiteral("star-icon-256.png"),
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Qt's raster engine picks its gradient and blending code by the processor's instruction set, so
// the same drawing may differ by a level of a channel from one machine to another.
int largestChannelDifference(const QImage &first, const QImage &second)
{
    const QImage a = first.convertToFormat(QImage::Format_ARGB32);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

} // namespace

class TestMakePictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameBytesEachRun_data();
    void sameBytesEachRun();
    void sameAsCommitted_data();
    void sameAsCommitted();
    void refusesMissingFolderArgument();
    void fullDiskLeavesTheFolderAsItWas_data();
    void fullDiskLeavesTheFolderAsItWas();

private:
    bool runGenerator(const QStringList &arguments, QString *errors = nullptr,
                      qint64 fileSizeLimit = -1);

    QTemporaryDir m_first;
    QTemporaryDir m_second;
};

// fileSizeLimit, when given, makes every write beyond that size fail as on a full disk.
bool TestMakePictures::runGenerator(const QStringList &arguments, QString *errors,
                                    qint64 fileSizeLimit)
{
    QProcess generator;
    if (fileSizeLimit >= 0) {
        generator.setChildProcessModifier([fileSizeLimit] {
            std::signal(SIGXFSZ, SIG_IGN); // a failed write, not the end of the process
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    generator.start(QStringLiteral(MAKEPICTURES), arguments);
    if (!generator.waitForFinished(60000))
        return false;
    if (errors)
        *errors = QString::fromLocal8Bit(generator.readAllStandardError());
    return generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0;
}

void TestMakePictures::initTestCase()
{
    QVERIFY(m_first.isValid() && m_second.isValid());
    QString errors;
    QVERIFY2(runGenerator({m_first.path()}, &errors), qPrintable(errors));
    QVERIFY2(runGenerator({m_second.path()}, &errors), qPrintable(errors));
}

void TestMakePictures::sameBytesEachRun_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : kPictures)
        QTest::newRow(qPrintable(name)) << name;
}

void TestMakePictures::sameBytesEachRun()
{
    QFETCH(QString, name);
    const QByteArray first = contents(QDir(m_first.path()).filePath(name));
    QVERIFY(!first.isEmpty());
    QVERIFY(first == contents(QDir(m_second.path()).filePath(name)));
}

void TestMakePictures::sameAsCommitted_data()
{
    sameBytesEachRun_data();
}

void TestMakePictures::sameAsCommitted()
{
    QFETCH(QString, name);
    const QImage made = QImage(QDir(m_first.path()).filePath(name));
    const QImage committed = QImage(QDir(QStringLiteral(COMMITTED_PICTURES)).filePath(name));
    QVERIFY(!made.isNull());
    QVERIFY(!committed.isNull());
    QCOMPARE(made.size(), committed.size());
    QVERIFY2(largestChannelDifference(made, committed) <= 2,
             "the committed picture is out of date: rebuild the target 'pictures'");
}

void TestMakePictures::refusesMissingFolderArgument()
{
    QVERIFY(!runGenerator({}));
}

void TestMakePictures::fullDiskLeavesTheFolderAsItWas_data()
{
    QTest::addColumn<bool>("filled"); // the folder holds older pictures
    QTest::newRow("older pictures stay byte for byte") << true;
    QTest::newRow("no picture appears in an empty folder") << false;
}

// Every picture is larger than 1000 bytes: with that file-size limit each write fails.
void TestMakePictures::fullDiskLeavesTheFolderAsItWas()
{
    QFETCH(bool, filled);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray older("an older picture");
    if (filled) {
        for (const QString &name : kPictures) {
            QFile file(QDir(folder.path()).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(older), older.size());
        }
    }
    QString errors;
    QVERIFY2(!runGenerator({folder.path()}, &errors, 1000),
             "the generator reported success on a full disk");
    QVERIFY2(errors.contains(QStringLiteral("cannot write")), qPrintable(errors));
    QStringList expected = filled ? kPictures : QStringList();
    expected.sort();
    const QStringList names = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    QVERIFY2(names == expected,
             qPrintable(QStringLiteral("on a full disk the folder holds [%1]")
                            .arg(names.join(QLatin1Char(' ')))));
    for (const QString &name : names) {
        QVERIFY2(contents(QDir(folder.path()).filePath(name)) == older,
                 qPrintable(name + QStringLiteral(" was replaced on a full disk")));
    }
}

QTEST_GUILESS_MAIN(TestMakePictures)
#include "tst_makepictures.moc"
