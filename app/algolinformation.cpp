// "Informations sur Algol": the information window, modeless, created when it is not loaded.

#include "algol.h"

#include "informationwindows.h"
#include "pictures.h"

void Algol::Command3_Click()
{
    using assets::Picture;
    showInformationWindow(m_clock, this,
                          {assets::picture(Picture::OrbitPhases), assets::picture(Picture::LightCurve),
                           assets::picture(Picture::ChartMagnitudes),
                           assets::picture(Picture::ChartNames), assets::picture(Picture::ChartSky)});
}
