#include "settingsstore.h"

#include <QSettings>
#include <QStringList>

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
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, m_application);
    if (settings.status() != QSettings::NoError || !settings.isWritable())
        return false;
    settings.setValue(keyPath(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace toolkit
