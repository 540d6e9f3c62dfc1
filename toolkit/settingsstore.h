#pragma once

#include <QString>

namespace toolkit {

// The per-user settings store: text entries by application, section and key, kept in an INI file
// in the user's configuration folder, named and encoded as QSettings names and encodes it
// (~/.config/<application>.ini, "[Donn%U00E9e]"). A write replaces the file whole or not at all,
// keeping the other entries; an unreadable or malformed file reads as if the entry were missing.
class SettingsStore
{
public:
    explicit SettingsStore(QString application);

    QString read(const QString &section, const QString &key, const QString &defaultValue) const;
    // False when the entry could not be stored; the file is then as it was.
    bool write(const QString &section, const QString &key, const QString &value);

private:
    QString m_application;
};

} // namespace toolkit
