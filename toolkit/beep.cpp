#include "beep.h"

#include <QApplication>

namespace toolkit {

void beep()
{
    QApplication::beep();
}

} // namespace toolkit
