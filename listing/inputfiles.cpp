#include "inputfiles.h"

#include "listingtexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace listing {

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
    return Listing::tr("cannot read %1: %2").arg(visible(path), reason);
}

} // namespace

QString visible(const QString &text)
{
    constexpr qsizetype kLongest = 100;
    QString shown;
    for (const QChar c : QStringView(text).first(std::min(text.size(), kLongest))) {
        const auto category = c.category();
        if (category != QChar::Other_Control && category != QChar::Other_Format
            && category != QChar::Separator_Line && category != QChar::Separator_Paragraph) {
            shown += c;
        } else if (c == u'\n') {
            shown += QLatin1String("\\n");
        } else if (c == u'\t') {
            shown += QLatin1String("\\t");
        } else if (c == u'\r') {
            shown += QLatin1String("\\r");
        } else if (c.unicode() < 0x80) {
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    if (text.size() > kLongest)
        shown += QLatin1String("...");
    return shown;
}

std::variant<QByteArray, QString> readInput(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return cannotRead(path, Listing::tr("not a regular file"));
    if (info.size() > kLargestInputBytes)
        return cannotRead(path, Listing::tr("larger than 64 MB"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotRead(path, file.errorString());
    // Read to the end, not to the size seen before: the file may have grown since.
    QByteArray bytes = file.read(kLargestInputBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return cannotRead(path, file.errorString());
    if (bytes.size() > kLargestInputBytes)
        return cannotRead(path, Listing::tr("larger than 64 MB"));
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
    return Listing::tr("%1 %2%3 (not an elements file that fit writes)")
        .arg(where, key, elementsErrorMessage(refusal.error));
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

} // namespace listing
