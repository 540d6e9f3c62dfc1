#include "fonts.h"

#include <QFontDatabase>

#include <cmath>

namespace toolkit {

namespace {

constexpr auto kComicFamily = "Comic Neue";
constexpr auto kSansFamily = "Liberation Sans";
constexpr double kDialogPoints = 8.25; // MS Sans Serif 8.25 pt

QFont fontOf(const char *family, double points)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

void registerBundledFonts()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/ComicNeue-Regular.otf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
}

QFont comicFont(double points)
{
    return fontOf(kComicFamily, points);
}

QFont dialogFont()
{
    return fontOf(kSansFamily, kDialogPoints);
}

QFont arialFont(double points, bool underline)
{
    QFont font = fontOf(kSansFamily, points);
    font.setUnderline(underline);
    return font;
}

} // namespace toolkit
