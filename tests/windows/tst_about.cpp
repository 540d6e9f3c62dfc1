// The about window: caption, size and controls, its start-up with the dotted orbit, the two links
// and "Retour". The links are captured instead of being handed to the desktop.

#include "windowstest.h"

#include "clickablelabel.h"
#include "fonts.h"
#include "graphics.h"
#include "label.h"
#include "picturebox.h"
#include "shellopen.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QTextLayout>

class TestAbout : public QObject
{
    Q_OBJECT

    QStringList m_opened;
    int m_informationShown = 0;
    bool m_aboutGoneWhenInformationShown = false;

    About *open()
    {
        showAboutWindow([this] {
            ++m_informationShown;
            m_aboutGoneWhenInformationShown = !loadedAbout();
        });
        About *about = loadedAbout();
        if (about && !QTest::qWaitForWindowExposed(about))
            return nullptr;
        return about;
    }

private slots:
    void initTestCase()
    {
        toolkit::registerBundledFonts();
        toolkit::setUrlOpener([this](const QString &url) {
            m_opened.append(url);
            return true;
        });
    }
    void cleanupTestCase() { toolkit::setUrlOpener({}); }
    void init()
    {
        m_opened.clear();
        m_informationShown = 0;
    }
    void cleanup() { windowstest::discardInformationWindows(); }

    void window();
    void geometry_data();
    void geometry();
    void labels_data();
    void labels();
    void labelTextsFitTheirBoxes_data();
    void labelTextsFitTheirBoxes();
    void linksShowTheirWholeText();
    void noticeFillsTwoLines();
    void keyboardOrder();
    void startUpCentresAAndDrawsTheOrbit();
    void startUpBlendsThePictureIntoTheWindow();
    void mailLink();
    void webLink();
    void dotsStayWhenCoveredAndUncovered();
    void retourUnloadsThenShowsTheInformationWindow();
};

void TestAbout::window()
{
    About *about = open();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("A Propos... Version 2."));
    QCOMPARE(about->size(), QSize(450, 365));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(about->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
    // Centred on the 1024 x 768 screen.
    const QPoint centre = about->frameGeometry().center();
    QVERIFY2(std::abs(centre.x() - 512) <= 1 && std::abs(centre.y() - 384) <= 1,
             qPrintable(QStringLiteral("%1, %2").arg(centre.x()).arg(centre.y())));
}

void TestAbout::geometry_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Label1(0)") << "Label1(0)" << QRect(21, 24, 409, 68);
    QTest::newRow("Picture2") << "Picture2" << QRect(128, 105, 194, 92);
    QTest::newRow("Label1(1)") << "Label1(1)" << QRect(21, 207, 409, 58);
    QTest::newRow("Command1") << "Command1" << QRect(33, 333, 389, 28);
    // The links are sized to their texts from their designed corner.
    QTest::newRow("Label2") << "Label2" << QRect(124, 272, -1, -1);
    QTest::newRow("Label3") << "Label3" << QRect(135, 303, -1, -1);
}

void TestAbout::geometry()
{
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    About *about = open();
    QVERIFY(about);
    const auto *widget = about->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    if (pixels.width() < 0)
        QCOMPARE(widget->pos(), pixels.topLeft());
    else
        QCOMPARE(widget->geometry(), pixels);
}

void TestAbout::labels_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QColor>("color");
    QTest::newRow("Label1(0)")
        << "Label1(0)"
        << "Certaines infos et images ont été pompées sur des sites du oueb, merci les auteurs. "
        << toolkit::comicFont(14.25) << QColor(128, 0, 128);
    QTest::newRow("Label1(1)") << "Label1(1)" << QString() << toolkit::comicFont(12)
                               << QGuiApplication::palette().color(QPalette::ButtonText);
    QTest::newRow("Label2") << "Label2" << "Envoyer un coucou à l'auteur..."
                            << toolkit::arialFont(12, true) << QColor(0, 0, 255);
    QTest::newRow("Label3") << "Label3" << "Visiter le site de l'auteur..."
                            << toolkit::arialFont(12, true) << QColor(0, 0, 255);
}

void TestAbout::labels()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QFont, font);
    QFETCH(QColor, color);
    About *about = open();
    QVERIFY(about);
    const auto *label = about->findChild<toolkit::Label *>(control);
    QVERIFY2(label, qPrintable(control));
    if (!text.isNull())
        QCOMPARE(label->text(), text);
    QCOMPARE(label->font(), font);
    QCOMPARE(label->textColor(), color);
}

void TestAbout::labelTextsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QSize>("designed");
    QTest::newRow("Label1(0)") << "Label1(0)" << QSize(409, 68);
    QTest::newRow("Label1(1)") << "Label1(1)" << QSize(409, 58);
}

// Wrapped at word boundaries inside the designed box.
void TestAbout::labelTextsFitTheirBoxes()
{
    QFETCH(QString, control);
    QFETCH(QSize, designed);
    About *about = open();
    QVERIFY(about);
    const auto *label = about->findChild<toolkit::Label *>(control);
    QVERIFY(label);
    QCOMPARE(label->size(), designed);
    const QFontMetrics metrics(label->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, designed.width(), 10000),
                                              Qt::TextWordWrap, label->text());
    QVERIFY2(needed.width() <= designed.width() && needed.height() <= designed.height(),
             qPrintable(QStringLiteral("needs %1x%2 in %3x%4")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(designed.width())
                            .arg(designed.height())));
}

// The links are sized to their texts: one line, shown whole, inside the window.
void TestAbout::linksShowTheirWholeText()
{
    About *about = open();
    QVERIFY(about);
    for (const toolkit::ClickableLabel *link : {about->Label2, about->Label3}) {
        const QFontMetrics metrics(link->font());
        QVERIFY2(link->width() >= metrics.horizontalAdvance(link->text())
                     && link->height() >= metrics.height(),
                 qPrintable(link->text()));
        QVERIFY(about->rect().contains(link->geometry()));
    }
}

// The distribution notice: a French sentence of about 95 characters on two lines of its label.
void TestAbout::noticeFillsTwoLines()
{
    About *about = open();
    QVERIFY(about);
    const QString notice = about->Label1_1->text();
    QVERIFY2(notice.size() >= 85 && notice.size() <= 105, qPrintable(notice));
    QTextLayout layout(notice, about->Label1_1->font());
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrapping);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(about->Label1_1->width());
        ++lines;
    }
    layout.endLayout();
    QCOMPARE(lines, 2);
}

void TestAbout::keyboardOrder()
{
    About *about = open();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(QApplication::focusWidget(), about->Command1);
    QTest::keyClick(about->Command1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), about->Picture2);
}

void TestAbout::startUpCentresAAndDrawsTheOrbit()
{
    About *about = open();
    QVERIFY(about);
    QCOMPARE(about->A->left(), 1117.5f);
    QCOMPARE(about->A->top(), 322.5f);
    QVERIFY(about->A->isInFrontOf(*about->B));
    QCOMPARE(about->B->left(), 840.0f); // B keeps its designed place until a frame moves it
    QCOMPARE(about->B->top(), 1155.0f);
    const auto &dots = about->Picture2->points();
    QCOMPARE(dots.size(), std::size_t(361));
    // A flat ellipse from 455 to 2455 twips across and 590 to 790 down, the last dot on the first.
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (const QPointF &dot : dots) {
        left = std::min(left, dot.x());
        right = std::max(right, dot.x());
        top = std::min(top, dot.y());
        bottom = std::max(bottom, dot.y());
    }
    QVERIFY(std::abs(left - 455) < 0.01 && std::abs(right - 2455) < 0.01);
    QVERIFY(std::abs(top - 590) < 0.01 && std::abs(bottom - 790) < 0.01);
    QVERIFY(std::abs(dots.front().x() - dots.back().x()) < 0.01);
    QVERIFY(std::abs(dots.front().y() - dots.back().y()) < 0.01);
}

void TestAbout::startUpBlendsThePictureIntoTheWindow()
{
    About *about = open();
    QVERIFY(about);
    const QImage shot = about->grab().toImage();
    const QPoint corner = about->Picture2->geometry().topLeft() + QPoint(2, 2);
    QCOMPARE(shot.pixelColor(corner), about->palette().color(QPalette::Window));
    QCOMPARE(shot.pixelColor(corner), shot.pixelColor(QPoint(5, 5)));
}

void TestAbout::mailLink()
{
    About *about = open();
    QVERIFY(about);
    QTest::mouseClick(about->Label2, Qt::LeftButton);
    // The subject: this test's executable name and the project's version 1.1.0.
    const QString expected =
        QStringLiteral("mailto:" ALGOL_AUTHOR_MAIL "?subject=tst_about V1.1.0");
    QCOMPARE(m_opened, QStringList{expected});
    QTest::mouseClick(about->Label2, Qt::LeftButton);
    QCOMPARE(m_opened, QStringList({expected, expected}));
    QCOMPARE(loadedAbout(), about);
    QVERIFY(about->isVisible());
}

void TestAbout::webLink()
{
    About *about = open();
    QVERIFY(about);
    QTest::mouseClick(about->Label3, Qt::LeftButton);
    QCOMPARE(m_opened, QStringList{QStringLiteral("http://" ALGOL_AUTHOR_WEB)});
}

// Every dot that no star covers is seen, also after another window has covered the about window.
void TestAbout::dotsStayWhenCoveredAndUncovered()
{
    About *about = open();
    QVERIFY(about);
    QWidget cover;
    cover.setGeometry(about->geometry());
    cover.show();
    cover.raise();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    cover.hide();
    about->raise();
    about->activateWindow();

    const QImage shot = about->Picture2->grab().toImage();
    const QColor ink = about->palette().color(QPalette::WindowText);
    const auto covered = [&](QPointF pixel) {
        for (const toolkit::CircleShape *star : {about->A, about->B}) {
            const QRectF box(star->left() / 15.0 - 1, star->top() / 15.0 - 1,
                             star->width() / 15.0 + 2, star->height() / 15.0 + 2);
            if (box.contains(pixel))
                return true;
        }
        return false;
    };
    int seen = 0;
    for (const QPointF &dot : about->Picture2->points()) {
        const QPointF pixel = dot / 15.0;
        if (covered(pixel))
            continue;
        QCOMPARE(shot.pixelColor(int(std::floor(pixel.x())), int(std::floor(pixel.y()))), ink);
        ++seen;
    }
    QVERIFY2(seen > 250, qPrintable(QString::number(seen)));
}

void TestAbout::retourUnloadsThenShowsTheInformationWindow()
{
    About *about = open();
    QVERIFY(about);
    const QPointer<About> guard(about);
    QTest::mouseClick(about->Command1, Qt::LeftButton);
    QCOMPARE(m_informationShown, 1);
    QVERIFY(m_aboutGoneWhenInformationShown);
    QVERIFY(!guard->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    // Created anew, with a fresh start-up.
    About *again = open();
    QVERIFY(again);
    QCOMPARE(again->Picture2->points().size(), std::size_t(361));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
