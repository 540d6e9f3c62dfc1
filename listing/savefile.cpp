#include "savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

// The translation context of the writer's own reasons.
class SaveFile
{
    Q_DECLARE_TR_FUNCTIONS(SaveFile)
};

namespace listing {

namespace {

bool failed(const QString &why, QString *reason)
{
    if (reason)
        *reason = why;
    return false;
}

// The signals that end a program from the terminal or the system, held back while this lives.
class SignalsHeld
{
public:
    SignalsHeld()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &m_before);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &m_before, nullptr); }
    SignalsHeld(const SignalsHeld &) = delete;
    SignalsHeld &operator=(const SignalsHeld &) = delete;

private:
    sigset_t m_before;
};

} // namespace

bool saveWhole(const QString &path, const std::function<bool(QIODevice &device)> &write,
               QString *reason)
{
    // What is there now, links followed: QSaveFile would put a regular file in place of a device,
    // a pipe or a loop of links.
    struct stat old;
    const bool exists = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    if (!exists && errno == ELOOP)
        return failed(qt_error_string(ELOOP), reason);
    if (exists && !S_ISREG(old.st_mode))
        return failed(SaveFile::tr("not a regular file"), reason);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString(), reason);
    // QSaveFile keeps the permissions; the owner and group are kept where the system permits.
    if (exists && fchown(file.handle(), old.st_uid, old.st_gid) != 0)
        (void)!fchown(file.handle(), uid_t(-1), old.st_gid);
    // Flushed and checked here: Qt 6.4's commit() puts the file in place even when its own final
    // flush fails, which leaves an empty or cut file on a full disk. Qt then says "Unknown
    // error": the system's own reason is kept instead.
    errno = 0;
    if (!write(file) || !file.flush()) {
        const QString why = errno != 0 ? qt_error_string(errno) : file.errorString();
        file.cancelWriting();
        return failed(why, reason);
    }
    const SignalsHeld held;
    return file.commit() || failed(file.errorString(), reason);
}

} // namespace listing
