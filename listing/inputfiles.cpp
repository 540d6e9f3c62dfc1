#include "inputfiles.h"

#include "listingtexts.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The byte order of a text in UTF-16, which no reader here reads: a byte order mark, or NUL in
// every other byte of its start (ASCII written in UTF-16 without a mark); empty for any other text.
QString utf16ByteOrder(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return Listing::tr("little-endian");
    if (bytes.startsWith("\xFE\xFF"))
        return Listing::tr("big-endian");
    const qsizetype pairs = std::min<qsizetype>(bytes.size(), 512) / 2;
    if (pairs < 4)
        return {};
    qsizetype evenNuls = 0, oddNuls = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        evenNuls += bytes[2 * i] == '\0';
        oddNuls += bytes[2 * i + 1] == '\0';
    }
    const auto most = [&](qsizetype nuls) { return nuls * 10 >= pairs * 9; };
    const auto few = [&](qsizetype nuls) { return nuls * 10 <= pairs; };
    if (most(oddNuls) && few(evenNuls))
        return Listing::tr("little-endian");
    if (most(evenNuls) && few(oddNuls))
        return Listing::tr("big-endian");
    return {};
}

// A file descriptor closed when it goes out of scope.
struct Descriptor
{
    int descriptor;
    ~Descriptor() { ::close(descriptor); }
};

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
    // Opened without waiting (a pipe with no writer would hold open() itself), then tested as
    // opened: the name may have been given to a pipe or a device since any look at it.
    const int descriptor = ::open(QFile::encodeName(path).constData(),
                                  O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return cannotRead(path, qt_error_string(errno));
    const Descriptor closed{descriptor};
    struct stat status;
    if (::fstat(descriptor, &status) != 0)
        return cannotRead(path, qt_error_string(errno));
    if (!S_ISREG(status.st_mode))
        return cannotRead(path, Listing::tr("not a regular file"));
    const QString tooLarge = Listing::tr("larger than 64 MiB (%1 bytes)").arg(kLargestInputBytes);
    if (status.st_size > kLargestInputBytes)
        return cannotRead(path, tooLarge);
    // Read to the end, not to the size seen: the file may have grown since.
    QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qsizetype size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (size > kLargestInputBytes)
                return cannotRead(path, tooLarge);
            bytes.resize(std::min(2 * size, kLargestInputBytes + 1));
        }
        const ssize_t got = ::read(descriptor, bytes.data() + size, std::size_t(bytes.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return cannotRead(path, qt_error_string(errno));
        if (got == 0)
            break;
        size += got;
    }
    bytes.truncate(size);
    if (const QString order = utf16ByteOrder(bytes); !order.isEmpty())
        return cannotRead(path, Listing::tr("the text is in UTF-16 (%1); save it as UTF-8").arg(order));
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
