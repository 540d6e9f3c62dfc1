#pragma once

#include <QString>

class QWidget;

namespace toolkit {

// A modal input box with a prompt, a title and a default answer, its buttons in French.
// Returns the typed text, or an empty text on Cancel. Timers and repaints go on while it is open.
QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                 const QString &defaultText);

} // namespace toolkit
