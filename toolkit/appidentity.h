#pragma once

#include <QString>

namespace toolkit {

// Who the running program is: the folder of its executable, the executable's name without
// extension, and its version numbers.
struct AppIdentity
{
    QString folder;
    QString baseName;
    int major = 0;
    int minor = 0;
    int revision = 0;

    static AppIdentity current(); // needs a QCoreApplication
};

} // namespace toolkit
