// Real-time and edit modes. The mode is the enabled state of Timer1 and nothing else: every
// handler that depends on it reads Timer1 when it runs. Setting a field by program runs its
// change handler at once, nested; the mode tests keep those nested calls harmless.

#include "algol.h"

#include "beep.h"
#include "checkbox.h"
#include "colours.h"
#include "image.h"
#include "label.h"
#include "textfield.h"
#include "timer.h"

#include <QPushButton>

using toolkit::kNavy;
using toolkit::kRed;

void Algol::connectModeHandlers()
{
    connect(Timer1, &toolkit::Timer::timeout, this, &Algol::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &Algol::Command1_Click);
    connect(Text1, &QLineEdit::textChanged, this, &Algol::Text1_Change);
    connect(Text3, &QLineEdit::textChanged, this, &Algol::Text3_Change);
    connect(Text4, &QLineEdit::textChanged, this, &Algol::Text4_Change);
    connect(Text5, &QLineEdit::textChanged, this, &Algol::Text5_Change);
    connect(Text6, &QLineEdit::textChanged, this, &Algol::Text6_Change);
    connect(Text1, &toolkit::TextField::clicked, this, &Algol::Text1_Click);
    connect(Text3, &toolkit::TextField::clicked, this, &Algol::Text3_Click);
    connect(Text4, &toolkit::TextField::clicked, this, &Algol::Text4_Click);
    connect(Text5, &toolkit::TextField::clicked, this, &Algol::Text5_Click);
    // Every change of the value, by the user or by program.
    connect(Check1, &QCheckBox::toggled, this, &Algol::Check1_Click);
}

void Algol::Timer1_Timer()
{
    Check1->setChecked(true);
    Label11->setText(QStringLiteral("Position d'algol fournie en temps réel."));
    Label11->setTextColor(kNavy);
    setNowIntoFields();
    ComposeInstant();
}

void Algol::Command1_Click()
{
    Timer1->setEnabled(!Timer1->isEnabled());
    if (Timer1->isEnabled()) {
        Command1->setIcon(Image1->picture());
    } else {
        Command1->setIcon(Image2->picture());
        Label11->setText(QStringLiteral("Vous pouvez modifier les dates et heures."));
    }
}

void Algol::Text1_Change()
{
    if (Timer1->isEnabled())
        return;
    ComposeInstant();
    FillMonthList();
}

void Algol::Text3_Change()
{
    if (!Timer1->isEnabled())
        ComposeInstant();
}

void Algol::Text4_Change()
{
    if (!Timer1->isEnabled())
        ComposeInstant();
}

void Algol::Text5_Change()
{
    if (!Timer1->isEnabled())
        ComposeInstant();
}

void Algol::Text6_Change()
{
    if (Text2->text().isEmpty())
        return;
    ComposeInstant();
    FillMonthList();
}

void Algol::Text1_Click()
{
    if (Timer1->isEnabled())
        WarnRealTimeMode();
}

void Algol::Text3_Click()
{
    if (Timer1->isEnabled())
        WarnRealTimeMode();
}

void Algol::Text4_Click()
{
    if (Timer1->isEnabled())
        WarnRealTimeMode();
}

void Algol::Text5_Click()
{
    if (Timer1->isEnabled())
        WarnRealTimeMode();
}

void Algol::Check1_Click()
{
    FillMonthList();
    ComposeInstant();
    ComputeMinima();
}

void Algol::WarnRealTimeMode()
{
    Label11->setText(QStringLiteral("Vous êtes en ''Temps réel''."));
    Label11->setTextColor(kRed);
    toolkit::beep();
}
