#include "inputs.h"

#include "options.h"
#include "output.h"
#include "texts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace cli {

namespace {

// The timing library's texts, one English sentence each, translated in the context "Timing".
// lupdate cannot find them in a library without Qt: the translation file holds them by hand, and
// tst_clioptions checks that each has its French.
QString translated(std::string_view english)
{
    return QCoreApplication::translate("Timing", std::string(english).c_str());
}

QString cannotRead(const QString &path, const QString &reason)
{
    return AlgolMinima::tr("cannot read %1: %2").arg(visible(path), reason);
}

} // namespace

std::variant<QByteArray, QString> readInput(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return cannotRead(path, AlgolMinima::tr("not a regular file"));
    if (info.size() > kLargestInputBytes)
        return cannotRead(path, AlgolMinima::tr("larger than 64 MB"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotRead(path, file.errorString());
    // Read to the end, not to the size seen before: the file may have grown since.
    QByteArray bytes = file.read(kLargestInputBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return cannotRead(path, file.errorString());
    if (bytes.size() > kLargestInputBytes)
        return cannotRead(path, AlgolMinima::tr("larger than 64 MB"));
    return bytes;
}

std::variant<sky::ElementSet, QString> readElements(const QString &path)
{
    const auto bytes = readInput(path);
    if (const auto *error = std::get_if<QString>(&bytes))
        return *error;
    const QByteArray &text = std::get<QByteArray>(bytes);
    const timing::ElementsFile file = timing::readElementsFile({text.constData(), std::size_t(text.size())});
    if (file.elements)
        return *file.elements;
    const timing::ElementsRefusal &refusal = file.refusal;
    QString where = visible(path) + QLatin1Char(':');
    if (refusal.line > 0)
        where += QString::number(refusal.line) + QLatin1Char(':');
    const QString key = refusal.key.empty() ? QString() : QString::fromStdString(refusal.key) + QStringLiteral(": ");
    return AlgolMinima::tr("%1 %2%3 (not an elements file that fit writes)")
        .arg(where, key, elementsErrorMessage(refusal.error));
}

void printProblems(const QString &path, const std::vector<timing::LineProblem> &problems)
{
    for (const timing::LineProblem &problem : problems)
        printLine(QStringLiteral("%1:%2: %3").arg(visible(path)).arg(problem.line).arg(lineErrorMessage(problem.error)));
    if (!problems.empty())
        printMessage(AlgolMinima::tr("%1: lines skipped: %2").arg(visible(path)).arg(problems.size()));
}

QString lineErrorMessage(timing::LineError error)
{
    return translated(timing::lineErrorText(error));
}

QString untimedMessage(timing::Untimed reason)
{
    return translated(timing::untimedText(reason));
}

QString elementsErrorMessage(timing::ElementsError error)
{
    return translated(timing::elementsErrorText(error));
}

} // namespace cli
