#include "settingsstore.h"

#include "savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

namespace toolkit {

namespace {

QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

SettingsStore::SettingsStore(QString application) : m_application(std::move(application)) {}

QString SettingsStore::read(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, m_application);
    if (settings.status() != QSettings::NoError)
        return defaultValue;
    const QVariant value = settings.value(keyPath(section, key));
    if (!value.isValid())
        return defaultValue;
    // An INI value with commas reads as a list; the entry is the text as it was written.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    // QSettings (Qt 6.4) can cut its file on a full disk and still report success. So it merges
    // the entry into a copy of the file in a folder of its own; the result, read back under
    // another name (QSettings keeps what it wrote for the name it wrote), must hold every entry
    // before its bytes replace the file through saveWhole.
    const QString path = QSettings(QSettings::IniFormat, QSettings::UserScope, m_application).fileName();
    QSettings::SettingsMap expected;
    {
        const QSettings current(path, QSettings::IniFormat);
        if (current.status() != QSettings::NoError)
            return false;
        for (const QString &name : current.allKeys())
            expected.insert(name, current.value(name));
    }
    expected.insert(keyPath(section, key), value);

    const QTemporaryDir scratch;
    const QString merged = scratch.filePath(QStringLiteral("merged.ini"));
    const QString written = scratch.filePath(QStringLiteral("written.ini"));
    if (!scratch.isValid() || (QFile::exists(path) && !QFile::copy(path, merged)))
        return false;
    {
        QSettings settings(merged, QSettings::IniFormat);
        settings.setValue(keyPath(section, key), value);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    if (!QFile::rename(merged, written))
        return false;
    const QSettings check(written, QSettings::IniFormat);
    if (check.status() != QSettings::NoError || check.allKeys().size() != expected.size())
        return false;
    for (auto entry = expected.cbegin(); entry != expected.cend(); ++entry) {
        if (check.value(entry.key()) != entry.value())
            return false;
    }
    QFile file(written);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    return QDir().mkpath(QFileInfo(path).absolutePath())
        && listing::saveWhole(path, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

} // namespace toolkit
