// The information window's chart viewer, its ways out, and its orbit animation.

#include "about.h"
#include "description.h"
#include "informationwindows.h"

#include "graphics.h"
#include "image.h"
#include "orbitview.h"
#include "picturebox.h"

#include <QCoreApplication>
#include <QScreen>

// The viewer always opens on the general chart; its buttons then switch between the three.
void Description::Image1_Click()
{
    showChart(*Image5);
}

void Description::Command6_Click()
{
    Image1_Click();
}

void Description::Command1_Click()
{
    showChart(*Image1);
}

void Description::Command2_Click()
{
    showChart(*Image2);
}

void Description::Command5_Click()
{
    showChart(*Image5);
}

void Description::showChart(const toolkit::Image &source)
{
    Picture1->setPicture(source.picture());
    Picture1->show();
}

void Description::Picture1_Click()
{
    Picture1->hide();
}

void Description::Command3_Click()
{
    if (m_mainWindow)
        bringToFront(*m_mainWindow);
    unloadDescription();
}

void Description::Command4_Click()
{
    hide();
    showAboutWindow([&clock = m_clock, mainWindow = m_mainWindow, pictures = pictures()] {
        showInformationWindow(clock, mainWindow, pictures);
    });
}

void Description::DrawAnimationPath()
{
    // Shown modeless and maximised; over the whole screen even where no window manager maximises.
    setGeometry(screen()->geometry());
    showMaximized();

    views::centrePrimary(*A, *Picture2);
    views::drawOrbitDots(*Picture2);
}

void Description::Timer1_Timer()
{
    AnimationPhase = AnimationPhase + 0.05;
    if (AnimationPhase > 1)
        AnimationPhase = 0;
    ShowAnimationFrame();
}

void Description::ShowAnimationFrame()
{
    const double p = AnimationPhase;
    views::placeCompanion(p, *A, *B, *Picture2);

    if (About *about = loadedAbout(); about && about->isVisible()) {
        about->B->setTop(B->top());
        about->B->setLeft(B->left());
        if (views::primaryInFront(p))
            about->A->bringToFront();
        else
            about->B->bringToFront();
    }

    // Last step: whatever runs here may unload this window, so nothing of it is touched after.
    QCoreApplication::processEvents();
}
