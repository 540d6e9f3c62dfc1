#pragma once

// The information window. It covers the screen without a frame and carries texts on Algol, the
// orbit diagram and the light curve, a chart thumbnail that opens the full-screen chart viewer
// Picture1 (with its three chart buttons), and a small orbit animation in Picture2 that Timer1
// advances every 100 ms, hidden or not, for as long as the window is loaded. Each frame also moves
// the companion of the about window while that window is visible.
//
// The window exists in one instance at most: the program creates, shows and discards it through
// the functions of informationwindows.h.

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QPushButton;

namespace toolkit {
class CircleShape;
class Clock;
class Image;
class Label;
class PictureBox;
class Timer;
} // namespace toolkit

// The pictures the window shows. A null picture is replaced by a neutral one of the designed
// pixel size.
struct DescriptionPictures
{
    QPixmap orbitPhases;     // Image4: 456 x 296, natural size
    QPixmap lightCurve;      // Image3: 493 x 359, stretched
    QPixmap chartMagnitudes; // Image1: 1024 x 712, the thumbnail
    QPixmap chartNames;      // Image2: 1024 x 712, a picture source only
    QPixmap chartSky;        // Image5: 1024 x 712, a picture source only
};

class Description : public QWidget
{
    Q_OBJECT

public:
    // mainWindow is the window that "&Retour" brings back; it may be null.
    Description(toolkit::Clock &clock, QWidget *mainWindow, const DescriptionPictures &pictures);
    ~Description() override;

    // Start-up: places the chart viewer at the screen's size, then shows the window and draws the
    // animation's orbit.
    void Form_Load();

    // The chart viewer.
    void Image1_Click();
    void Command6_Click();
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
    void Picture1_Click();

    // Leaving the window.
    void Command3_Click();
    void Command4_Click();

    // The animation.
    void Timer1_Timer();

    // The pictures as the image controls hold them.
    DescriptionPictures pictures() const;

    // Form-level value: the animation's phase, 0.05, 0.10, ... 0.95, 0 in turn.
    double AnimationPhase = 0;

    // Controls, as laid out.
    toolkit::Label *const Label1;
    toolkit::Label *const Label2_0;
    toolkit::Label *const Label2_1;
    toolkit::Label *const Label2_2;
    toolkit::Label *const Label2_3;
    toolkit::Label *const Label2_4;
    toolkit::Label *const Label2_5;
    toolkit::Label *const Label3_0;
    toolkit::Label *const Label3_3;
    toolkit::PictureBox *const Picture2;
    toolkit::CircleShape *const A;
    toolkit::CircleShape *const B;
    toolkit::Image *const Image4;
    toolkit::Image *const Image3;
    toolkit::Label *const Label5;
    toolkit::Image *const Image1;
    toolkit::Image *const Image5;
    toolkit::Image *const Image2;
    toolkit::Label *const Label4;
    toolkit::Label *const Label7;
    toolkit::Label *const Label8;
    toolkit::Label *const Label6_0;
    toolkit::Label *const Label6_1;
    QPushButton *const Command6;
    QPushButton *const Command4;
    QPushButton *const Command3;
    toolkit::PictureBox *const Picture1;
    QPushButton *const Command1;
    QPushButton *const Command2;
    QPushButton *const Command5;
    toolkit::Timer *const Timer1;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void DrawAnimationPath();
    void ShowAnimationFrame();
    void showChart(const toolkit::Image &source);
    void placeChartButtons(double top);
    void applyStackingAndKeyboardOrder();

    toolkit::Clock &m_clock;
    const QPointer<QWidget> m_mainWindow;
};
