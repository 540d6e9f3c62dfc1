#include "shellopen.h"

#include <QDesktopServices>
#include <QUrl>

namespace toolkit {

namespace {

UrlOpener &currentOpener()
{
    static UrlOpener opener;
    return opener;
}

} // namespace

bool openUrl(const QString &url)
{
    if (const UrlOpener &opener = currentOpener())
        return opener(url);
    return QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

void setUrlOpener(UrlOpener opener)
{
    currentOpener() = std::move(opener);
}

} // namespace toolkit
