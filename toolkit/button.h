#pragma once

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace toolkit {

// A command button in the dialog font that is not a default button: Enter is the window's to
// handle.
QPushButton *commandButton(QWidget *parent, const QRect &pixels, const QString &text);
QPushButton *commandButton(QWidget *parent, double left, double top, double width, double height,
                           const QString &text); // in twips
} // namespace toolkit
