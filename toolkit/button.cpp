#include "button.h"

#include "fonts.h"
#include "twips.h"

#include <QPushButton>

namespace toolkit {

QPushButton *commandButton(QWidget *parent, const QRect &pixels, const QString &text)
{
    auto *result = new QPushButton(text, parent);
    result->setGeometry(pixels);
    result->setFont(dialogFont());
    result->setAutoDefault(false);
    return result;
}

QPushButton *commandButton(QWidget *parent, double left, double top, double width, double height,
                           const QString &text)
{
    return commandButton(parent, pixelRectFromTwips(left, top, width, height), text);
}

} // namespace toolkit
