#include "datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

namespace listing {

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/algol");
}

QString defaultTimingsPath()
{
    return dataFolder() + QStringLiteral("/timings.csv");
}

QString defaultElementsPath()
{
    return dataFolder() + QStringLiteral("/elements.txt");
}

bool makeFolderOf(const QString &path, QString *reason)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo(folder).isDir())
        return true;
    // Each missing folder from the top down, with mkdir's own reason: QDir::mkpath keeps it to
    // itself.
    const QStringList parts = QDir::cleanPath(folder).split(QLatin1Char('/'));
    QString made;
    for (const QString &part : parts) {
        made += part + QLatin1Char('/');
        if (part.isEmpty() || QFileInfo(made).isDir())
            continue;
        if (::mkdir(QFile::encodeName(made).constData(), 0777) != 0 && errno != EEXIST) {
            if (reason)
                *reason = qt_error_string(errno);
            return false;
        }
    }
    return true;
}

} // namespace listing
