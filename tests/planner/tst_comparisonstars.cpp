// The comparison stars of another star than Algol (Algol's own: tst_planner). The lists expected
// were computed offline by python3 from tools/data/bright-stars.txt with the rule of
// planner/comparisonstars.h written anew: within 20 degrees (spherical law of cosines), the
// catalogue's magnitudes rounded half up to a tenth from round(10 (max - 0.3)) to
// round(10 (min + 0.5)), the catalogue's binaries and rho Per left out, the nearest of each tenth,
// brightest first.

#include "comparisonstars.h"
#include "starcatalogue.h"

#include <QtTest>

class TestComparisonStars : public QObject
{
    Q_OBJECT

private slots:
    void ofStar_data()
    {
        QTest::addColumn<QString>("star");
        QTest::addColumn<QStringList>("labels");
        // 3.37 to 3.91: the tenths 3.1 to 4.4.
        QTest::newRow("λ Tau") << "lam Tau"
            << QStringList{"π³ Ori 3.19", "θ² Tau 3.40", "ε Tau 3.53", "ο Tau 3.60", "γ Tau 3.65", "δ¹ Tau 3.76",
                           "ν Tau 3.91", "5 Tau 4.11", "κ¹ Tau 4.22", "μ Tau 4.29", "37 Tau 4.36"};
        // 4.69 to 5.37: the tenths 4.4 to 5.9, of which the extract holds those below 5.0.
        QTest::newRow("u Her, partly beyond the extract") << "u Her"
            << QStringList{"λ Her 4.41", "ρ Her 4.52", "χ Her 4.62", "69 Her 4.65", "52 Her 4.82", "ξ CrB 4.85",
                           "104 Her 4.97"};
        // 6.18 to 7.72: fainter than all of it.
        QTest::newRow("RZ Cas, fainter than the extract") << "RZ Cas" << QStringList{};
    }
    void ofStar()
    {
        QFETCH(QString, star);
        QFETCH(QStringList, labels);
        QStringList found;
        for (const planner::ComparisonStar &s : planner::comparisonStars(*sky::findStar(star.toStdString())))
            found << s.label + QLatin1Char(' ') + QString::number(s.magnitude, 'f', 2);
        QCOMPARE(found, labels);
    }
};

QTEST_APPLESS_MAIN(TestComparisonStars)
#include "tst_comparisonstars.moc"
