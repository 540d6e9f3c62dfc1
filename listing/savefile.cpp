#include "savefile.h"

#include <QSaveFile>

#include <cerrno>

namespace listing {

namespace {

bool failed(const QString &why, QString *reason)
{
    if (reason)
        *reason = why;
    return false;
}

} // namespace

bool saveWhole(const QString &path, const std::function<bool(QIODevice &device)> &write,
               QString *reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString(), reason);
    // Flushed and checked here: Qt 6.4's commit() puts the file in place even when its own final
    // flush fails, which leaves an empty or cut file on a full disk. Qt then says "Unknown
    // error": the system's own reason is kept instead.
    errno = 0;
    if (!write(file) || !file.flush()) {
        const QString why = errno != 0 ? qt_error_string(errno) : file.errorString();
        file.cancelWriting();
        return failed(why, reason);
    }
    return file.commit() || failed(file.errorString(), reason);
}

} // namespace listing
