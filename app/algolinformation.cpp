// "Informations sur Algol": the information window, modeless, created when it is not loaded.

#include "algol.h"

#include "informationwindows.h"
#include "pictures.h"

void Algol::Command3_Click()
{
    using assets::Picture;
    // The pictures (three of them full-screen charts) are decoded only for a window to create.
    DescriptionPictures pictures;
    if (!loadedDescription())
        pictures = {assets::picture(Picture::OrbitPhases), assets::picture(Picture::LightCurve),
                    assets::picture(Picture::ChartMagnitudes), assets::picture(Picture::ChartNames),
                    assets::picture(Picture::ChartSky)};
    showInformationWindow(m_clock, this, pictures);
}
