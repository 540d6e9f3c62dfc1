#pragma once

#include <QString>

#include <functional>

namespace toolkit {

// The shell's open operation: hands a URL to the program the desktop associates with its scheme
// (the mail program for "mailto:", the browser for "http:") and returns at once. The result says
// whether the desktop accepted it; callers are free to ignore it.
bool openUrl(const QString &url);

// While an opener is set, URLs go to it instead of the desktop, so that tests launch nothing.
// An empty function restores the desktop.
using UrlOpener = std::function<bool(const QString &url)>;
void setUrlOpener(UrlOpener opener);

} // namespace toolkit
