// The main window as laid out: size, places, texts, fonts, stacking and keyboard order.

#include "algol.h"
#include "checkbox.h"
#include "clock.h"
#include "fonts.h"
#include "graphics.h"
#include "image.h"
#include "label.h"
#include "picturebox.h"
#include "textfield.h"
#include "timer.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class TestAlgolLayout : public QObject
{
    Q_OBJECT

    toolkit::ManualClock m_clock{QDateTime(QDate(2007, 3, 15), QTime(14, 0))};
    const ephemeris::RegionalSettings m_regional = ephemeris::RegionalSettings::french();

private slots:
    void initTestCase() { toolkit::registerBundledFonts(); }
    void window();
    void geometry_data();
    void geometry();
    void labelTextsFitTheirBoxes_data();
    void labelTextsFitTheirBoxes();
    void buttonAndCheckBoxTextsFit();
    void stateAtCreation();
    void shapesAndLines();
    void stacking();
    void keyboardOrder();
    void enterPressesTheDefaultButton_data();
    void enterPressesTheDefaultButton();
};

void TestAlgolLayout::window()
{
    Algol window(m_clock, m_regional);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Tavrelo"));
    QCOMPARE(window.size(), QSize(449, 349));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    // Centred on the screen when first shown, and left where it was put afterwards.
    const QPoint centre = window.frameGeometry().center();
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    QVERIFY2((centre - screenCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("window centre %1, %2; screen centre %3, %4")
                            .arg(centre.x())
                            .arg(centre.y())
                            .arg(screenCentre.x())
                            .arg(screenCentre.y())));
    window.move(10, 20);
    window.hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.pos(), QPoint(10, 20));
}

// Twips / 15 = pixels.
void TestAlgolLayout::geometry_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Text1") << "Text1" << QRect(24, 8, 215, 19);
    QTest::newRow("Text3") << "Text3" << QRect(257, 8, 26, 19);
    QTest::newRow("Text2") << "Text2" << QRect(24, 48, 212, 19);
    QTest::newRow("Command1") << "Command1" << QRect(263, 42, 97, 33);
    QTest::newRow("Text6") << "Text6" << QRect(404, 54, 24, 19);
    QTest::newRow("Label11") << "Label11" << QRect(265, 78, 164, 30);
    QTest::newRow("List1") << "List1" << QRect(323, 131, 122, 160);
    QTest::newRow("Picture1") << "Picture1" << QRect(25, 149, 194, 141);
    QTest::newRow("Label9") << "Label9" << QRect(13, 294, 366, 18);
    QTest::newRow("Command3") << "Command3" << QRect(28, 320, 357, 27);
    QTest::newRow("Command2") << "Command2" << QRect(393, 320, 51, 27);
    QTest::newRow("Picture2 before start-up") << "Picture2" << QRect(667, 24, 467, 303);
    QTest::newRow("Image3") << "Image3" << QRect(0, 0, 460, 296);
}

void TestAlgolLayout::geometry()
{
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    Algol window(m_clock, m_regional);
    const auto *widget = window.findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    QCOMPARE(widget->geometry(), pixels);
}

void TestAlgolLayout::labelTextsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("control");
    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
                             "Label8", "Label9", "Label10", "Label11"})
        QTest::newRow(name) << name;
}

void TestAlgolLayout::labelTextsFitTheirBoxes()
{
    QFETCH(QString, control);
    Algol window(m_clock, m_regional);
    const auto *label = window.findChild<toolkit::Label *>(control);
    QVERIFY(label);
    const QFontMetrics metrics(label->font());
    const QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), QSize(label->width(), 10000)),
                                              Qt::TextWordWrap, label->text());
    // Every line must show whole down to its baseline; only the descent of the last line may be
    // cut, as with the designed font (a 12-pixel box for the 8.25 pt "s").
    const int lines = needed.height() / metrics.lineSpacing();
    const int visibleHeight = (lines - 1) * metrics.lineSpacing() + metrics.ascent();
    QVERIFY2(needed.width() <= label->width() && visibleHeight <= label->height(),
             qPrintable(QStringLiteral("%1 needs %2x%3 in %4x%5")
                            .arg(label->text())
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(label->width())
                            .arg(label->height())));
}

void TestAlgolLayout::buttonAndCheckBoxTextsFit()
{
    Algol window(m_clock, m_regional);
    for (const QPushButton *button : {window.Command2, window.Command3, window.Command4}) {
        const QFontMetrics metrics(button->font());
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        QVERIFY2(metrics.horizontalAdvance(text) + 6 <= button->width() &&
                     metrics.height() <= button->height(),
                 qPrintable(text));
    }
    const QFontMetrics metrics(window.Check1->font());
    const int textWidth = window.Check1->width() - 20; // the box and its gap
    const QRect needed = metrics.boundingRect(QRect(0, 0, textWidth, 10000), Qt::TextWordWrap,
                                              window.Check1->text());
    QVERIFY2(needed.height() <= window.Check1->height(), qPrintable(QString::number(needed.height())));
}

void TestAlgolLayout::stateAtCreation()
{
    Algol window(m_clock, m_regional);
    QCOMPARE(window.Text6->text(), QStringLiteral("1"));
    for (const QLineEdit *field : {window.Text1, window.Text2, window.Text3, window.Text4,
                                   window.Text5, window.Text7, window.Text8})
        QVERIFY(field->text().isEmpty());
    QVERIFY(window.Check1->isChecked());
    QCOMPARE(window.List1->count(), 0);
    QVERIFY(window.Command1->icon().isNull());
    QVERIFY(window.Picture2->isHidden());
    QCOMPARE(window.Label9->text(), QStringLiteral("Algol"));
    QCOMPARE(window.Label11->text(), QStringLiteral("Position d'algol fournie en temps réel."));
    QCOMPARE(window.Label11->textColor(), QColor(0, 0, 128));
    QCOMPARE(window.Text1->alignment(), Qt::AlignCenter);
    QCOMPARE(window.Text2->alignment(), Qt::AlignCenter);
    QCOMPARE(window.Timer1->interval(), 1000);
    // The stopwatch images lie outside the client area.
    QVERIFY(!window.rect().intersects(window.Image1->geometry()));
    QVERIFY(!window.rect().intersects(window.Image2->geometry()));
    QVERIFY(window.Image3->stretch());
    window.Picture1_Click();
    QCOMPARE(window.Image3->picture().size(), QSize(493, 359));
    QCOMPARE(window.Image1->picture().size(), QSize(32, 32));
    QVERIFY(window.Check1->toolTip().startsWith(QStringLiteral("Inactif si mode")));
    QVERIFY(window.Command4->toolTip().startsWith(QStringLiteral("Création d'un fichier")));
}

void TestAlgolLayout::shapesAndLines()
{
    Algol window(m_clock, m_regional);
    QCOMPARE(window.A->left(), 1350.0f);
    QCOMPARE(window.A->width(), 675.0f);
    QCOMPARE(window.B->height(), 540.0f);
    QVERIFY(window.A->isInFrontOf(*window.B));
    QCOMPARE(window.Line1->x1(), 1425.0f);
    QCOMPARE(window.Line2->x1(), 6420.0f);
    QCOMPARE(window.Magnitude->x1(), -960.0f);
    QCOMPARE(window.Magnitude->y1(), 720.0f);
    QCOMPARE(window.Magnitude->y2(), 3885.0f);
    QVERIFY(window.Magnitude->isInFrontOf(*window.Line2));
    QVERIFY(window.Line2->isInFrontOf(*window.Line1));
    QCOMPARE(window.Picture1->widthTwips(), 2910.0);
    QCOMPARE(window.Picture1->heightTwips(), 2115.0);
}

void TestAlgolLayout::stacking()
{
    Algol window(m_clock, m_regional);
    const auto indexOf = [&](const QWidget *w) { return window.children().indexOf(w); };
    // Front to back: a later child is painted over an earlier one.
    const QWidget *const frontToBack[] = {window.Command4, window.Command3, window.Picture2,
                                          window.Command2, window.Command1, window.Picture1,
                                          window.List1, window.Text1, window.Text2,
                                          window.Text7, window.Text8, window.Check1,
                                          window.Text6, window.Text5, window.Text4, window.Text3};
    for (std::size_t i = 1; i < std::size(frontToBack); ++i)
        QVERIFY2(indexOf(frontToBack[i - 1]) > indexOf(frontToBack[i]),
                 qPrintable(frontToBack[i - 1]->objectName()));
    for (const toolkit::Label *label : {window.Label9, window.Label10, window.Label11})
        QVERIFY(indexOf(label) < indexOf(window.Text3));
}

void TestAlgolLayout::keyboardOrder()
{
    Algol window(m_clock, m_regional);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.Command3);
    const QWidget *const order[] = {window.Text3, window.Text4, window.Text5, window.Text6,
                                    window.Check1, window.Text8, window.Text7, window.Text2,
                                    window.Text1, window.List1, window.Picture1, window.Command1,
                                    window.Command2, window.Command4, window.Command3};
    // Picture2 is hidden, so Tab skips it.
    for (const QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
}

void TestAlgolLayout::enterPressesTheDefaultButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void TestAlgolLayout::enterPressesTheDefaultButton()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Algol window(m_clock, m_regional);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy spy(window.Command3, &QPushButton::clicked);
    window.Text5->setFocus();
    QTest::keyClick(window.Text5, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY2(spy.count() == 1,
                 qPrintable(QStringLiteral("%1 in Text5 pressed the default button %2 times")
                                .arg(QLatin1String(QTest::currentDataTag()))
                                .arg(spy.count())));
}

QTEST_MAIN(TestAlgolLayout)
#include "tst_algollayout.moc"
