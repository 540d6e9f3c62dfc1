// The settings store: an entry written as QSettings writes it (Qt 6.4 writes the section "Donnée"
// as "[Donn%E9e]"), read back by QSettings itself with the user's other entries, and on a full
// disk the file left as it was.

#include "settingsstore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class TestSettingsStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    toolkit::SettingsStore m_store{QStringLiteral("algol")};

    QByteArray contents() const
    {
        QFile file(m_config.filePath(QStringLiteral("algol.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void store(const QByteArray &bytes)
    {
        QFile file(m_config.filePath(QStringLiteral("algol.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config.path());
    }

    void keepsOtherEntries()
    {
        store("[Autre]\nTU=7\n\n[Donn%U00E9e]\nNote=vue\nTU=1\n\n[General]\nfenetre=2\n");
        QVERIFY(m_store.write(QStringLiteral("Donnée"), QStringLiteral("TU"), QStringLiteral("-3")));
        QVERIFY2(contents().contains("[Donn%E9e]\nNote=vue\nTU=-3\n"), contents().constData());
        QSettings settings(m_config.filePath(QStringLiteral("algol.ini")), QSettings::IniFormat);
        QStringList read;
        for (const QString &key : settings.allKeys())
            read << key + QLatin1Char('=') + settings.value(key).toString();
        QCOMPARE(read, (QStringList{"Autre/TU=7", "Donnée/Note=vue", "Donnée/TU=-3", "fenetre=2"}));
    }

    // A full disk, made by a file-size limit that lets the old file be copied but not the longer
    // new one be written (its signal ignored, so that the write fails with EFBIG).
    void fullDiskLeavesTheFile()
    {
        QByteArray before = "[Donn%E9e]\nTU=1\n\n[Notes]\n";
        for (int i = 0; before.size() < 2000; ++i)
            before += "note" + QByteArray::number(i) + "=une observation de plus\n";
        store(before);
        rlimit limit{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit full{rlim_t(before.size() + 1), limit.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
        const bool written = m_store.write(QStringLiteral("Donnée"), QStringLiteral("TU"), QStringLiteral("-12.5"));
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!written);
        QCOMPARE(contents(), before);
        QCOMPARE(QDir(m_config.path()).entryList(QDir::Files), QStringList{"algol.ini"});
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
