// The life of the information and about windows: one instance each, hidden and shown again
// without a new start-up, unloaded and created anew, and discarded at the end of the program.
// Each start-up plots the 361 dots of the orbit once, so the number of dots counts the start-ups
// that an instance has run.

#include "windowstest.h"

#include "clock.h"
#include "fonts.h"
#include "picturebox.h"
#include "timer.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr std::size_t kDotsOfOneStartUp = 361;

// AnimationPhase after n ticks from a fresh window, by the same additions.
double phaseAfter(int ticks)
{
    double phase = 0;
    for (int i = 0; i < ticks; ++i) {
        phase = phase + 0.05;
        if (phase > 1)
            phase = 0;
    }
    return phase;
}

int descriptionsAlive()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<Description *>(widget) ? 1 : 0;
    return count;
}

} // namespace

class TestInformationWindows : public QObject
{
    Q_OBJECT

    toolkit::ManualClock m_clock{windowstest::testMoment()};
    QWidget m_mainWindow;

private slots:
    void initTestCase() { toolkit::registerBundledFonts(); }
    void cleanup() { windowstest::discardInformationWindows(); }

    void oneInstance();
    void shownAgainWithoutStartUp_data();
    void shownAgainWithoutStartUp();
    void unloadedAndCreatedAnew();
    void oneAboutWindow();
    void aboutClosedByItsTitleBar();
    void aboutRetourCreatesAnUnloadedInformationWindow();
    void closingTheInformationWindowByTheWindowManager();
    void closeInformationWindowsDiscardsBoth();
    void windowsDiscardedAtTheEndOfTheEventLoop();
};

void TestInformationWindows::oneInstance()
{
    showInformationWindow(m_clock, &m_mainWindow);
    Description *first = loadedDescription();
    QVERIFY(first);
    showInformationWindow(m_clock, &m_mainWindow);
    QCOMPARE(loadedDescription(), first);
    QCOMPARE(descriptionsAlive(), 1);
    QCOMPARE(first->Picture2->points().size(), kDotsOfOneStartUp);
}

void TestInformationWindows::shownAgainWithoutStartUp_data()
{
    QTest::addColumn<bool>("byTheMainWindow");
    QTest::newRow("main window's button") << true;
    QTest::newRow("about window's Retour") << false;
}

void TestInformationWindows::shownAgainWithoutStartUp()
{
    QFETCH(bool, byTheMainWindow);
    showInformationWindow(m_clock, &m_mainWindow);
    Description *window = loadedDescription();
    QVERIFY(window);
    QTest::mouseClick(window->Command6, Qt::LeftButton); // the viewer open, a state to keep
    m_clock.advanceMilliseconds(300);
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    m_clock.advanceMilliseconds(200); // the animation runs on while hidden
    QCOMPARE(window->AnimationPhase, phaseAfter(5));

    if (byTheMainWindow)
        showInformationWindow(m_clock, &m_mainWindow);
    else
        QTest::mouseClick(loadedAbout()->Command1, Qt::LeftButton);

    QCOMPARE(loadedDescription(), window);
    QVERIFY(window->isVisible());
    QVERIFY(window->isMaximized());
    QCOMPARE(window->Picture2->points().size(), kDotsOfOneStartUp);
    QVERIFY(window->Picture1->isVisible());
    QCOMPARE(window->AnimationPhase, phaseAfter(5));
    QCOMPARE(bool(loadedAbout()), byTheMainWindow);
}

void TestInformationWindows::unloadedAndCreatedAnew()
{
    showInformationWindow(m_clock, &m_mainWindow);
    const QPointer<Description> first = loadedDescription();
    QTest::mouseClick(first->Command6, Qt::LeftButton);
    m_clock.advanceMilliseconds(300);
    QTest::mouseClick(first->Command3, Qt::LeftButton);
    QVERIFY(!loadedDescription());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    m_clock.advanceMilliseconds(1000); // nothing left to tick

    showInformationWindow(m_clock, &m_mainWindow);
    Description *second = loadedDescription();
    QVERIFY(second);
    QCOMPARE(descriptionsAlive(), 1);
    QCOMPARE(second->Picture2->points().size(), kDotsOfOneStartUp);
    QVERIFY(second->Picture1->isHidden());
    QCOMPARE(second->AnimationPhase, 0.0);
    m_clock.advanceMilliseconds(100);
    QCOMPARE(second->AnimationPhase, phaseAfter(1));
}

void TestInformationWindows::oneAboutWindow()
{
    showInformationWindow(m_clock, &m_mainWindow);
    Description *window = loadedDescription();
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    About *about = loadedAbout();
    QVERIFY(about);
    showInformationWindow(m_clock, &m_mainWindow);
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    QCOMPARE(loadedAbout(), about);
    QCOMPARE(about->Picture2->points().size(), kDotsOfOneStartUp);
}

void TestInformationWindows::aboutClosedByItsTitleBar()
{
    showInformationWindow(m_clock, &m_mainWindow);
    Description *window = loadedDescription();
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    const QPointer<About> about = loadedAbout();
    QVERIFY(about->close());
    QVERIFY(!loadedAbout());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(about.isNull());
    // The information window stays loaded and hidden until the main window shows it.
    QCOMPARE(loadedDescription(), window);
    QVERIFY(!window->isVisible());
    showInformationWindow(m_clock, &m_mainWindow);
    QVERIFY(window->isVisible());
}

void TestInformationWindows::aboutRetourCreatesAnUnloadedInformationWindow()
{
    showInformationWindow(m_clock, &m_mainWindow);
    const QPointer<Description> first = loadedDescription();
    QTest::mouseClick(first->Command4, Qt::LeftButton);
    showInformationWindow(m_clock, &m_mainWindow); // both windows visible
    QTest::mouseClick(first->Command3, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    QTest::mouseClick(loadedAbout()->Command1, Qt::LeftButton);
    QVERIFY(!loadedAbout());
    Description *second = loadedDescription();
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QCOMPARE(second->Picture2->points().size(), kDotsOfOneStartUp);
}

void TestInformationWindows::closingTheInformationWindowByTheWindowManager()
{
    m_mainWindow.hide();
    showInformationWindow(m_clock, &m_mainWindow);
    const QPointer<Description> window = loadedDescription();
    QVERIFY(window->close());
    QVERIFY(!loadedDescription());
    QVERIFY(!m_mainWindow.isVisible()); // only "&Retour" brings the main window back
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

void TestInformationWindows::closeInformationWindowsDiscardsBoth()
{
    showInformationWindow(m_clock, &m_mainWindow);
    const QPointer<Description> window = loadedDescription();
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    const QPointer<About> about = loadedAbout();
    closeInformationWindows();
    QVERIFY(!loadedDescription());
    QVERIFY(!loadedAbout());
    QVERIFY(!about->isVisible());
    QVERIFY(!window->Timer1->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(about.isNull());
}

// What happens when the program ends: the event loop returns and both windows are discarded.
void TestInformationWindows::windowsDiscardedAtTheEndOfTheEventLoop()
{
    showInformationWindow(m_clock, &m_mainWindow);
    const QPointer<Description> window = loadedDescription();
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    showInformationWindow(m_clock, &m_mainWindow);
    const QPointer<About> about = loadedAbout();
    QVERIFY(window && about);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    QVERIFY(window.isNull());
    QVERIFY(about.isNull());
}

QTEST_MAIN(TestInformationWindows)
#include "tst_informationwindows.moc"
