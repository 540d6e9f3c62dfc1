// The information window as laid out: the window, every control's place, texts, fonts and colours,
// the pictures, the shapes, the stacking and the keyboard order.

#include "windowstest.h"

#include "clock.h"
#include "fonts.h"
#include "graphics.h"
#include "image.h"
#include "label.h"
#include "picturebox.h"
#include "timer.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace {

QPixmap filled(QSize size, const QColor &color)
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

} // namespace

class TestDescriptionLayout : public QObject
{
    Q_OBJECT

    toolkit::ManualClock m_clock{windowstest::testMoment()};

private slots:
    void initTestCase() { toolkit::registerBundledFonts(); }
    void cleanup() { windowstest::discardInformationWindows(); }

    void window();
    void geometry_data();
    void geometry();
    void labels_data();
    void labels();
    void longTexts_data();
    void longTexts();
    void labelTextsFitTheirBoxes_data();
    void labelTextsFitTheirBoxes();
    void buttons_data();
    void buttons();
    void pictures();
    void picturesGivenAreShown();
    void shapes();
    void timer();
    void stackingWithTheViewerOpen_data();
    void stackingWithTheViewerOpen();
    void keyboardOrder_data();
    void keyboardOrder();
};

void TestDescriptionLayout::window()
{
    showInformationWindow(m_clock, nullptr);
    Description *window = loadedDescription();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(),
             QStringLiteral("Description d'Algol, cette merveille celeste."));
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window->isMaximized());
    // Maximised on the 1024 x 768 screen of the test platform: the whole screen.
    QCOMPARE(window->screen()->geometry(), QRect(0, 0, 1024, 768));
    QCOMPARE(window->geometry(), QRect(0, 0, 1024, 768));
}

// Twips / 15 = pixels, each edge rounded to the nearest pixel.
void TestDescriptionLayout::geometry_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Label1") << "Label1" << QRect(4, 4, 111, 24);
    QTest::newRow("Label2(0)") << "Label2(0)" << QRect(1, 37, 515, 33);
    QTest::newRow("Label2(1)") << "Label2(1)" << QRect(1, 73, 515, 51);
    QTest::newRow("Label2(2)") << "Label2(2)" << QRect(1, 121, 515, 17);
    QTest::newRow("Label2(3)") << "Label2(3)" << QRect(1, 139, 515, 37);
    QTest::newRow("Label2(4)") << "Label2(4)" << QRect(1, 181, 515, 53);
    QTest::newRow("Label2(5)") << "Label2(5)" << QRect(1, 236, 515, 72);
    QTest::newRow("Label3(0)") << "Label3(0)" << QRect(1, 306, 262, 20);
    QTest::newRow("Label3(3)") << "Label3(3)" << QRect(1, 326, 262, 20);
    QTest::newRow("Picture2") << "Picture2" << QRect(313, 326, 194, 92);
    QTest::newRow("Image4") << "Image4" << QRect(0, 436, 456, 296);
    QTest::newRow("Image3") << "Image3" << QRect(465, 464, 402, 269);
    QTest::newRow("Label5") << "Label5" << QRect(634, 7, 131, 16);
    QTest::newRow("Image1") << "Image1" << QRect(542, 24, 303, 227);
    QTest::newRow("Image5") << "Image5" << QRect(552, 0, 303, 227);
    QTest::newRow("Image2") << "Image2" << QRect(5740, 240, 354, 333);
    QTest::newRow("Label4") << "Label4" << QRect(563, 252, 273, 17);
    QTest::newRow("Label7") << "Label7" << QRect(537, 292, 141, 19);
    QTest::newRow("Label8") << "Label8" << QRect(538, 314, 307, 142);
    QTest::newRow("Label6(0)") << "Label6(0)" << QRect(857, 17, 130, 203);
    QTest::newRow("Label6(1)") << "Label6(1)" << QRect(851, 230, 151, 200);
    QTest::newRow("Command6") << "Command6" << QRect(901, 608, 105, 29);
    QTest::newRow("Command4") << "Command4" << QRect(901, 647, 105, 29);
    QTest::newRow("Command3") << "Command3" << QRect(901, 690, 105, 29);
    QTest::newRow("Picture1 before start-up") << "Picture1" << QRect(667, 88, 562, 501);
    // Inside Picture1, from the corner inside its 2-pixel sunken border.
    QTest::newRow("Command1 before start-up") << "Command1" << QRect(12, 435, 171, 33);
    QTest::newRow("Command2 before start-up") << "Command2" << QRect(187, 435, 171, 33);
    QTest::newRow("Command5 before start-up") << "Command5" << QRect(362, 435, 171, 33);
}

void TestDescriptionLayout::geometry()
{
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    Description window(m_clock, nullptr, {});
    const auto *widget = window.findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    QCOMPARE(widget->geometry(), pixels);
}

void TestDescriptionLayout::labels_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<QColor>("color");
    const QColor navy(0, 0, 128);
    const QColor purple(128, 0, 128);
    const QColor buttonText = QGuiApplication::palette().color(QPalette::ButtonText);
    QTest::newRow("Label1") << "Label1" << "Description" << 12.0 << navy;
    QTest::newRow("Label3(0)") << "Label3(0)"
                               << "- Almach (gamma Andromède)  (magnitude 2,1)." << 9.0
                               << navy;
    QTest::newRow("Label3(3)") << "Label3(3)" << "- Alpha Triangle (magnitude 3,4)." << 9.0 << navy;
    QTest::newRow("Label5") << "Label5" << "Localiser Algol." << 9.75 << buttonText;
    QTest::newRow("Label4") << "Label4" << "Cliquez sur la carte pour l'agrandir." << 9.75
                            << QColor(255, 0, 0);
    QTest::newRow("Label7") << "Label7" << "Moments des Tavrelo" << 9.75 << purple;
    for (const char *name : {"Label2(0)", "Label2(1)", "Label2(2)", "Label2(3)", "Label2(4)",
                             "Label2(5)"})
        QTest::newRow(name) << name << QString() << 9.0 << navy;
    QTest::newRow("Label8") << "Label8" << QString() << 9.75 << purple;
    QTest::newRow("Label6(0)") << "Label6(0)" << QString() << 9.75 << purple;
    QTest::newRow("Label6(1)") << "Label6(1)" << QString() << 9.75 << QColor(192, 0, 0);
}

// Fonts, colours and the short texts (the long ones are checked below).
void TestDescriptionLayout::labels()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(QColor, color);
    Description window(m_clock, nullptr, {});
    const auto *label = window.findChild<toolkit::Label *>(control);
    QVERIFY2(label, qPrintable(control));
    if (!text.isNull())
        QCOMPARE(label->text(), text);
    QCOMPARE(label->font(), toolkit::comicFont(points));
    QCOMPARE(label->textColor(), color);
    QVERIFY(label->autoFillBackground()); // opaque
    QVERIFY(label->wordWrap());
}

void TestDescriptionLayout::longTexts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("T1") << "Label2(0)"
        << "Algol (beta Persée) est la plus célèbre des étoiles variables, car "
        "ses variations rapides sont facilement détectables à l'oeil nu. ";
    QTest::newRow("T2") << "Label2(1)"
        << "En fait, elles sont dues aux éclipses mutuelles, vues depuis la "
        "terre, de deux étoiles très proches d'éclat différent et tournant "
        "l'une autour de l'autre en 2 jours 20 heures et 49 minutes "
        "précisément. ";
    QTest::newRow("T3") << "Label2(2)"
        << "C'est ce qu'on appelle une binaire à éclipses. ";
    QTest::newRow("T4") << "Label2(3)"
        << "Inutile de vouloir résoudre ce couple depuis la terre, puisqu'à cette "
        "distance, 93 années-lumière, aucun télescope ne permet de les "
        "dissocier l'une de l'autre. ";
    QTest::newRow("T5") << "Label2(4)"
        << "Le plan des deux étoiles est pratiquement dirigé vers la terre, d'où "
        "le fait que lorsque le compagnon plus sombre éclipse (presque "
        "totalement, à 80%) la plus brilllante, la chute d'éclat est très "
        "sensible (de magnitude 2,1 à 3,4). ";
    QTest::newRow("T6") << "Label2(5)"
        << "La chute puis la remontée d'éclat ne durent qu'environ 10 heures, et "
        "sur une nuit l'éclat varie très rapidement. Il est très facile de "
        "noter ces variations en comparant Algol à d'autres étoiles voisines "
        "et non variables, comme par exemple: (Aidez-vous en agrandissant la "
        "carte ci-contre)";
    QTest::newRow("T7") << "Label8"
        << "Le programme suivant donne les moments des minima primaires d'Algol "
        "(correspondant à 0 T). Quand un tel minimum se produit à la fin de la "
        "soirée ou au milieu de la nuit, il est possible de voir l'étoile "
        "diminuer d'intensité jusqu'à l'heure du minimum, puis ensuite revenir "
        "à sa pleine intensité. Les calculs sont basés sur une période de "
        "2,867315 jours.";
    QTest::newRow("T8") << "Label6(0)"
        << "Pour Localiser Algol. (L'oeil du démon, en Arabe). Dirigez vous face "
        "au nord et repérez la constellation de Cassiopée (En forme de ''W'') "
        "Il vous sera aisé de trouver ensuite Almach et Mirfak... Puis Algol...";
    QTest::newRow("T9") << "Label6(1)"
        << "Algol est Circumpolaire, c'est à dire qu'elle ne se couche jamais "
        "sous l'horizon aux latitudes de la France. Cependant, en début de "
        "soirée, c'est en hiver qu'elle culmine au zenith.";
}

void TestDescriptionLayout::longTexts()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    Description window(m_clock, nullptr, {});
    const auto *label = window.findChild<toolkit::Label *>(control);
    QVERIFY2(label, qPrintable(control));
    QCOMPARE(label->text(), text);
}

void TestDescriptionLayout::labelTextsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("control");
    for (const char *name : {"Label1", "Label2(0)", "Label2(1)", "Label2(2)", "Label2(3)",
                             "Label2(4)", "Label2(5)", "Label3(0)", "Label3(3)", "Label5", "Label4",
                             "Label7", "Label8", "Label6(0)", "Label6(1)"})
        QTest::newRow(name) << name;
}

// Wrapped at word boundaries, every line of every text lies inside its label.
void TestDescriptionLayout::labelTextsFitTheirBoxes()
{
    QFETCH(QString, control);
    Description window(m_clock, nullptr, {});
    const auto *label = window.findChild<toolkit::Label *>(control);
    QVERIFY(label);
    const QFontMetrics metrics(label->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                                              Qt::TextWordWrap, label->text());
    QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
             qPrintable(QStringLiteral("needs %1x%2 in %3x%4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(label->width())
                            .arg(label->height())));
}

void TestDescriptionLayout::buttons_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("accessKey");
    QTest::newRow("Command6") << "Command6" << "&Cartes" << QKeySequence(Qt::ALT | Qt::Key_C);
    QTest::newRow("Command4") << "Command4" << "&A Propos" << QKeySequence(Qt::ALT | Qt::Key_A);
    QTest::newRow("Command3") << "Command3" << "&Retour" << QKeySequence(Qt::ALT | Qt::Key_R);
    QTest::newRow("Command1") << "Command1" << "Carte des magnitudes" << QKeySequence();
    QTest::newRow("Command2") << "Command2" << "Cartes des noms" << QKeySequence();
    QTest::newRow("Command5") << "Command5" << "Localisation Générale" << QKeySequence();
}

void TestDescriptionLayout::buttons()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QKeySequence, accessKey);
    Description window(m_clock, nullptr, {});
    const auto *button = window.findChild<QPushButton *>(control);
    QVERIFY2(button, qPrintable(control));
    QCOMPARE(button->text(), text);
    QCOMPARE(button->shortcut(), accessKey);
    QCOMPARE(button->font(), toolkit::dialogFont());
    const QFontMetrics metrics(button->font());
    const QString shown = QString(text).remove(QLatin1Char('&'));
    QVERIFY2(metrics.horizontalAdvance(shown) + 6 <= button->width()
                 && metrics.height() <= button->height(),
             qPrintable(shown));
}

// Without pictures of its own the window shows neutral pictures of the designed sizes.
void TestDescriptionLayout::pictures()
{
    Description window(m_clock, nullptr, {});
    QCOMPARE(window.Image4->picture().size(), QSize(456, 296));
    QVERIFY(!window.Image4->stretch());
    QCOMPARE(window.Image4->size(), QSize(456, 296)); // the natural size fills the box exactly
    QCOMPARE(window.Image3->picture().size(), QSize(493, 359));
    QVERIFY(window.Image3->stretch());
    QCOMPARE(window.Image1->picture().size(), QSize(1024, 712));
    QVERIFY(window.Image1->stretch());
    QCOMPARE(window.Image2->picture().size(), QSize(1024, 712));
    QCOMPARE(window.Image5->picture().size(), QSize(1024, 712));
    QVERIFY(window.Image5->isHidden());
    QVERIFY(window.Picture1->isHidden());
    QVERIFY(window.Picture1->picture().isNull());
    // Image2 lies far outside the designed client area.
    QVERIFY(!QRect(0, 0, 1016, 734).intersects(window.Image2->geometry()));
}

void TestDescriptionLayout::picturesGivenAreShown()
{
    DescriptionPictures given;
    given.orbitPhases = filled(QSize(456, 296), Qt::darkGray);
    given.lightCurve = filled(QSize(493, 359), QColor(255, 250, 200));
    given.chartMagnitudes = filled(QSize(1024, 712), Qt::black);
    given.chartNames = filled(QSize(1024, 712), Qt::darkBlue);
    given.chartSky = filled(QSize(1024, 712), Qt::darkGreen);
    Description window(m_clock, nullptr, given);
    QCOMPARE(window.Image4->picture().toImage(), given.orbitPhases.toImage());
    QCOMPARE(window.Image3->picture().toImage(), given.lightCurve.toImage());
    QCOMPARE(window.Image1->picture().toImage(), given.chartMagnitudes.toImage());
    QCOMPARE(window.Image2->picture().toImage(), given.chartNames.toImage());
    QCOMPARE(window.Image5->picture().toImage(), given.chartSky.toImage());
    // The thumbnail shows its chart reduced to the box.
    const QImage shot = window.grab().toImage();
    QCOMPARE(shot.pixelColor(window.Image1->geometry().center()), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(window.Image3->geometry().center()), QColor(255, 250, 200));
}

void TestDescriptionLayout::shapes()
{
    Description window(m_clock, nullptr, {});
    QCOMPARE(window.Picture2->widthTwips(), 2910.0);
    QCOMPARE(window.Picture2->heightTwips(), 1380.0);
    const toolkit::CircleShape &a = *window.A;
    const toolkit::CircleShape &b = *window.B;
    QCOMPARE(QRectF(a.left(), a.top(), a.width(), a.height()), QRectF(1350, 525, 675, 735));
    QCOMPARE(QRectF(b.left(), b.top(), b.width(), b.height()), QRectF(840, 1155, 510, 540));
    QCOMPARE(a.fillColor(), QColor(255, 255, 0));
    QCOMPARE(b.fillColor(), QColor(255, 0, 0));
    QVERIFY(b.isInFrontOf(a));
    QVERIFY(window.Picture2->points().empty()); // the orbit comes with the start-up
}

void TestDescriptionLayout::timer()
{
    Description window(m_clock, nullptr, {});
    QCOMPARE(window.Timer1->interval(), 100);
    QVERIFY(window.Timer1->isEnabled());
}

void TestDescriptionLayout::stackingWithTheViewerOpen_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("seen");
    QTest::newRow("Command6 over the viewer") << "Command6" << "Command6";
    QTest::newRow("Command4 over the viewer") << "Command4" << "Command4";
    QTest::newRow("Command3 over the viewer") << "Command3" << "Command3";
    QTest::newRow("viewer over Picture2") << "Picture2" << "Picture1";
    QTest::newRow("viewer over Label8") << "Label8" << "Picture1";
    QTest::newRow("viewer over Image1") << "Image1" << "Picture1";
    QTest::newRow("viewer over Image4") << "Image4" << "Picture1";
}

// What lies under the centre of a control once the chart viewer covers the window.
void TestDescriptionLayout::stackingWithTheViewerOpen()
{
    QFETCH(QString, control);
    QFETCH(QString, seen);
    showInformationWindow(m_clock, nullptr);
    Description *window = loadedDescription();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QPoint centre = window->findChild<QWidget *>(control)->geometry().center();
    QCOMPARE(window->childAt(centre)->objectName(), control);
    QTest::mouseClick(window->Command6, Qt::LeftButton);
    QVERIFY(window->Picture1->isVisible());
    const QWidget *top = window->childAt(centre);
    QVERIFY(top);
    QCOMPARE(top->objectName(), seen);
}

void TestDescriptionLayout::keyboardOrder_data()
{
    QTest::addColumn<bool>("viewerOpen");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("viewer hidden") << false
                                   << QStringList{"Picture2", "Command3", "Command4", "Command6",
                                                  "Picture2"};
    QTest::newRow("viewer open") << true
                                 << QStringList{"Picture1", "Command1", "Command2", "Picture2",
                                                "Command3", "Command4", "Command5", "Command6",
                                                "Picture1"};
}

void TestDescriptionLayout::keyboardOrder()
{
    QFETCH(bool, viewerOpen);
    QFETCH(QStringList, order);
    showInformationWindow(m_clock, nullptr);
    Description *window = loadedDescription();
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (viewerOpen) {
        window->Command6_Click();
        window->Picture1->setFocus();
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
    }
}

QTEST_MAIN(TestDescriptionLayout)
#include "tst_descriptionlayout.moc"
