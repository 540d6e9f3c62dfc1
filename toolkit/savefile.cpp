#include "savefile.h"

#include <QSaveFile>

namespace toolkit {

bool saveWhole(const QString &path, const std::function<bool(QIODevice &device)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Flushed and checked here: Qt 6.4's commit() puts the file in place even when its own final
    // flush fails, which leaves an empty or cut file on a full disk.
    if (!write(file) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace toolkit
