#pragma once

#include <QString>

namespace toolkit {

// The per-user settings store: text entries by application, section and key, kept in an INI file
// in the user's configuration folder. Writes replace the file as a whole, never leaving it half
// written; an unreadable or malformed file reads as if the entry were missing.
class SettingsStore
{
public:
    explicit SettingsStore(QString application);

    QString read(const QString &section, const QString &key, const QString &defaultValue) const;
    // False when the entry could not be stored.
    bool write(const QString &section, const QString &key, const QString &value);

private:
    QString m_application;
};

} // namespace toolkit
