#pragma once

// What the tests of the information and about windows share.

#include "about.h"
#include "description.h"
#include "informationwindows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

namespace windowstest {

// Unloads both windows and runs the deferred deletions, as the end of an event loop would.
inline void discardInformationWindows()
{
    closeInformationWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A fixed moment; the windows never read the date, only the clock's timers.
inline QDateTime testMoment()
{
    return QDateTime(QDate(2007, 3, 15), QTime(21, 0));
}

} // namespace windowstest
