#include "twips.h"

#include <cmath>

namespace toolkit {

QRect pixelRectFromTwips(double left, double top, double width, double height)
{
    const int x0 = int(std::lround(pixelsFromTwips(left)));
    const int y0 = int(std::lround(pixelsFromTwips(top)));
    const int x1 = int(std::lround(pixelsFromTwips(left + width)));
    const int y1 = int(std::lround(pixelsFromTwips(top + height)));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

QRectF pixelRectFFromTwips(double left, double top, double width, double height)
{
    return QRectF(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                  pixelsFromTwips(height));
}

QPointF pixelPointFromTwips(double x, double y)
{
    return QPointF(pixelsFromTwips(x), pixelsFromTwips(y));
}

} // namespace toolkit
