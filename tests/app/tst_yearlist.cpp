// "Liste annuelle": the prompt for the year, the file's exact bytes and the window's side effects.

#include "algol.h"
#include "checkbox.h"
#include "clock.h"
#include "fonts.h"
#include "textfield.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <deque>

#include <sys/resource.h>

namespace {

// Answers the year prompt each time it appears: a text to accept, or nothing for Cancel. A prompt
// that comes back after the last answer would wait for ever: the test ends at once, saying why.
class PromptAnswerer : public QObject
{
public:
    explicit PromptAnswerer(std::deque<std::optional<QString>> answers)
        : m_answers(std::move(answers))
    {
        poll();
    }
    void stop() { m_stopped = true; } // the command has returned; later prompts are not its own
    int promptsSeen() const { return m_prompts; }
    QStringList defaults() const { return m_defaults; }
    QStringList buttonTexts() const { return m_buttons; }
    QString title() const { return m_title; }
    QString label() const { return m_label; }

private:
    void poll()
    {
        QTimer::singleShot(5, this, [this] {
            if (m_stopped)
                return;
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (dialog && dialog->isVisible() && m_answers.empty()) {
                qFatal("The year prompt came back after its last answer \"%s\": that year was "
                       "refused",
                       qPrintable(m_lastAnswer.value_or(QStringLiteral("(Cancel)"))));
            }
            if (dialog && dialog->isVisible()) {
                ++m_prompts;
                m_defaults << dialog->textValue();
                m_title = dialog->windowTitle();
                m_label = dialog->labelText();
                m_buttons.clear();
                for (const QPushButton *button : dialog->findChildren<QPushButton *>())
                    m_buttons << button->text();
                const std::optional<QString> answer = m_answers.front();
                m_answers.pop_front();
                m_lastAnswer = answer;
                if (answer) {
                    dialog->setTextValue(*answer);
                    dialog->accept();
                } else {
                    dialog->reject();
                }
            }
            poll();
        });
    }

    std::deque<std::optional<QString>> m_answers;
    std::optional<QString> m_lastAnswer;
    bool m_stopped = false;
    int m_prompts = 0;
    QStringList m_defaults;
    QStringList m_buttons;
    QString m_title;
    QString m_label;
};

// Set in the environment of the child that writes a list under a file-size limit.
constexpr char kChildVariable[] = "ALGOL_TEST_YEAR_LIST_CHILD";

const QDateTime kMidnight(QDate(2009, 6, 20), QTime(0, 0, 0));
const ephemeris::RegionalSettings kFrench = ephemeris::RegionalSettings::french();

QString listPath(int year)
{
    return QDir(Algol::yearListFolder()).filePath(QStringLiteral("Algol%1.txt").arg(year));
}

// Runs the command in UT or local time, with the given answers to the prompt.
void writeList(Algol &window, bool local, const QString &offset,
               std::deque<std::optional<QString>> answers, PromptAnswerer **answerer = nullptr)
{
    window.Command1_Click(); // edit mode, so that no tick changes the fields meanwhile
    window.Text6->setText(offset);
    window.Check1->setChecked(local);
    auto *prompt = new PromptAnswerer(std::move(answers));
    prompt->setParent(&window);
    window.Command4->click();
    prompt->stop();
    if (answerer)
        *answerer = prompt;
}

// The child's whole work: the 2007 list in UT, as "Liste annuelle" writes it.
int writeListAsChild()
{
    toolkit::registerBundledFonts();
    toolkit::ManualClock clock(kMidnight);
    Algol window(clock, kFrench);
    writeList(window, false, QStringLiteral("1"), {QStringLiteral("2007")});
    return 0;
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray reference(const char *name)
{
    return contentsOf(QStringLiteral(ALGOL_TEST_DATA "/") + QLatin1String(name));
}

} // namespace

class TestYearList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    toolkit::ManualClock m_clock{kMidnight};

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config.path());
        toolkit::registerBundledFonts();
        QVERIFY(QFileInfo(Algol::yearListFolder()).isWritable());
    }
    void init()
    {
        for (const int year : {1972, 2007, 9998})
            QFile::remove(listPath(year));
    }

    void exactBytes_data();
    void exactBytes();
    void promptRefusals();
    void secondRunReplacesTheFile();
    void windowShowsFirstOfJanuary();
    void laterTimeOfDayStartsLater_data();
    void laterTimeOfDayStartsLater();
    void lastYearThatCanComplete();
    void fullDiskLeavesTheFolderAsItWas_data();
    void fullDiskLeavesTheFolderAsItWas();
};

void TestYearList::exactBytes_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QString>("reference");
    // 127 lines from 02/01/2007  11:14:57 to 29/12/2007  18:00:35, then the empty line.
    QTest::newRow("2007 UT") << "2007" << false << "1" << "Algol2007-UT.txt";
    // 1 January 1972 lies before the epoch: the list starts with it, 08/10/1972  02:35:31.
    QTest::newRow("1972 UT") << "1972" << false << "1" << "Algol1972-UT.txt";
    // Local time two hours ahead: every line two hours later; the year is still the UT year.
    QTest::newRow("2007 local +2") << "2007" << true << "2" << "Algol2007-local+2.txt";
}

void TestYearList::exactBytes()
{
    QFETCH(QString, year);
    QFETCH(bool, local);
    QFETCH(QString, offset);
    QFETCH(QString, reference);
    Algol window(m_clock, kFrench);
    window.Form_Load();
    writeList(window, local, offset, {year});
    const QByteArray written = contentsOf(listPath(year.toInt()));
    QCOMPARE(written, ::reference(qPrintable(reference)));
    QVERIFY(written.endsWith("\r\n\r\n"));
}

void TestYearList::promptRefusals()
{
    Algol window(m_clock, kFrench);
    window.Form_Load();
    PromptAnswerer *prompt = nullptr;
    writeList(window, false, QStringLiteral("1"),
              {QStringLiteral("1971"), std::nullopt, QString(), QStringLiteral("deux mille"),
               QStringLiteral("9999"), QStringLiteral("2007,5"), QStringLiteral("../2007"),
               QStringLiteral("-2007"), QStringLiteral("2007")},
              &prompt);
    QCOMPARE(prompt->promptsSeen(), 9);
    QCOMPARE(prompt->title(), QStringLiteral("Edition"));
    QCOMPARE(prompt->label(), QStringLiteral("Année"));
    // Each prompt offers the current year again.
    QCOMPARE(prompt->defaults(), QStringList(9, QStringLiteral("2009")));
    QVERIFY(prompt->buttonTexts().contains(QStringLiteral("OK")));
    QVERIFY(prompt->buttonTexts().contains(QStringLiteral("Annuler")));
    QCOMPARE(contentsOf(listPath(2007)), reference("Algol2007-UT.txt"));
    // Nothing was written outside the folder, nor for the refused answers.
    QVERIFY(!QFile::exists(QDir(Algol::yearListFolder()).filePath(QStringLiteral("../Algol2007.txt"))));
    QVERIFY(!QFile::exists(listPath(1971)));
}

void TestYearList::secondRunReplacesTheFile()
{
    Algol window(m_clock, kFrench);
    window.Form_Load();
    {
        QFile file(listPath(2007));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100000, 'x'));
    }
    writeList(window, true, QStringLiteral("2"), {QStringLiteral("2007")});
    QCOMPARE(contentsOf(listPath(2007)), reference("Algol2007-local+2.txt"));
    window.Command1_Click();
    writeList(window, false, QStringLiteral("2"), {QStringLiteral("2007")});
    QCOMPARE(contentsOf(listPath(2007)), reference("Algol2007-UT.txt"));
}

void TestYearList::windowShowsFirstOfJanuary()
{
    Algol window(m_clock, kFrench);
    window.Form_Load();
    const QString typedDate = window.Text1->text();
    writeList(window, false, QStringLiteral("1"), {QStringLiteral("2007")});
    // 01/01/2007 00:00 UT is JD 2454101.5; its next minimum is the first line of the file.
    QCOMPARE(window.Text2->text(), QStringLiteral("2454101,5"));
    QCOMPARE(window.Text7->text(), QStringLiteral("02/01/2007  11:14:57"));
    QCOMPARE(window.Text1->text(), typedDate);
    QVERIFY(window.LastMinimum > 2454101.5 && window.LastMinimum < 2454101.5 + 2.867315);
}

void TestYearList::laterTimeOfDayStartsLater_data()
{
    QTest::addColumn<QTime>("clock");
    QTest::newRow("12:00:00") << QTime(12, 0, 0);
    // The time of day is taken in whole seconds.
    QTest::newRow("12:00:00.500") << QTime(12, 0, 0, 500);
}

void TestYearList::laterTimeOfDayStartsLater()
{
    QFETCH(QTime, clock);
    // At 12:00 the minimum of 02/01/2007 11:14:57 still follows 01/01 12:00 and stays first.
    m_clock.setNow(QDateTime(QDate(2009, 6, 20), clock));
    Algol window(m_clock, kFrench);
    window.Form_Load();
    writeList(window, false, QStringLiteral("1"), {QStringLiteral("2007")});
    m_clock.setNow(QDateTime(QDate(2009, 6, 20), QTime(0, 0, 0)));
    QCOMPARE(contentsOf(listPath(2007)), reference("Algol2007-UT.txt"));
    QVERIFY2(window.Text2->text() == QStringLiteral("2454102"),
             qPrintable(QStringLiteral("1 January 2007 at the clock's %1 made the instant %2, "
                                       "not 2454102 (12:00:00)")
                            .arg(clock.toString(QStringLiteral("hh:mm:ss.zzz")),
                                 window.Text2->text())));
}

void TestYearList::lastYearThatCanComplete()
{
    Algol window(m_clock, kFrench);
    window.Form_Load();
    writeList(window, false, QStringLiteral("1"), {QStringLiteral("9998")});
    const QList<QByteArray> lines = contentsOf(listPath(9998)).split('\n');
    // 127 lines, an empty line, and the empty remainder after the last line feed.
    QCOMPARE(lines.size(), 129);
    QCOMPARE(lines.first(), QByteArray("03/01/9998  17:50:57\r"));
    QCOMPARE(lines.at(126), QByteArray("31/12/9998  00:36:35\r"));
}

void TestYearList::fullDiskLeavesTheFolderAsItWas_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no list yet
    QTest::newRow("an existing list stays byte for byte") << QByteArray("an older list\r\n\r\n");
    QTest::newRow("no list appears where there was none") << QByteArray();
}

// The disk fills up while the list is written: the child runs the command with a file-size limit
// below the list's 2794 bytes, so that its writes fail with EFBIG as they would with ENOSPC.
void TestYearList::fullDiskLeavesTheFolderAsItWas()
{
    QFETCH(QByteArray, before);
    const QDir folder(Algol::yearListFolder());
    if (!before.isNull()) {
        QFile file(listPath(2007));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(before), before.size());
    }
    const QStringList namesBefore = folder.entryList({QStringLiteral("Algol2007*")}, QDir::Files);

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kChildVariable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not the end of the process
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY2(child.waitForFinished(60000), "the child writing the list did not end");
    const QByteArray errors = child.readAllStandardError();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             errors.constData());

    const QStringList namesAfter = folder.entryList({QStringLiteral("Algol2007*")}, QDir::Files);
    QVERIFY2(namesAfter == namesBefore,
             qPrintable(QStringLiteral("on a full disk the folder went from [%1] to [%2]")
                            .arg(namesBefore.join(QLatin1Char(' ')),
                                 namesAfter.join(QLatin1Char(' ')))));
    if (!before.isNull()) {
        const QByteArray after = contentsOf(listPath(2007));
        QVERIFY2(after == before,
                 qPrintable(QStringLiteral("on a full disk the old list was replaced by %1 bytes")
                                .arg(after.size())));
    }
}

// The test runs itself as the child of fullDiskLeavesTheFolderAsItWas.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    if (qEnvironmentVariableIsSet(kChildVariable))
        return writeListAsChild();
    TestYearList test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_yearlist.moc"
