// The information window's start-up, its chart viewer and its two ways out, as the user sees them
// on the 1024 x 768 screen of the test platform.

#include "windowstest.h"

#include "clock.h"
#include "fonts.h"
#include "image.h"
#include "picturebox.h"
#include "timer.h"

#include <QPushButton>

namespace {

QPixmap filled(const QColor &color)
{
    QPixmap pixmap(1024, 712);
    pixmap.fill(color);
    return pixmap;
}

// Three charts that can be told apart.
const QColor kMagnitudesColor(10, 10, 10);
const QColor kNamesColor(20, 20, 120);
const QColor kSkyColor(20, 110, 20);

} // namespace

class TestDescriptionBehaviour : public QObject
{
    Q_OBJECT

    toolkit::ManualClock m_clock{windowstest::testMoment()};
    QWidget m_mainWindow;

    Description *open()
    {
        DescriptionPictures pictures;
        pictures.chartMagnitudes = filled(kMagnitudesColor);
        pictures.chartNames = filled(kNamesColor);
        pictures.chartSky = filled(kSkyColor);
        showInformationWindow(m_clock, &m_mainWindow, pictures);
        Description *window = loadedDescription();
        if (window && !QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }

private slots:
    void initTestCase() { toolkit::registerBundledFonts(); }
    void cleanup() { windowstest::discardInformationWindows(); }

    void startUpPlacesTheViewer();
    void chartButtonsStandAboveTheViewersBottom_data();
    void chartButtonsStandAboveTheViewersBottom();
    void startUpDrawsTheOrbit();
    void viewerShowsAChart_data();
    void viewerShowsAChart();
    void chartAtNaturalSizeFromTheCorner();
    void clickOnTheChartClosesTheViewer();
    void clickOnAChartButtonKeepsTheViewer();
    void windowButtonsUsableOverTheViewer();
    void retourShowsTheMainWindowAndUnloads();
    void aProposHidesAndShowsTheAboutWindow();
};

void TestDescriptionBehaviour::startUpPlacesTheViewer()
{
    Description *window = open();
    QVERIFY(window);
    // 1024 x 768 pixels at 15 twips per pixel.
    QCOMPARE(window->Picture1->widthTwips(), 15360.0);
    QCOMPARE(window->Picture1->heightTwips(), 11520.0);
    QCOMPARE(window->Picture1->geometry(), QRect(0, 0, 1024, 768));
    QVERIFY(window->Picture1->isHidden());
}

void TestDescriptionBehaviour::chartButtonsStandAboveTheViewersBottom_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("leftPixels");
    // Top = 11520 - 500 - 100 = 10920 twips = 728 pixels; Left and size as designed.
    QTest::newRow("Command1") << "Command1" << 10;
    QTest::newRow("Command2") << "Command2" << 185;
    QTest::newRow("Command5") << "Command5" << 360;
}

void TestDescriptionBehaviour::chartButtonsStandAboveTheViewersBottom()
{
    QFETCH(QString, control);
    QFETCH(int, leftPixels);
    Description *window = open();
    QVERIFY(window);
    const auto *button = window->Picture1->findChild<QPushButton *>(control);
    QVERIFY(button);
    // Placed from the corner inside the viewer's sunken border.
    const QPoint origin = window->Picture1->drawingOrigin();
    QCOMPARE(button->geometry(), QRect(leftPixels, 728, 171, 33).translated(origin));
}

void TestDescriptionBehaviour::startUpDrawsTheOrbit()
{
    Description *window = open();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->Picture2->points().size(), std::size_t(361));
    // A centred in the 2910 x 1380 box.
    QCOMPARE(window->A->left(), 1117.5f);
    QCOMPARE(window->A->top(), 322.5f);
    // Until the first tick B stays where the layout put it.
    QCOMPARE(window->B->left(), 840.0f);
    QCOMPARE(window->B->top(), 1155.0f);
}

void TestDescriptionBehaviour::viewerShowsAChart_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<bool>("viewerFirst");
    QTest::addColumn<QColor>("chart");
    QTest::newRow("the thumbnail shows the general chart") << "Image1" << false << kSkyColor;
    QTest::newRow("&Cartes shows the general chart") << "Command6" << false << kSkyColor;
    QTest::newRow("Carte des magnitudes") << "Command1" << true << kMagnitudesColor;
    QTest::newRow("Cartes des noms") << "Command2" << true << kNamesColor;
    QTest::newRow("Localisation Générale") << "Command5" << true << kSkyColor;
    QTest::newRow("&Cartes over another chart") << "Command6" << true << kSkyColor;
}

void TestDescriptionBehaviour::viewerShowsAChart()
{
    QFETCH(QString, clicked);
    QFETCH(bool, viewerFirst);
    QFETCH(QColor, chart);
    Description *window = open();
    QVERIFY(window);
    if (viewerFirst) {
        QTest::mouseClick(window->Image1, Qt::LeftButton);
        QTest::mouseClick(window->Command2, Qt::LeftButton); // a chart other than the general one
        QVERIFY(window->Picture1->isVisible());
    }
    auto *control = window->findChild<QWidget *>(clicked);
    QVERIFY(control);
    QTest::mouseClick(control, Qt::LeftButton);
    QVERIFY(window->Picture1->isVisible());
    const QImage shot = window->grab().toImage();
    QCOMPARE(shot.pixelColor(200, 300), chart);
}

void TestDescriptionBehaviour::chartAtNaturalSizeFromTheCorner()
{
    Description *window = open();
    QVERIFY(window);
    QTest::mouseClick(window->Command6, Qt::LeftButton);
    const QImage shot = window->Picture1->grab().toImage();
    const QPoint origin = window->Picture1->drawingOrigin();
    // The chart's last row, and the strip below it where the buttons stand.
    QCOMPARE(shot.pixelColor(origin + QPoint(300, 711)), kSkyColor);
    QCOMPARE(shot.pixelColor(origin + QPoint(300, 713)),
             window->Picture1->palette().color(QPalette::Window));
    QCOMPARE(window->Picture1->picture().size(), QSize(1024, 712));
}

void TestDescriptionBehaviour::clickOnTheChartClosesTheViewer()
{
    Description *window = open();
    QVERIFY(window);
    QTest::mouseClick(window->Command6, Qt::LeftButton);
    QVERIFY(window->Picture1->isVisible());
    QTest::mouseClick(window->Picture1, Qt::LeftButton, {}, QPoint(400, 300));
    QVERIFY(window->Picture1->isHidden());
    // The last chart stays in the viewer and is replaced at the next opening.
    QCOMPARE(window->Picture1->picture().toImage().pixelColor(0, 0), kSkyColor);
}

void TestDescriptionBehaviour::clickOnAChartButtonKeepsTheViewer()
{
    Description *window = open();
    QVERIFY(window);
    QTest::mouseClick(window->Command6, Qt::LeftButton);
    for (QPushButton *button : {window->Command1, window->Command2, window->Command5}) {
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(window->Picture1->isVisible(), qPrintable(button->text()));
    }
}

void TestDescriptionBehaviour::windowButtonsUsableOverTheViewer()
{
    Description *window = open();
    QVERIFY(window);
    QTest::mouseClick(window->Command6, Qt::LeftButton);
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    // A user's click at the place of "&Cartes" reaches the button in front of the viewer.
    QWidget *atCartes = window->childAt(window->Command6->geometry().center());
    QCOMPARE(atCartes, window->Command6);
    QTest::mouseClick(atCartes, Qt::LeftButton);
    QCOMPARE(window->grab().toImage().pixelColor(200, 300), kSkyColor);
}

void TestDescriptionBehaviour::retourShowsTheMainWindowAndUnloads()
{
    m_mainWindow.hide();
    Description *window = open();
    QVERIFY(window);
    const QPointer<Description> guard(window);
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    QVERIFY(m_mainWindow.isVisible());
    QVERIFY(!loadedDescription());
    QVERIFY(!window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
}

void TestDescriptionBehaviour::aProposHidesAndShowsTheAboutWindow()
{
    Description *window = open();
    QVERIFY(window);
    QVERIFY(!loadedAbout());
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QCOMPARE(loadedDescription(), window); // hidden, still loaded
    QVERIFY(window->Timer1->isEnabled());
    QVERIFY(loadedAbout());
    QVERIFY(loadedAbout()->isVisible());
}

QTEST_MAIN(TestDescriptionBehaviour)
#include "tst_descriptionbehaviour.moc"
