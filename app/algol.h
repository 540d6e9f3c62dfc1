#pragma once

// The main window. Its fields are the state that its procedures share: the date and time fields
// (Text1, Text3, Text4, Text5) and the offset (Text6) are read to compose the instant, whose one
// authoritative copy is the Julian Day text of Text2; ComputeMinima reads Text2 and writes the next
// minimum (Text7), the phase (Text8) and the star views. The arithmetic itself lives in the
// ephemeris library; this class only reads controls, calls it and writes controls, in the order
// the behaviour requires.

#include "elements.h"
#include "regionalsettings.h"
#include "timescale.h"

#include <QWidget>

#include <optional>

class QListWidget;
class QPushButton;

namespace toolkit {
class CheckBox;
class CircleShape;
class Clock;
class Image;
class Label;
class LineShape;
class PictureBox;
class TextField;
class Timer;
} // namespace toolkit

class Algol : public QWidget
{
    Q_OBJECT

public:
    // The window reads the time from clock and converts texts with regional, both owned by the
    // caller and kept alive as long as the window.
    Algol(toolkit::Clock &clock, const ephemeris::RegionalSettings &regional,
          const ephemeris::Elements &elements = {}, QWidget *parent = nullptr);
    Algol(toolkit::Clock &, const ephemeris::RegionalSettings &&, const ephemeris::Elements & = {},
          QWidget * = nullptr) = delete; // the window would keep a reference to a temporary
    ~Algol() override;

    // Start-up and shutdown.
    void Form_Load();
    void Command2_Click();
    void Picture1_Click();
    void Image3_Click();

    // Real-time and edit modes.
    void Timer1_Timer();
    void Command1_Click();
    void Text1_Change();
    void Text3_Change();
    void Text4_Change();
    void Text5_Change();
    void Text6_Change();
    void Text1_Click();
    void Text3_Click();
    void Text4_Click();
    void Text5_Click();
    void Check1_Click();
    void WarnRealTimeMode();

    // Commands.
    void Command3_Click();
    void Command4_Click();
    void WriteYearList();
    // Where the yearly lists go: the program's folder when it is writable, else the user's
    // documents.
    static QString yearListFolder();

    // Procedures of the window.
    void FillMonthList();
    void DrawOrbitPath();
    void ComposeInstant();
    ephemeris::JulianDay ComposeInstantAt(const ephemeris::SerialDate &date,
                                          const float &timeOfDay);
    void ComputeMinima();
    void UpdateOrbitView();
    void UpdateLightCurveCursor();

    // Form-level values.
    double LastMinimum;
    QString InstantText;
    double CurrentPhase = 0;

    // Controls, as laid out.
    toolkit::TextField *const Text1;
    toolkit::TextField *const Text3;
    toolkit::Label *const Label1;
    toolkit::TextField *const Text4;
    toolkit::Label *const Label2;
    toolkit::TextField *const Text5;
    toolkit::Label *const Label3;
    toolkit::Label *const Label6;
    toolkit::TextField *const Text2;
    QPushButton *const Command1;
    toolkit::Label *const Label4;
    toolkit::TextField *const Text6;
    toolkit::Label *const Label5;
    toolkit::Label *const Label11;
    toolkit::TextField *const Text7;
    toolkit::Label *const Label7;
    toolkit::CheckBox *const Check1;
    toolkit::Label *const Label8;
    toolkit::TextField *const Text8;
    QListWidget *const List1;
    toolkit::PictureBox *const Picture1;
    toolkit::CircleShape *const A;
    toolkit::CircleShape *const B;
    toolkit::Label *const Label10;
    toolkit::Label *const Label9;
    QPushButton *const Command4;
    QPushButton *const Command3;
    QPushButton *const Command2;
    toolkit::PictureBox *const Picture2;
    toolkit::Image *const Image3;
    toolkit::LineShape *const Line1;
    toolkit::LineShape *const Line2;
    toolkit::LineShape *const Magnitude;
    toolkit::Image *const Image1;
    toolkit::Image *const Image2;
    toolkit::Timer *const Timer1;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override; // Form_Unload

private:
    void applyStackingAndKeyboardOrder();
    ephemeris::TimeScale fieldsTimeScale() const;
    std::optional<ephemeris::JulianDay> instantOfFields(const ephemeris::TimeScale &scale) const;
    std::optional<QString> shownInstant(ephemeris::JulianDay instant) const;
    void writeInstant(std::optional<ephemeris::JulianDay> instant);

    void setNowIntoFields();
    void connectModeHandlers();

    toolkit::Clock &m_clock;
    const ephemeris::RegionalSettings &m_regional;
    const ephemeris::Elements m_elements;
};
