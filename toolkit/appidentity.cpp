#include "appidentity.h"

#include "version.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace toolkit {

AppIdentity AppIdentity::current()
{
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    return {executable.absolutePath(), executable.completeBaseName(), kVersionMajor, kVersionMinor,
            kVersionRevision};
}

} // namespace toolkit
