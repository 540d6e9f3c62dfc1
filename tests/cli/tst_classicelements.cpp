// algol-minima --elements classic against the main window: for a month typed into the window, the
// eleven minima of its month list are, minimum for minimum and to the second, those that the
// command-line program lists over the same stretch, in UT and with a fixed offset from UT.

#include "algol.h"
#include "checkbox.h"
#include "clock.h"
#include "fonts.h"
#include "regional.h"
#include "report.h"
#include "textfield.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// "dd/mm/yyyy  hh:nn:ss", as the window shows a minimum under French regional settings.
QString windowText(const QDateTime &dateTime)
{
    return dateTime.toString(QStringLiteral("dd/MM/yyyy  HH:mm:ss"));
}

// The wall-clock reading of a window's text, as UTC.
QDateTime fromWindowText(const QString &text)
{
    const QDateTime read = QDateTime::fromString(text, QStringLiteral("dd/MM/yyyy  HH:mm:ss"));
    return QDateTime(read.date(), read.time(), Qt::UTC);
}

} // namespace

class TestClassicElements : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    const ephemeris::RegionalSettings m_regional = ephemeris::RegionalSettings::french();
    toolkit::ManualClock m_clock{QDateTime(QDate(2026, 12, 8), QTime(21, 30))};

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config.path());
        toolkit::registerBundledFonts();
    }

    void monthListAgrees_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("offsetHours"); // 0: UT (Check1 unticked)
        QTest::newRow("the epoch's month") << "15/10/1972" << 0;
        QTest::newRow("March 2007") << "15/03/2007" << 0;
        QTest::newRow("December 2026, local time UT + 2") << "08/12/2026" << 2;
        QTest::newRow("a leap day") << "29/02/2028" << 0;
        QTest::newRow("far ahead, UT - 5") << "31/07/2999" << -5;
    }
    void monthListAgrees()
    {
        QFETCH(QString, date);
        QFETCH(int, offsetHours);
        Algol window(m_clock, m_regional);
        window.Form_Load();
        window.Command1_Click(); // edit mode
        window.Check1->setChecked(offsetHours != 0);
        window.Text6->setText(QString::number(offsetHours));
        window.Text3->setText(QStringLiteral("12"));
        window.Text1->setText(date);
        QCOMPARE(window.List1->count(), 11);

        // The program, over the stretch that the list covers, in a zone at the same offset.
        const int offsetSeconds = offsetHours * 3600;
        const QString first = window.List1->item(0)->text();
        const QString last = window.List1->item(10)->text();
        listing::Request options;
        options.elements = sky::classicElements();
        options.zone = QTimeZone(offsetSeconds);
        options.from = fromWindowText(first).addSecs(-offsetSeconds - 60);
        options.to = fromWindowText(last).addSecs(-offsetSeconds + 60);
        const listing::Report report = listing::makeReport(options, QDateTime::currentDateTimeUtc());

        QStringList listed;
        for (const listing::ReportRow &row : report.rows)
            listed << windowText(offsetHours != 0 ? row.local.local : row.utc);
        QStringList shown;
        for (int i = 0; i < window.List1->count(); ++i)
            shown << window.List1->item(i)->text();
        QCOMPARE(listed, shown);
    }
};

QTEST_MAIN(TestClassicElements)
#include "tst_classicelements.moc"
