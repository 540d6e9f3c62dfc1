// The orbit animation of the information window: the phase over twenty ticks, B's place and the
// nearer star in front, the about window's companion following it, and clicks that unload a
// window while a frame lets pending events run.
//
// Reference places come from the orbit's definition, computed here with the library value of pi:
// B's centre is (W / 2 + 1000 cos t, H / 2 + 100 sin t) with t = 360 p + 90 degrees, in the
// 2910 x 1380 twips box, whose centre is (1455, 690).

#include "windowstest.h"

#include "clock.h"
#include "fonts.h"
#include "graphics.h"
#include "picturebox.h"
#include "timer.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <numbers>

namespace {

QPointF expectedCentre(double phase)
{
    const double t = (phase * 360.0 + 90.0) / 180.0 * std::numbers::pi;
    return {1455.0 + 1000.0 * std::cos(t), 690.0 + 100.0 * std::sin(t)};
}

// AnimationPhase after n ticks from a fresh window, by repeated double additions.
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

QPointF centreOf(const toolkit::CircleShape &shape)
{
    return {shape.left() + shape.width() / 2.0, shape.top() + shape.height() / 2.0};
}

bool near(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) < 0.01 && std::abs(a.y() - b.y()) < 0.01;
}

QString describe(QPointF p)
{
    return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 4).arg(p.y(), 0, 'f', 4);
}

// A user's click on a button, waiting in the event queue.
void postClick(QWidget *button)
{
    const QPointF local = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(local);
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, local, global,
                                                        Qt::LeftButton, Qt::LeftButton,
                                                        Qt::NoModifier));
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, local, global,
                                                        Qt::LeftButton, Qt::NoButton,
                                                        Qt::NoModifier));
}

// Posts a click on a button when the watched timer's first event arrives, before the timer
// handles it: the click then waits for the frame's processing of pending events.
class ClickOnFirstTimerEvent : public QObject
{
public:
    explicit ClickOnFirstTimerEvent(QWidget *button) : m_button(button) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer && m_button) {
            postClick(m_button);
            m_button = nullptr;
        }
        return false;
    }

private:
    QWidget *m_button;
};

} // namespace

class TestAnimation : public QObject
{
    Q_OBJECT

    toolkit::ManualClock m_clock{windowstest::testMoment()};
    toolkit::SystemClock m_systemClock;
    QWidget m_mainWindow;

    // The information window and the about window, both visible: "&A Propos", then the main
    // window's button again.
    static bool openBoth(toolkit::Clock &clock, QWidget *mainWindow)
    {
        showInformationWindow(clock, mainWindow);
        QTest::mouseClick(loadedDescription()->Command4, Qt::LeftButton);
        showInformationWindow(clock, mainWindow);
        return loadedDescription() && loadedDescription()->isVisible() && loadedAbout()
               && loadedAbout()->isVisible();
    }

private slots:
    void initTestCase() { toolkit::registerBundledFonts(); }
    void cleanup() { windowstest::discardInformationWindows(); }

    void ticks_data();
    void ticks();
    void nearerStarSeenInFront_data();
    void nearerStarSeenInFront();
    void runsOnWhileHidden();
    void aboutCompanionFollowsEveryTick();
    void hiddenAboutStandsStill();
    void retourDuringAFrame_data();
    void retourDuringAFrame();
    void aboutRetourDuringAFrame();
};

void TestAnimation::ticks_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<bool>("primaryInFront");
    // A is nearer exactly when 0.25 < p < 0.75: at tick 5 p is 0.25 exactly, at tick 15 it is
    // just above 0.75 (0.7500000000000001).
    for (int tick = 1; tick <= 20; ++tick)
        QTest::addRow("tick %d", tick) << tick << (tick >= 6 && tick <= 14);
}

void TestAnimation::ticks()
{
    QFETCH(int, tick);
    QFETCH(bool, primaryInFront);
    showInformationWindow(m_clock, &m_mainWindow);
    Description *window = loadedDescription();
    QVERIFY(window);
    m_clock.advanceMilliseconds(100 * tick - 1);
    QCOMPARE(window->AnimationPhase, phaseAfter(tick - 1)); // one millisecond early
    m_clock.advanceMilliseconds(1);

    const double phase = window->AnimationPhase;
    QCOMPARE(phase, phaseAfter(tick)); // the same additions give the same bits
    if (tick == 20) {
        QCOMPARE(phase, 0.0); // the twentieth addition passes 1
    } else {
        QVERIFY2(std::abs(phase - 0.05 * tick) < 1e-12,
                 qPrintable(QString::number(phase, 'g', 17)));
    }
    QCOMPARE(window->A->isInFrontOf(*window->B), primaryInFront);
    const QPointF centre = centreOf(*window->B);
    QVERIFY2(near(centre, expectedCentre(0.05 * tick)), qPrintable(describe(centre)));
    QCOMPARE(window->A->left(), 1117.5f); // A never moves
    QCOMPARE(window->A->top(), 322.5f);

    // The named places of the orbit.
    if (tick == 5)
        QVERIFY2(near(centre, {455, 690}), qPrintable(describe(centre))); // left end
    if (tick == 10)
        QVERIFY2(near(centre, {1455, 590}), qPrintable(describe(centre))); // above A
    if (tick == 15)
        QVERIFY2(near(centre, {2455, 690}), qPrintable(describe(centre))); // right end
    if (tick == 20)
        QVERIFY2(near(centre, {1455, 790}), qPrintable(describe(centre))); // just below A
}

void TestAnimation::nearerStarSeenInFront_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<QColor>("atCentreOfB");
    QTest::newRow("tick 5: B alone at the left end") << 5 << QColor(255, 0, 0);
    QTest::newRow("tick 10: B behind A") << 10 << QColor(255, 255, 0);
    QTest::newRow("tick 20: B in front of A") << 20 << QColor(255, 0, 0);
}

// What the user sees at B's centre.
void TestAnimation::nearerStarSeenInFront()
{
    QFETCH(int, tick);
    QFETCH(QColor, atCentreOfB);
    showInformationWindow(m_clock, &m_mainWindow);
    Description *window = loadedDescription();
    m_clock.advanceMilliseconds(100 * tick);
    const QPointF centre = centreOf(*window->B) / 15.0;
    const QImage shot = window->Picture2->grab().toImage();
    QCOMPARE(shot.pixelColor(centre.toPoint()), atCentreOfB);
}

void TestAnimation::runsOnWhileHidden()
{
    showInformationWindow(m_clock, &m_mainWindow);
    Description *window = loadedDescription();
    m_clock.advanceMilliseconds(200);
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    m_clock.advanceMilliseconds(300);
    QVERIFY(std::abs(window->AnimationPhase - 0.25) < 1e-12);
    QVERIFY(near(centreOf(*window->B), {455, 690}));
}

void TestAnimation::aboutCompanionFollowsEveryTick()
{
    showInformationWindow(m_clock, &m_mainWindow);
    Description *window = loadedDescription();
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    About *about = loadedAbout();
    QVERIFY(about && about->isVisible());
    // Both A are centred in boxes of the same size, so the same Left and Top fit both.
    QCOMPARE(about->Picture2->widthTwips(), window->Picture2->widthTwips());
    QCOMPARE(about->Picture2->heightTwips(), window->Picture2->heightTwips());
    QCOMPARE(about->A->left(), window->A->left());
    QCOMPARE(about->A->top(), window->A->top());
    QVERIFY(about->A->isInFrontOf(*about->B)); // as laid out, until the first tick

    for (int tick = 1; tick <= 40; ++tick) {
        m_clock.advanceMilliseconds(100);
        QCOMPARE(about->B->left(), window->B->left());
        QCOMPARE(about->B->top(), window->B->top());
        QCOMPARE(about->A->isInFrontOf(*about->B), window->A->isInFrontOf(*window->B));
    }
}

void TestAnimation::hiddenAboutStandsStill()
{
    QVERIFY(openBoth(m_clock, &m_mainWindow));
    Description *window = loadedDescription();
    About *about = loadedAbout();
    m_clock.advanceMilliseconds(100);
    about->hide();
    const QPointF stood = centreOf(*about->B);
    m_clock.advanceMilliseconds(300);
    QCOMPARE(centreOf(*about->B), stood);
    QVERIFY(near(centreOf(*window->B), expectedCentre(0.2)));
}

void TestAnimation::retourDuringAFrame_data()
{
    QTest::addColumn<bool>("systemClock");
    QTest::newRow("test clock") << false;
    QTest::newRow("system clock and event loop") << true;
}

// "&Retour" clicked while a frame lets pending events run: the window is unloaded cleanly and no
// further frame follows, so the about window's companion stays where the first frame put it.
void TestAnimation::retourDuringAFrame()
{
    QFETCH(bool, systemClock);
    toolkit::Clock &clock = systemClock ? static_cast<toolkit::Clock &>(m_systemClock)
                                        : static_cast<toolkit::Clock &>(m_clock);
    m_mainWindow.hide();
    QVERIFY(openBoth(clock, &m_mainWindow));
    const QPointer<Description> window = loadedDescription();
    About *about = loadedAbout();

    ClickOnFirstTimerEvent clicker(window->Command3);
    if (systemClock) {
        auto *timer = window->Timer1->findChild<QTimer *>();
        QVERIFY(timer);
        timer->installEventFilter(&clicker);
        // The program's own event loop, for half a second: the click runs in the first frame.
        QEventLoop loop;
        QTimer::singleShot(500, &loop, &QEventLoop::quit);
        loop.exec();
        QVERIFY(!loadedDescription());
    } else {
        postClick(window->Command3);
        m_clock.advanceMilliseconds(100);
        QVERIFY(!loadedDescription());
        m_clock.advanceMilliseconds(1000);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QVERIFY(window.isNull());
    QVERIFY(m_mainWindow.isVisible());
    QCOMPARE(loadedAbout(), about);
    const QPointF centre = centreOf(*about->B);
    QVERIFY2(near(centre, expectedCentre(0.05)), qPrintable(describe(centre)));
}

// The about window's "Retour" processed inside a frame: the about window goes, the animation
// goes on in the information window.
void TestAnimation::aboutRetourDuringAFrame()
{
    QVERIFY(openBoth(m_clock, &m_mainWindow));
    Description *window = loadedDescription();
    const QPointer<About> about = loadedAbout();
    postClick(about->Command1);
    m_clock.advanceMilliseconds(100);
    QVERIFY(!loadedAbout());
    m_clock.advanceMilliseconds(100);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(about.isNull());
    QCOMPARE(loadedDescription(), window);
    QVERIFY(window->isVisible());
    QVERIFY(near(centreOf(*window->B), expectedCentre(0.1)));
}

QTEST_MAIN(TestAnimation)
#include "tst_animation.moc"
